#pragma once
// "Log statistics": every logged game as a table that sorts by any column (numbers as numbers,
// dates as dates), narrowed to one player and one game if wished, with the totals of the games
// shown: how many, won and lost, the win rate, the time played and the best score.

#include "records/game_records.h"

#include <QDialog>

#include <map>
#include <string>

class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace marlowe {

class LogFilter;
class TMainGame;

class LogDialog : public QDialog {
    Q_OBJECT
public:
    // Opens on the player's games when the player is in the log, otherwise on everyone's.
    LogDialog(StatisticsFiles& files, const TMainGame& mainGame, const std::string& player, QWidget* parent = nullptr);

    // Narrows the table to one player (empty: all players) and one game (negative: all games).
    void SetPlayerFilter(const std::string& player);
    void SetGameFilter(int game);
    // The number of games the table shows.
    int ShownGames() const;

private:
    void BuildLayout();
    void FillLog(const std::vector<LogEntry>& log);
    void FillChoices(const std::vector<LogEntry>& log);
    void ShowTotals();

    std::map<int, QString> names_;

    QComboBox* cboPlayer_ = nullptr;
    QComboBox* cboGame_ = nullptr;
    QStandardItemModel* log_ = nullptr;
    LogFilter* filter_ = nullptr;
    QTableView* tblLog_ = nullptr;
    QLabel* lblTotals_ = nullptr;
};

} // namespace marlowe
