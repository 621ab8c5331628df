#include "ui/game_description_panel.h"

#include "board/resource_modules.h"
#include "catalogue/preview_file.h"
#include "ui/game_preview.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QStackedWidget>
#include <QVBoxLayout>

namespace marlowe {

namespace {

constexpr int kPictureSide = 32;
const char* const kCharacteristicCaptions[] = {"Game time", "Difficulty", "Skill or chance", "Chance of winning"};

// A caption in a softer tone than the value under or beside it, whatever the colour scheme.
QLabel* CaptionLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    QPalette palette = label->palette();
    const QColor ink = palette.color(QPalette::WindowText);
    const QColor paper = palette.color(QPalette::Window);
    const auto mix = [](float a, float b) { return a * 0.6f + b * 0.4f; };
    palette.setColor(QPalette::WindowText, QColor::fromRgbF(mix(ink.redF(), paper.redF()), mix(ink.greenF(), paper.greenF()),
                                                             mix(ink.blueF(), paper.blueF())));
    label->setPalette(palette);
    return label;
}

// The preview's frame: a thin dark edge round the green, as a table seen from above.
QLabel* PictureFrame(QWidget* parent)
{
    auto* frame = new QLabel(parent);
    frame->setFixedSize(kPreviewWidth + 2, kPreviewHeight + 2);
    frame->setStyleSheet("border: 1px solid #1c3d2a;");
    frame->setAlignment(Qt::AlignCenter);
    return frame;
}

} // namespace

GameDescriptionPanel::GameDescriptionPanel(const ResourceModules& modules, QWidget* parent)
    : QWidget(parent), modules_(modules)
{
    pages_ = new QStackedWidget(this);
    pages_->addWidget(BuildProductPage());
    pages_->addWidget(BuildGamePage());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(pages_);
}

QWidget* GameDescriptionPanel::BuildProductPage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* title = new QLabel("Marlowe", page);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.8);
    titleFont.setBold(true);
    title->setFont(titleFont);
    productPicture_ = PictureFrame(page);
    productText_ = new QLabel(page);
    productText_->setWordWrap(true);
    productText_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(title);
    layout->addWidget(productPicture_);
    layout->addSpacing(6);
    layout->addWidget(productText_, 1);
    return page;
}

QWidget* GameDescriptionPanel::BuildGamePage()
{
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);

    lblGameName_ = new QLabel(page);
    lblGameName_->setObjectName("lblGameName");
    QFont nameFont = lblGameName_->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.8);
    nameFont.setBold(true);
    lblGameName_->setFont(nameFont);
    preview_ = PictureFrame(page);

    chkPreview_ = new QCheckBox("&Preview", page);
    chkPreview_->setObjectName("chkPreview");
    decks_ = new QLabel(page);
    redeals_ = new QLabel(page);
    auto* counts = new QHBoxLayout;
    counts->addWidget(chkPreview_);
    counts->addStretch(1);
    counts->addWidget(CaptionLabel("Decks:", page));
    counts->addWidget(decks_);
    counts->addSpacing(16);
    counts->addWidget(CaptionLabel("Redeals:", page));
    counts->addWidget(redeals_);

    // The four classes in two columns: picture, caption above value.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    for (int i = 0; i < 4; ++i) {
        pictures_[static_cast<std::size_t>(i)] = new QLabel(page);
        pictures_[static_cast<std::size_t>(i)]->setFixedSize(kPictureSide, kPictureSide);
        values_[static_cast<std::size_t>(i)] = new QLabel(page);
        values_[static_cast<std::size_t>(i)]->setWordWrap(true);
        auto* text = new QVBoxLayout;
        text->setSpacing(0);
        text->addWidget(CaptionLabel(kCharacteristicCaptions[i], page));
        text->addWidget(values_[static_cast<std::size_t>(i)]);
        const int row = i / 2;
        const int column = (i % 2) * 2;
        grid->addWidget(pictures_[static_cast<std::size_t>(i)], row, column, Qt::AlignTop);
        grid->addLayout(text, row, column + 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);

    layout->addWidget(lblGameName_);
    layout->addWidget(preview_);
    layout->addLayout(counts);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch(1);
    return page;
}

void GameDescriptionPanel::ShowProduct(const QImage& picture, int gameCount)
{
    productPicture_->setPixmap(QPixmap::fromImage(picture));
    productText_->setText(QString("%1 patience games, each dealt from a numbered deal.\n\n"
                                  "Choose a game in the list to see its table and what kind of game it is: "
                                  "how long it takes, how hard it is, and how often it comes out.")
                              .arg(gameCount));
    pages_->setCurrentIndex(0);
}

void GameDescriptionPanel::ShowGame(const GameDescription& description, const QImage& preview)
{
    lblGameName_->setText(QString::fromStdString(description.name));
    preview_->setPixmap(QPixmap::fromImage(preview));
    decks_->setText(QString::fromStdString(description.decks));
    redeals_->setText(QString::fromStdString(description.redeals));
    SetCharacteristic(0, description.gameTime);
    SetCharacteristic(1, description.difficulty);
    SetCharacteristic(2, description.skill);
    SetCharacteristic(3, description.chance);
    pages_->setCurrentIndex(1);
}

bool GameDescriptionPanel::ShowsProduct() const
{
    return pages_->currentIndex() == 0;
}

QString GameDescriptionPanel::GameNameText() const
{
    return lblGameName_->text();
}

QStringList GameDescriptionPanel::ValueTexts() const
{
    QStringList texts{decks_->text(), redeals_->text()};
    for (const QLabel* value : values_)
        texts << value->text();
    return texts;
}

void GameDescriptionPanel::SetCharacteristic(int row, const Characteristic& value)
{
    values_[static_cast<std::size_t>(row)]->setText(QString::fromStdString(value.text));
    const QImage picture = value.picture.empty() ? QImage() : modules_.Image(value.picture);
    QLabel* label = pictures_[static_cast<std::size_t>(row)];
    if (picture.isNull())
        label->clear();
    else
        label->setPixmap(QPixmap::fromImage(KeyedTransparent(picture)));
}

} // namespace marlowe
