#include "ui/customize_dialog.h"

#include "engine/lifecycle.h"
#include "engine/preferences.h"
#include "ui/customize_samples.h"
#include "ui/customize_trees.h"
#include "ui/table_session.h"
#include "ui/tool_band.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace marlowe {

namespace {

constexpr QSize kDialogSize(400, 301);
constexpr QSize kDeckSampleSize(150, 170);
constexpr QSize kBackgroundSampleSize(150, 130);
constexpr int kTreeWidth = 200;

QCheckBox* CheckBox(const char* name, const char* caption, QWidget* parent)
{
    auto* box = new QCheckBox(QObject::tr(caption), parent);
    box->setObjectName(name);
    return box;
}

QTreeWidget* ChoiceTree(const char* name, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setIconSize(QSize(16, 16));
    tree->setFixedWidth(kTreeWidth);
    return tree;
}

QLabel* SampleLabel(const char* name, QSize size, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setFixedSize(size);
    return label;
}

// The colour value the preferences store: red in the low byte, blue in the high byte.
long long ColourValue(const QColor& colour)
{
    return colour.red() | (colour.green() << 8) | (colour.blue() << 16);
}

std::optional<int> ChoiceOf(QTreeWidget* tree)
{
    const QTreeWidgetItem* item = tree->currentItem();
    return IsChoice(item) ? std::optional<int>(NodeNumber(item)) : std::nullopt;
}

}  // namespace

TfrmCustomize_Freeware::TfrmCustomize_Freeware(TableSession& session, ToolBand* toolBand, int firstPage,
                                               QWidget* parent)
    : QDialog(parent), session_(session), toolBand_(toolBand), samples_(std::make_unique<CustomizeSamples>(session))
{
    setObjectName("frmCustomize_Freeware");
    setWindowTitle(tr("Customize"));
    setFixedSize(kDialogSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 6);
    TabbedNotebook1_ = new QTabWidget(this);
    TabbedNotebook1_->setObjectName("TabbedNotebook1");
    TabbedNotebook1_->addTab(BuildGeneralPage(), tr("&General"));
    TabbedNotebook1_->addTab(BuildDecksPage(), tr("&Decks  "));
    TabbedNotebook1_->addTab(BuildBackgroundsPage(), tr("&Backgrounds"));
    TabbedNotebook1_->addTab(BuildSoundsPage(), tr("&Sounds"));
    layout->addWidget(TabbedNotebook1_);
    BuildButtons();
    ColorDialog1_ = new QColorDialog(this);
    ColorDialog1_->setObjectName("ColorDialog1");

    const CustomizeChoices choices =
        ReadCustomizeChoices(session_.preferences(), session_.context().registers, session_.context().mainGame);
    ShowChoices(choices);
    connect(trvCardBack_, &QTreeWidget::currentItemChanged, this, [this] { DrawBackSample(); });
    connect(trvBackGround_, &QTreeWidget::currentItemChanged, this, [this] { DrawBackgroundSample(); });
    connect(trvBackGround_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
        if (IsChoice(item) && NodeNumber(item) == kPlainColourNode)
            OpenColourDialog();
    });
    connect(chkFadeBackground_, &QCheckBox::toggled, this, [this] { DrawBackgroundSample(); });
    ShowPage(firstPage);
}

TfrmCustomize_Freeware::~TfrmCustomize_Freeware() = default;

QWidget* TfrmCustomize_Freeware::BuildGeneralPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    // The toolbar's size and flatness are chosen from its own pop-up menu; the boxes only carry
    // the stored values through.
    auto* toolbar = new QGroupBox(page);
    auto* toolbarLayout = new QVBoxLayout(toolbar);
    chkTBLargeIcons_ = CheckBox("chkTBLargeIcons", "&Large buttons", toolbar);
    chkTBFlatBtn_ = CheckBox("chkTBFlatBtn", "&Flat buttons", toolbar);
    toolbarLayout->addWidget(chkTBLargeIcons_);
    toolbarLayout->addWidget(chkTBFlatBtn_);
    toolbar->hide();
    chkShowTime_ = CheckBox("chkShowTime", "Show &time", page);
    chkShowScore_ = CheckBox("chkShowScore", "Show sco&re", page);
    chkWinningAnimation_ = CheckBox("chkWinningAnimation", "&Winning animation", page);
    chkConfirmQuitGame_ = CheckBox("chkConfirmQuitGame", "C&onfirm quit game", page);
    chkConfirmOnExit_ = CheckBox("chkConfirmOnExit", "Confirm on e&xit", page);
    chkDisableStatistics_ = CheckBox("chkDisableStatistics", "Disable stat&istics", page);
    chkWinnableDeals_ = CheckBox("chkWinnableDeals", "Deal only wi&nnable games", page);
    for (QCheckBox* box : {chkShowTime_, chkShowScore_, chkWinningAnimation_, chkConfirmQuitGame_, chkConfirmOnExit_,
                           chkDisableStatistics_, chkWinnableDeals_})
        layout->addWidget(box);
    layout->addStretch();
    return page;
}

QWidget* TfrmCustomize_Freeware::BuildDecksPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    trvCardBack_ = ChoiceTree("trvCardBack", page);
    FillCardBackTree(trvCardBack_, session_.modules());
    auto* caption = new QLabel(tr("Select a card back:"), page);
    caption->setBuddy(trvCardBack_);
    imgSfondoEsempio2_ = SampleLabel("imgSfondoEsempio2", kDeckSampleSize, page);
    imgDorsoEsempio_ = SampleLabel("imgDorsoEsempio", QSize(CardSizeOf('B').width, CardSizeOf('B').height),
                                   imgSfondoEsempio2_);
    imgDorsoEsempio_->move((kDeckSampleSize.width() - imgDorsoEsempio_->width()) / 2,
                           (kDeckSampleSize.height() - imgDorsoEsempio_->height()) / 2);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(trvCardBack_, 1, 0);
    layout->addWidget(imgSfondoEsempio2_, 1, 1, Qt::AlignCenter);

    cmbCardSize_ = new QComboBox(page);
    cmbCardSize_->setObjectName("cmbCardSize");
    const struct {
        const char* letter;
        const char* name;
    } sizes[] = {{"A", "Auto (fit the window)"}, {"X", "Extra large"}, {"S", "Large"}, {"B", "Normal"},
                 {"M", "Small"}, {"L", "Miniature"}};
    for (const auto& size : sizes)
        cmbCardSize_->addItem(tr(size.name), QString(size.letter));
    cmbFaceDesign_ = new QComboBox(page);
    cmbFaceDesign_->setObjectName("cmbFaceDesign");
    for (const FaceDesign& design : FaceDesigns())
        cmbFaceDesign_->addItem(tr(design.name), QString(design.style));
    auto* cards = new QHBoxLayout;
    auto* sizeCaption = new QLabel(tr("Card si&ze:"), page);
    sizeCaption->setBuddy(cmbCardSize_);
    auto* designCaption = new QLabel(tr("&Faces:"), page);
    designCaption->setBuddy(cmbFaceDesign_);
    cards->addWidget(sizeCaption);
    cards->addWidget(cmbCardSize_);
    cards->addWidget(designCaption);
    cards->addWidget(cmbFaceDesign_);
    layout->addLayout(cards, 2, 0, 1, 2);
    return page;
}

QWidget* TfrmCustomize_Freeware::BuildBackgroundsPage()
{
    auto* page = new QWidget;
    auto* layout = new QGridLayout(page);
    trvBackGround_ = ChoiceTree("trvBackGround", page);
    FillBackgroundTree(trvBackGround_, session_.modules());
    auto* caption = new QLabel(tr("Select a background:"), page);
    caption->setBuddy(trvBackGround_);
    imgSfondoEsempio_ = SampleLabel("imgSfondoEsempio", kBackgroundSampleSize, page);
    imgSfondoEsempio_->setFrameShape(QFrame::Box);
    lblBackGround_ = new QLabel(page);
    lblBackGround_->setObjectName("lblBackGround");
    lblBackGround_->setAlignment(Qt::AlignHCenter);
    lblBackGround_->setFixedWidth(kBackgroundSampleSize.width());
    auto* otherColour = new QPushButton(tr("&Other color..."), page);
    otherColour->setObjectName("btnOtherColor");
    connect(otherColour, &QPushButton::clicked, this, &TfrmCustomize_Freeware::OpenColourDialog);
    chkFadeBackground_ = CheckBox("chkFadeBackground", "&Fade background", page);

    auto* side = new QVBoxLayout;
    side->addWidget(imgSfondoEsempio_, 0, Qt::AlignHCenter);
    side->addWidget(lblBackGround_, 0, Qt::AlignHCenter);
    side->addStretch();
    side->addWidget(otherColour);
    side->addWidget(chkFadeBackground_);
    layout->addWidget(caption, 0, 0);
    layout->addWidget(trvBackGround_, 1, 0);
    layout->addLayout(side, 1, 1);
    return page;
}

QWidget* TfrmCustomize_Freeware::BuildSoundsPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    chkSoundsEnabled_ = CheckBox("chkSoundsEnabled", "Disable all &sounds", page);
    layout->addWidget(chkSoundsEnabled_);
    layout->addStretch();
    return page;
}

void TfrmCustomize_Freeware::BuildButtons()
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    const auto button = [this, row](const char* name, const char* caption) {
        auto* pushButton = new QPushButton(tr(caption), this);
        pushButton->setObjectName(name);
        row->addWidget(pushButton);
        return pushButton;
    };
    QPushButton* ok = button("btnOK", "OK");
    QPushButton* cancel = button("btnAnnulla", "Cancel");
    QPushButton* help = button("btnAiuto", "&?");
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] {
        StoreAndApply();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] {
        if (help_)
            help_(kHelpTopic);
    });
    static_cast<QVBoxLayout*>(layout())->addLayout(row);
}

void TfrmCustomize_Freeware::ShowPage(int page)
{
    TabbedNotebook1_->setCurrentIndex(std::clamp(page, static_cast<int>(General), static_cast<int>(Sounds)));
}

void TfrmCustomize_Freeware::ShowChoices(const CustomizeChoices& choices)
{
    chkTBLargeIcons_->setChecked(choices.largeButtons);
    chkTBFlatBtn_->setChecked(choices.flatButtons);
    chkShowTime_->setChecked(choices.showTime);
    chkShowScore_->setChecked(choices.showScore);
    chkWinningAnimation_->setChecked(choices.winningAnimation);
    chkConfirmQuitGame_->setChecked(choices.confirmQuitGame);
    chkConfirmOnExit_->setChecked(choices.confirmOnExit);
    chkDisableStatistics_->setChecked(choices.statisticsDisabled);
    chkWinnableDeals_->setChecked(choices.winnableDealsOnly);
    chkFadeBackground_->setChecked(choices.fadeBackground);
    chkSoundsEnabled_->setChecked(choices.soundsDisabled);
    cmbCardSize_->setCurrentIndex(std::max(0, cmbCardSize_->findData(QString::fromStdString(choices.cardSize))));
    cmbFaceDesign_->setCurrentIndex(std::max(0, cmbFaceDesign_->findData(QString::fromStdString(choices.faceDesign))));
    plainColour_ = choices.plainColour;
    openedBack_ = choices.back;
    openedBackground_ = choices.background;
    if (choices.back)
        trvCardBack_->setCurrentItem(FindChoice(trvCardBack_, *choices.back));
    if (choices.background)
        trvBackGround_->setCurrentItem(FindChoice(trvBackGround_, *choices.background));
    DrawBackgroundSample();
}

CustomizeChoices TfrmCustomize_Freeware::Choices() const
{
    CustomizeChoices choices;
    choices.largeButtons = chkTBLargeIcons_->isChecked();
    choices.flatButtons = chkTBFlatBtn_->isChecked();
    choices.showTime = chkShowTime_->isChecked();
    choices.showScore = chkShowScore_->isChecked();
    choices.winningAnimation = chkWinningAnimation_->isChecked();
    choices.confirmQuitGame = chkConfirmQuitGame_->isChecked();
    choices.confirmOnExit = chkConfirmOnExit_->isChecked();
    choices.statisticsDisabled = chkDisableStatistics_->isChecked();
    choices.winnableDealsOnly = chkWinnableDeals_->isChecked();
    choices.back = ChoiceOf(trvCardBack_);
    choices.background = ChoiceOf(trvBackGround_);
    choices.plainColour = plainColour_;
    choices.fadeBackground = chkFadeBackground_->isChecked();
    choices.soundsDisabled = chkSoundsEnabled_->isChecked();
    choices.cardSize = cmbCardSize_->currentData().toString().toStdString();
    choices.faceDesign = cmbFaceDesign_->currentData().toString().toStdString();
    return choices;
}

void TfrmCustomize_Freeware::OpenColourDialog()
{
    ColorDialog1_->setCurrentColor(BackgroundColourOf(plainColour_));
    if (ColorDialog1_->exec() == QDialog::Accepted)
        ChoosePlainColour(ColorDialog1_->selectedColor());
}

void TfrmCustomize_Freeware::ChoosePlainColour(const QColor& colour)
{
    plainColour_ = ColourValue(colour);
    if (QTreeWidgetItem* node = FindChoice(trvBackGround_, kPlainColourNode); node && node != trvBackGround_->currentItem())
        trvBackGround_->setCurrentItem(node);
    else
        DrawBackgroundSample();
}

// While a group is selected, the samples show what OK keeps: the choice the dialog opened with.
std::optional<int> TfrmCustomize_Freeware::ChosenBack() const
{
    const std::optional<int> chosen = ChoiceOf(trvCardBack_);
    return chosen ? chosen : openedBack_;
}

std::optional<int> TfrmCustomize_Freeware::ChosenBackground() const
{
    const std::optional<int> chosen = ChoiceOf(trvBackGround_);
    return chosen ? chosen : openedBackground_;
}

void TfrmCustomize_Freeware::DrawBackSample()
{
    imgDorsoEsempio_->setPixmap(QPixmap::fromImage(samples_->Back(ChosenBack())));
}

void TfrmCustomize_Freeware::DrawBackgroundSample()
{
    const std::optional<int> node = ChosenBackground();
    const bool fade = chkFadeBackground_->isChecked();
    imgSfondoEsempio_->setPixmap(
        QPixmap::fromImage(samples_->Background(imgSfondoEsempio_->contentsRect().size(), node, plainColour_, fade)));
    lblBackGround_->setText(BackgroundName());
    // The back is shown lying on the table it will be played on.
    imgSfondoEsempio2_->setPixmap(
        QPixmap::fromImage(samples_->Background(imgSfondoEsempio2_->size(), node, plainColour_, fade)));
    DrawBackSample();
}

QString TfrmCustomize_Freeware::BackgroundName() const
{
    if (const std::optional<int> node = ChosenBackground())
        if (const QTreeWidgetItem* item = FindChoice(trvBackGround_, *node))
            return item->text(0);
    const Preferences& preferences = session_.preferences();
    for (const char* key : {"Customized_Background", "Additional_Background"})
        if (const std::string name = preferences.ReadString("Preference", key); !name.empty())
            return QString::fromStdString(name);
    return {};
}

void TfrmCustomize_Freeware::StoreAndApply()
{
    GameContext& context = session_.context();
    const CustomizeChoices opened = ReadCustomizeChoices(session_.preferences(), context.registers, context.mainGame);
    const CustomizeChoices chosen = Choices();
    StoreCustomizeChoices(chosen, session_.preferences(), context.registers, context.mainGame);
    if (toolBand_)
        toolBand_->ApplyPreferences();
    const bool cardsChanged = chosen.cardSize != opened.cardSize || chosen.faceDesign != opened.faceDesign;
    // A size the screen cannot show for the game on the table gives way to one it can, with advice.
    if (cardsChanged)
        FitChosenCardSize(context, session_.preferences(), ScreenFacts{session_.ScreenWidth(), session_.ColourCount()});
    session_.ApplyLookChange(cardsChanged);
    // The statistics commands follow the statistics switch.
    session_.UpdateCommands();
}

}  // namespace marlowe
