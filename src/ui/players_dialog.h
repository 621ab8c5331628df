#pragma once
// "Players": the modal dialog in which the player chooses who plays, and adds, renames and
// deletes players. A rename carries the player's records over to the new name, a deletion
// resets them. Nothing of the list or of the current player is stored until the dialog closes;
// closing by any means stores the list, and Select also changes the current player (ending the
// game in progress for the previous one).

#include "records/player_list.h"
#include "records/statistics_files.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QToolButton;

namespace marlowe {

class GameContext;
class Preferences;
class ResourceModules;

class TfrmPlayers : public QDialog {
    Q_OBJECT
public:
    // Messages and questions go through the context's presentation; statistics are the record
    // files a rename carries over and a deletion resets.
    TfrmPlayers(GameContext& context, Preferences& preferences, const ResourceModules& modules,
                StatisticsFiles& statistics, QWidget* parent = nullptr);

    // Shows the dialog until it closes. True when the current player changed; onPlayerChanged
    // has then been called.
    bool ShowDialog();

    // After a change of player: the window redraws the table and opens the game selection.
    std::function<void()> onPlayerChanged;
    // Asks for a name under a caption, starting from a name; nothing when cancelled. Shows
    // TfrmPlayers2 unless replaced (tests answer it directly).
    std::function<std::optional<std::string>(const QString& caption, const std::string& name)> askName;

    // The steps of the buttons and keys.
    void AddPlayer();
    void EditPlayer();
    void DeletePlayer();
    void SelectPlayer();

    // The dialog's current player: the one at opening, or the new name after a rename of it.
    const std::string& CurrentPlayer() const { return currentPlayer_; }
    const PlayerList& players() const { return players_; }

    void done(int result) override;

protected:
    // Delete and Insert in the list delete and add players.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildLayout();
    QToolButton* MakeToolButton(const char* objectName, const char* caption, const char* picture);
    // Fills the list box from the player list and selects name when it is there.
    void ShowPlayers(const std::string& selected);
    std::optional<std::string> SelectedName() const;
    void UpdateButtons();
    bool IsCurrent(const std::string& name) const;
    void Inform(const std::string& message);

    // Asks until the name passes the checks or the player cancels. unchanged, when given, is
    // accepted at once; a rename also refuses a name whose records already exist.
    std::optional<std::string> AskValidName(const QString& caption, const std::string& start,
                                            const std::optional<std::string>& unchanged);
    void RenamePlayer(const std::string& oldName);
    // Whether the new name of a rename would land on another player's records.
    bool HasRecords(const std::string& name) const;
    // Step 2 of Select and the closing check: the first name a file name cannot hold is
    // selected, the player is told, and the Edit step runs for it. False when every name is
    // usable.
    bool RenameUnusableName();

    GameContext& context_;
    Preferences& preferences_;
    const ResourceModules& modules_;
    StatisticsFiles& statistics_;
    PlayerList players_;
    std::string currentPlayer_;
    bool playerChanged_ = false;

    QListWidget* lboOperatori_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnAnnulla_ = nullptr;
    QToolButton* tbNew_ = nullptr;
    QToolButton* tbEdit_ = nullptr;
    QToolButton* tbDelete_ = nullptr;
    QLabel* lblRename1_ = nullptr;
    QLabel* lblRename2_ = nullptr;
};

} // namespace marlowe
