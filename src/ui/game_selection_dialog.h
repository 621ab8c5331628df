#pragma once
// "Open a game": the modal dialog in which the player chooses the game to play and who plays
// it. The games are shown in five views (all games, groups, the selection list, favourites and
// recent games), the chosen game with its miniature table and its characteristics; while "&Show
// won and lost" is ticked, the game nodes are marked with the chosen player's results. The
// dialog lives for the whole run; its trees are filled on first use and kept.

#include "ui/game_trees.h"

#include <QDialog>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QPushButton;
class QStackedWidget;
class QTreeWidgetItem;

namespace marlowe {

class GameDescriptionPanel;
class MiniaturePictures;
class Preferences;
class Presentation;
class ResourceModules;
class SessionRegisters;
class TMainGame;

// What the player confirmed.
struct GameChoice {
    int number = -1;
    std::string name;
    std::string player;
};

// A player's figures by game.
using ResultsSource = std::function<std::map<int, GameFigures>(const std::string& player)>;

class TfrmOpenGame : public QDialog {
    Q_OBJECT
public:
    // The current game (62, 4) and player (77, 30) are read from registers each time the dialog
    // is shown; the dialog writes only the preferences of the choice.
    TfrmOpenGame(const TMainGame& mainGame, Preferences& preferences, const SessionRegisters& registers,
                 const ResourceModules& modules, Presentation& presentation, QWidget* parent = nullptr);
    ~TfrmOpenGame() override;

    // Shows the dialog until the player confirms a game or cancels.
    std::optional<GameChoice> ShowDialog();
    // What the Rules button does with the selected game (the window shows its rules).
    void SetRulesHandler(std::function<void(int gameNumber)> handler) { showRules_ = std::move(handler); }
    // Where the won and lost marks come from. They are read afresh each time the dialog is
    // shown, the box is ticked or another player is chosen, so a game that ended since, or a
    // change of player, shows.
    void SetResultsSource(ResultsSource source) { resultsSource_ = std::move(source); }
    // Called by the window after it opened a game: the game heads the recent games.
    void NoteGameOpened(int number);

    // The OK step: refuses without a game or when the screen is too narrow for it; otherwise
    // stores the choice in the preferences and closes the dialog.
    void Confirm();
    // The Rules step for the selected game; "Select a game" without one.
    void ShowRules();

    // The views and the selection, for the window's pop-up commands and for tests.
    GameTrees& trees() { return *trees_; }
    TreeView VisibleView() const;
    void ShowView(TreeView view);
    // The game of the selected node in the visible view; -1 when no game node is selected.
    int SelectedGame() const;
    void AddFavorite(int number);
    void RemoveFavorite(int number);
    const GameDescriptionPanel& panel() const { return *panel_; }

private:
    void BuildLayout();
    void ConnectTree(QTreeWidget* tree);
    void PrepareToShow();
    void FillPlayers();
    void ShowMarks();
    void ShowDescription();
    void NodeDoubleClicked(QTreeWidgetItem* item);
    void ShowNodeMenu(QTreeWidget* tree, const QPoint& at);
    std::vector<int> StoredGames(const char* key) const;
    void StoreFavorites(const std::vector<int>& numbers);
    QTreeWidget* VisibleTree() const;

    const TMainGame& mainGame_;
    Preferences& preferences_;
    const SessionRegisters& registers_;
    const ResourceModules& modules_;
    Presentation& presentation_;
    std::unique_ptr<MiniaturePictures> pictures_;
    std::unique_ptr<GameTrees> trees_;
    std::function<void(int)> showRules_;
    ResultsSource resultsSource_;

    QComboBox* cboView_ = nullptr;
    QStackedWidget* views_ = nullptr;
    GameDescriptionPanel* panel_ = nullptr;
    QComboBox* cboPlayers_ = nullptr;
    QCheckBox* chkShowWonLost_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnRules_ = nullptr;
    QImage productPicture_;

    int lastGame_ = -1;                 // the game last described: what the favourites add
    std::optional<GameChoice> choice_;  // set by the OK step
};

} // namespace marlowe
