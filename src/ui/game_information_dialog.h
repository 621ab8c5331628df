#pragma once
// "Game information": the current game at a glance. Its name, number and deal number, its
// miniature table and characteristics (as the game selection dialog describes a game), its rules
// in short, and the player's record of it, with the single-game won and lost counts.

#include "records/game_records.h"

#include <QDialog>

#include <string>

class QLabel;
class QTextBrowser;

namespace marlowe {

class FigureTiles;
class GameDescriptionPanel;
class ResourceModules;
class TMainGame;

class GameInformationDialog : public QDialog {
    Q_OBJECT
public:
    GameInformationDialog(StatisticsFiles& files, const TMainGame& mainGame, const ResourceModules& modules,
                          const std::string& player, int game, const std::string& dealNumber,
                          QWidget* parent = nullptr);

    const GameDescriptionPanel& panel() const { return *panel_; }

private:
    QWidget* BuildRulesAndRecord(const TMainGame& mainGame, int game);
    void ShowRecord(StatisticsFiles& files, const std::string& player, int game);

    GameDescriptionPanel* panel_ = nullptr;
    QTextBrowser* txtRules_ = nullptr;
    QLabel* lblRecordTitle_ = nullptr;
    FigureTiles* record_ = nullptr;
    QLabel* lblSingleGame_ = nullptr;
};

// The rules of game worded in short as HTML: a heading and a paragraph per section; the
// message of the failure when the rules cannot be read.
QString RulesSummaryHtml(const TMainGame& mainGame, int game);

} // namespace marlowe
