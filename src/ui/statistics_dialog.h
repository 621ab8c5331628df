#pragma once
// "Game statistics": one player's records. At the top the player's figures over all games, then
// a table of every game the player has played (played, won, lost, win rate, streaks, best score,
// best and average time) with the current game selected, and a chart of the selected game's
// logged results over time. Any player of the records can be chosen; "Reset..." clears the
// selected game or all games of the shown player after asking.

#include "records/game_records.h"

#include <QDialog>

#include <map>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace marlowe {

class FigureTiles;
class ResultsChart;
class TMainGame;

class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    StatisticsDialog(StatisticsFiles& files, const TMainGame& mainGame, const std::string& player, int currentGame,
                     QWidget* parent = nullptr);

    // Shows the records of a player (added to the choice when not in it).
    void ShowPlayer(const std::string& player);
    std::string ShownPlayer() const;
    // The game of the selected row; -1 when none is selected.
    int SelectedGame() const;
    // Selects the row of game; false when the player has no figures of it.
    bool SelectGame(int game);
    // Resets the selected game (or every game) of the shown player and shows what is left.
    void Reset(bool allGames);

private:
    void BuildLayout();
    void FillPlayers(const std::string& player);
    void ShowGlobalFigures(const std::optional<GlobalFigures>& figures);
    void FillGames(const std::map<int, GameFigures>& figures);
    void ShowChartOfSelection();
    void AskReset();

    StatisticsFiles& files_;
    GameRecords records_;
    std::map<int, QString> names_;
    int currentGame_;
    std::vector<LogEntry> playerLog_;

    QComboBox* cboPlayer_ = nullptr;
    FigureTiles* figures_ = nullptr;
    QStandardItemModel* games_ = nullptr;
    QSortFilterProxyModel* sortedGames_ = nullptr;
    QTableView* tblGames_ = nullptr;
    QLabel* lblChartTitle_ = nullptr;
    ResultsChart* chart_ = nullptr;
    QPushButton* btnReset_ = nullptr;
};

} // namespace marlowe
