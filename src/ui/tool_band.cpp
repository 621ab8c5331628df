#include "ui/tool_band.h"

#include "app/session_registers.h"
#include "app/system_helpers.h"
#include "engine/preferences.h"
#include "ui/command_table.h"

#include <QAction>
#include <QActionGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace marlowe {

namespace {

constexpr const char* kPreference = "Preference";

// A panel of a caption and a value, with its own pop-up menu.
QWidget* ValuePanel(QWidget* parent, const QString& caption, const char* widest, QLabel*& value, QMenu* menu)
{
    auto* panel = new QFrame(parent);
    // As high as its text, not as the band: it sits in the band's middle.
    panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    auto* layout = new QHBoxLayout(panel);
    layout->setContentsMargins(8, 2, 8, 2);
    layout->setSpacing(6);
    auto* label = new QLabel(caption, panel);
    value = new QLabel(panel);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(widest));
    layout->addWidget(label);
    layout->addWidget(value);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(panel, &QWidget::customContextMenuRequested, panel,
                     [panel, menu](const QPoint& at) { menu->exec(panel->mapToGlobal(at)); });
    return panel;
}

} // namespace

ToolBand::ToolBand(const CommandTable& commands, const ResourceModules& modules, Preferences& preferences,
                   SessionRegisters& registers, QWidget* parent)
    : QToolBar(tr("Toolbar"), parent), modules_(modules), preferences_(preferences), registers_(registers)
{
    setObjectName("toolBar");
    setMovable(false);
    setFloatable(false);
    AddButton(commands.newGame, "New", "TB_NEW", nullptr);
    AddButton(commands.openGame, "Open", "TB_OPEN", nullptr);
    addSeparator();
    AddButton(commands.undo, "Undo", "TB_UNDO", "TB_UNDO_LARGE_DIS");
    AddButton(commands.redo, "Redo", "TB_REDO", "TB_REDO_LARGE_DIS");
    AddButton(commands.autoplay, "Autoplay", "TB_AUTOPLAY", "TB_AUTOPLAY_LARGE_DIS");
    addSeparator();
    AddButton(commands.rules, "Rules", "TB_RULES", nullptr);
    addSeparator();
    AddButton(commands.exit, "Exit", "TB_EXIT", nullptr);
    BuildMenus();
    BuildPanels();
    restore_ = new QAction(tr("Restore"), this);
    connect(restore_, &QAction::triggered, commands.fullScreen, &QAction::trigger);
    restoreButton_ = new QToolButton(this);
    restoreButton_->setDefaultAction(restore_);
    restoreSlot_ = addWidget(restoreButton_);
    restoreSlot_->setVisible(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        popTB_->exec(mapToGlobal(at));
    });
}

void ToolBand::AddButton(QAction* command, const char* caption, const char* picture, const char* disabledPicture)
{
    auto* button = new QToolButton(this);
    button->setText(tr(caption));
    button->setToolTip(command->text().remove('&'));
    button->setCheckable(command->isCheckable());
    button->setAutoRaise(true);
    connect(button, &QToolButton::clicked, command, [command] { command->trigger(); });
    // The button follows its command: enabled with it, pressed down while it is checked.
    const auto follow = [button, command] {
        button->setEnabled(command->isEnabled());
        button->setChecked(command->isChecked());
    };
    connect(command, &QAction::changed, button, follow);
    follow();
    addWidget(button);
    buttons_.push_back(Button{button, picture, disabledPicture});
}

void ToolBand::BuildPanels()
{
    auto* spacer = new QWidget(this);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    addWidget(spacer);
    auto* popScore = new QMenu(this);
    hideScore_ = popScore->addAction(tr("Hide"), this, [this] { SetScoreShown(false); });
    auto* popTime = new QMenu(this);
    hideTime_ = popTime->addAction(tr("&Hide"), this, [this] { SetTimeShown(false); });
    scorePanel_ = ValuePanel(this, tr("Score:"), "-0000", score_, popScore);
    timePanel_ = ValuePanel(this, tr("Time:"), "0:00:00", time_, popTime);
    scoreSlot_ = addWidget(scorePanel_);
    timeSlot_ = addWidget(timePanel_);
    SetScore(0);
    SetTime("0:00:00");
}

void ToolBand::BuildMenus()
{
    popTB_ = new QMenu(this);
    auto* size = new QActionGroup(this);
    largeIcons_ = popTB_->addAction(tr("Large icons"), this, [this] { SetLarge(true); });
    smallIcons_ = popTB_->addAction(tr("Small icons"), this, [this] { SetLarge(false); });
    popTB_->addSeparator();
    auto* flatness = new QActionGroup(this);
    flat_ = popTB_->addAction(tr("Flat button"), this,
                              [this] { preferences_.WriteString(kPreference, "ToolBar_Flat", "Y"); });
    noFlat_ = popTB_->addAction(tr("No flat button"));
    popTB_->addSeparator();
    auto* style = new QActionGroup(this);
    xpStyle_ = popTB_->addAction(tr("XP style"), this, [this] { SetXpStyle(true); });
    win98Style_ = popTB_->addAction(tr("Win 98 style"), this, [this] { SetXpStyle(false); });
    popTB_->addSeparator();
    showTime_ = popTB_->addAction(tr("Show time"), this, [this] { SetTimeShown(true); });
    showScore_ = popTB_->addAction(tr("Show score"), this, [this] { SetScoreShown(true); });
    for (auto [group, action] : {std::pair{size, largeIcons_}, {size, smallIcons_}, {flatness, flat_},
                                 {flatness, noFlat_}, {style, xpStyle_}, {style, win98Style_}}) {
        action->setCheckable(true);
        group->addAction(action);
    }
    // On the newer desktops tool buttons are always flat.
    flat_->setChecked(true);
    noFlat_->setEnabled(!IsWindowsXP());
}

void ToolBand::ApplyPreferences()
{
    large_ = preferences_.ReadString(kPreference, "ToolBar_Large") == "Y";
    xp_ = preferences_.ReadString(kPreference, "ToolBar_XP") == "Y";
    timeShown_ = registers_.Get(reg::ShowTime) != "N";
    scoreShown_ = registers_.Get(reg::ShowScore) != "N";
    (large_ ? largeIcons_ : smallIcons_)->setChecked(true);
    (xp_ ? xpStyle_ : win98Style_)->setChecked(true);
    LoadPictures();
    ShowPanels();
    setVisible(preferences_.ReadString(kPreference, "ToolBar_Visible") != "N");
}

void ToolBand::LoadPictures()
{
    const char* size = large_ ? "_LARGE" : "_SMALL";
    const Qt::ToolButtonStyle look = large_ ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly;
    for (const Button& entry : buttons_) {
        const std::string disabled = large_ && entry.disabledPicture ? entry.disabledPicture : "";
        const QIcon icon = ToolbarIcon(modules_, std::string(entry.picture) + size, xp_, disabled);
        entry.button->setIcon(icon);
        if (!icon.availableSizes().isEmpty())
            entry.button->setIconSize(icon.availableSizes().front());
        entry.button->setToolButtonStyle(look);
    }
    const QIcon restore = ToolbarIcon(modules_, "TB_RESTORE_AFTER_F11_LARGE", xp_);
    restore_->setIcon(restore);
    // The restore button is as high as the other buttons: its picture shrinks with them.
    if (!buttons_.empty())
        restoreButton_->setIconSize(buttons_.front().button->iconSize());
    restoreButton_->setToolButtonStyle(look);
}

void ToolBand::SetLarge(bool large)
{
    large_ = large;
    preferences_.WriteString(kPreference, "ToolBar_Large", large ? "Y" : "N");
    LoadPictures();
}

void ToolBand::SetXpStyle(bool xp)
{
    xp_ = xp;
    preferences_.WriteString(kPreference, "ToolBar_XP", xp ? "Y" : "N");
    LoadPictures();
    emit StyleChanged(xp);
}

void ToolBand::SetTimeShown(bool shown)
{
    timeShown_ = shown;
    registers_.Set(reg::ShowTime, shown ? "Y" : "N");
    preferences_.WriteString(kPreference, "Show_Time", shown ? "Y" : "N");
    ShowPanels();
}

void ToolBand::SetScoreShown(bool shown)
{
    scoreShown_ = shown;
    registers_.Set(reg::ShowScore, shown ? "Y" : "N");
    preferences_.WriteString(kPreference, "Show_Score", shown ? "Y" : "N");
    ShowPanels();
}

// A panel that is shown cannot be shown again: its "Show" item waits until it is hidden.
void ToolBand::ShowPanels()
{
    timeSlot_->setVisible(timeShown_);
    showTime_->setEnabled(!timeShown_);
    scoreSlot_->setVisible(scoreShown_);
    showScore_->setEnabled(!scoreShown_);
}

void ToolBand::SetTime(const QString& text)
{
    time_->setText(text);
}

void ToolBand::SetScore(int score)
{
    score_->setText(QString::number(score));
}

void ToolBand::SetFullScreen(bool on)
{
    restoreSlot_->setVisible(on);
}

} // namespace marlowe
