#include "ui/players_dialog.h"

#include "app/register_settings.h"
#include "app/text_helpers.h"
#include "board/resource_modules.h"
#include "engine/game_context.h"
#include "engine/lifecycle.h"
#include "engine/preferences.h"
#include "engine/presentation.h"
#include "records/game_records.h"
#include "ui/game_preview.h"
#include "ui/player_name_dialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <filesystem>

namespace marlowe {
namespace {

constexpr const char* kSelectAPlayer = "Select a player.";
constexpr const char* kCannotDeleteCurrent = "It is impossible to delete the selected player.";
constexpr const char* kDeleteWarning =
    "Are you sure you want to delete the selected player?\rNote: the statistics for this player will also be deleted.";
constexpr const char* kPlayerRenamed = "Player renamed.";

} // namespace

TfrmPlayers::TfrmPlayers(GameContext& context, Preferences& preferences, const ResourceModules& modules,
                         StatisticsFiles& statistics, QWidget* parent)
    : QDialog(parent),
      context_(context),
      preferences_(preferences),
      modules_(modules),
      statistics_(statistics)
{
    setObjectName("frmPlayers");
    setWindowTitle("Players");
    BuildLayout();
    askName = [this](const QString& caption, const std::string& name) {
        TfrmPlayers2 box(this);
        return box.AskName(caption, name);
    };
}

QToolButton* TfrmPlayers::MakeToolButton(const char* objectName, const char* caption, const char* picture)
{
    auto* button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    if (const QImage image = modules_.Image(picture); !image.isNull())
        button->setIcon(QIcon(QPixmap::fromImage(KeyedTransparent(image))));
    return button;
}

void TfrmPlayers::BuildLayout()
{
    tbNew_ = MakeToolButton("tbNew", "&New", "BTN_NEW");
    tbEdit_ = MakeToolButton("tbEdit", "&Edit", "BTN_EDIT");
    tbDelete_ = MakeToolButton("tbDelete", "&Delete", "BTN_DELETE");
    connect(tbNew_, &QToolButton::clicked, this, &TfrmPlayers::AddPlayer);
    connect(tbEdit_, &QToolButton::clicked, this, &TfrmPlayers::EditPlayer);
    connect(tbDelete_, &QToolButton::clicked, this, &TfrmPlayers::DeletePlayer);

    lboOperatori_ = new QListWidget(this);
    lboOperatori_->setObjectName("lboOperatori");
    lboOperatori_->setMinimumSize(lboOperatori_->fontMetrics().averageCharWidth() * (kLongestPlayerName + 4), 180);
    auto* label = new QLabel("&Select a player:", this);
    label->setBuddy(lboOperatori_);
    connect(lboOperatori_, &QListWidget::itemSelectionChanged, this, &TfrmPlayers::UpdateButtons);
    connect(lboOperatori_, &QListWidget::itemDoubleClicked, this, &TfrmPlayers::SelectPlayer);
    lboOperatori_->installEventFilter(this);

    lblRename1_ = new QLabel("Working:", this);
    lblRename1_->setObjectName("lblRename1");
    lblRename2_ = new QLabel(this);
    lblRename2_->setObjectName("lblRename2");
    lblRename1_->hide();
    lblRename2_->hide();

    btnOK_ = new QPushButton("Select", this);
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    btnAnnulla_ = new QPushButton("Cancel", this);
    btnAnnulla_->setObjectName("btnAnnulla");
    connect(btnOK_, &QPushButton::clicked, this, &TfrmPlayers::SelectPlayer);
    connect(btnAnnulla_, &QPushButton::clicked, this, &QDialog::reject);

    auto* tools = new QHBoxLayout;
    tools->addWidget(tbNew_);
    tools->addWidget(tbEdit_);
    tools->addWidget(tbDelete_);
    tools->addStretch(1);
    auto* progress = new QHBoxLayout;
    progress->addWidget(lblRename1_);
    progress->addWidget(lblRename2_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addLayout(progress);
    buttons->addStretch(1);
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnAnnulla_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addWidget(label);
    layout->addWidget(lboOperatori_, 1);
    layout->addLayout(buttons);
}

bool TfrmPlayers::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == lboOperatori_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Delete) {
            DeletePlayer();
            return true;
        }
        if (key == Qt::Key_Insert) {
            AddPlayer();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmPlayers::ShowDialog()
{
    players_ = PlayerList::Read(preferences_);
    currentPlayer_ = marlowe::CurrentPlayer(context_.registers);
    playerChanged_ = false;
    ShowPlayers(currentPlayer_);
    lboOperatori_->setFocus();
    exec();
    if (playerChanged_ && onPlayerChanged)
        onPlayerChanged();
    return playerChanged_;
}

void TfrmPlayers::ShowPlayers(const std::string& selected)
{
    lboOperatori_->clear();
    for (const auto& name : players_.Names())
        lboOperatori_->addItem(QString::fromStdString(name));
    if (const int index = players_.IndexOf(selected); index >= 0)
        lboOperatori_->setCurrentRow(index);
    UpdateButtons();
}

std::optional<std::string> TfrmPlayers::SelectedName() const
{
    const QListWidgetItem* item = lboOperatori_->currentItem();
    if (item == nullptr || !item->isSelected())
        return std::nullopt;
    return item->text().toStdString();
}

void TfrmPlayers::UpdateButtons()
{
    const auto selected = SelectedName();
    btnOK_->setEnabled(selected.has_value());
    tbEdit_->setEnabled(selected.has_value());
    tbDelete_->setEnabled(selected.has_value() && !IsCurrent(*selected));
}

bool TfrmPlayers::IsCurrent(const std::string& name) const
{
    // Compared as the records compare player names.
    return EqualsNoCase(Trim(name), Trim(currentPlayer_));
}

void TfrmPlayers::Inform(const std::string& message)
{
    context_.presentation().ShowInfo(message);
}

std::optional<std::string> TfrmPlayers::AskValidName(const QString& caption, const std::string& start,
                                                     const std::optional<std::string>& unchanged)
{
    std::string typed = start;
    for (;;) {
        const auto answer = askName(caption, typed);
        if (!answer)
            return std::nullopt;
        typed = *answer;
        if (unchanged && Trim(typed) == *unchanged)
            return unchanged;
        std::string problem = players_.CheckNewName(typed);
        if (problem.empty() && unchanged && HasRecords(Trim(typed)))
            problem = kNameExistsMessage;
        if (problem.empty())
            return Trim(typed);
        Inform(problem);
    }
}

void TfrmPlayers::AddPlayer()
{
    if (const auto name = AskValidName(kAddPlayerCaption, "", std::nullopt))
        ShowPlayers(players_.Add(*name));
}

void TfrmPlayers::EditPlayer()
{
    if (const auto selected = SelectedName())
        RenamePlayer(*selected);
    else
        Inform(kSelectAPlayer);
}

void TfrmPlayers::RenamePlayer(const std::string& oldName)
{
    const auto newName = AskValidName(kEditPlayerCaption, oldName, oldName);
    if (!newName || *newName == oldName)
        return;
    const std::string stored = players_.Rename(oldName, *newName);
    ShowPlayers(stored);
    if (IsCurrent(oldName)) {
        currentPlayer_ = stored;
        UpdateButtons();
    }

    lblRename2_->setText("0");
    lblRename1_->show();
    lblRename2_->show();
    const bool carried = statistics_.RenamePlayerInStatistics(oldName, stored, [this](long long lines) {
        lblRename2_->setText(QString::number(lines));
        lblRename2_->repaint();
    });
    lblRename1_->hide();
    lblRename2_->hide();
    // A failed rewrite has told the player what went wrong; it is no rename to announce.
    if (carried)
        Inform(kPlayerRenamed);
}

bool TfrmPlayers::HasRecords(const std::string& name) const
{
    std::error_code error;
    return std::filesystem::exists(statistics_.ProgressPathOf(name), error);
}

void TfrmPlayers::DeletePlayer()
{
    const auto selected = SelectedName();
    if (!selected) {
        Inform(kSelectAPlayer);
        return;
    }
    if (IsCurrent(*selected)) {
        Inform(kCannotDeleteCurrent);
        return;
    }
    if (!context_.presentation().Confirm(kDeleteWarning))
        return;
    // A player whose records could not be reset stays: a new player of that name would inherit them.
    if (!GameRecords(statistics_).Reset(0, *selected, true, false))
        return;
    players_.Remove(*selected);
    ShowPlayers(players_.Names().empty() ? std::string() : players_.Names().front());
}

void TfrmPlayers::SelectPlayer()
{
    const auto selected = SelectedName();
    if (!selected) {
        Inform(kSelectAPlayer);
        return;
    }
    if (RenameUnusableName())
        return;
    if (!IsCurrent(*selected)) {
        if (!ConfirmAbandon(context_, "Start a new game for player " + *selected + "?"))
            return;
        // The game in progress belongs to the previous player and is recorded under that name.
        EndGame(context_);
        context_.registers.Set(reg::Score, "0");
        currentPlayer_ = *selected;
        playerChanged_ = true;
    }
    accept();
}

bool TfrmPlayers::RenameUnusableName()
{
    const auto unusable = players_.FirstUnusableName();
    if (!unusable)
        return false;
    ShowPlayers(*unusable);
    Inform(std::string(kNameForbiddenMessage) + "\rPlease rename the Player name:  " + *unusable);
    RenamePlayer(*unusable);
    return true;
}

void TfrmPlayers::done(int result)
{
    if (RenameUnusableName())
        return;
    players_.Save(preferences_, context_.registers, currentPlayer_);
    UpdateTitle(context_);
    QDialog::done(result);
}

} // namespace marlowe
