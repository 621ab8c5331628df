#pragma once
// "Hi-Scores": the best scores of one game, or of every game, highest first, with rank, score,
// player, date, playing time, deal number and moves. The current player's scores stand out.

#include "records/game_records.h"

#include <QDialog>

#include <map>
#include <string>

class QComboBox;
class QLabel;
class QStandardItemModel;
class QTableView;

namespace marlowe {

class TMainGame;

class HighScoresDialog : public QDialog {
    Q_OBJECT
public:
    HighScoresDialog(StatisticsFiles& files, const TMainGame& mainGame, const std::string& player, int currentGame,
                     QWidget* parent = nullptr);

    // Shows the scores of game, or of every game when game is negative.
    void ShowGame(int game);
    int ShownGame() const;

private:
    void BuildLayout();
    void FillGameChoice(int currentGame);

    GameRecords records_;
    std::map<int, QString> names_;
    std::string player_;

    QComboBox* cboGame_ = nullptr;
    QStandardItemModel* scores_ = nullptr;
    QTableView* tblScores_ = nullptr;
    QLabel* lblNote_ = nullptr;
};

} // namespace marlowe
