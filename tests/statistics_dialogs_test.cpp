// The statistics dialogs on record files written into a fresh data folder: the figures each one
// shows, the log's sorting and filters, the results chart with and without results, and an empty
// folder. Pictures of the dialogs go to build/ui-shots for people to look at.

#include "board/resource_modules.h"
#include "play_test_support.h"
#include "records/game_records.h"
#include "ui/game_description_panel.h"
#include "ui/game_information_dialog.h"
#include "ui/high_scores_dialog.h"
#include "ui/log_dialog.h"
#include "ui/record_texts.h"
#include "ui/results_chart.h"
#include "ui/statistics_dialog.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QTableView>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <fstream>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace marlowe {
namespace {

constexpr int kFreeCell = 1;
constexpr int kGolf = 12;

QString Label(const QWidget& dialog, const char* name)
{
    const auto* label = dialog.findChild<QLabel*>(name);
    return label ? label->text() : QString("<no %1>").arg(name);
}

// The texts of one column of a table, top to bottom as shown.
QStringList Column(const QWidget& dialog, const char* table, int column)
{
    const QAbstractItemModel* model = dialog.findChild<QTableView*>(table)->model();
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, column).data().toString();
    return texts;
}

QString ShortDate(int year, int month, int day)
{
    return QLocale().toString(QDate(year, month, day), QLocale::ShortFormat);
}

class StatisticsDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { mainGame.dataFolder = data.path(); }

    void Play(int game, const std::string& player, bool won, int score, int date, int seconds = 120, int time = 120000)
    {
        FinishedGame finished;
        finished.game = game;
        finished.gameName = mainGame.GameName(game);
        finished.dealNumber = "0000000004711";
        finished.player = player;
        finished.won = won;
        finished.score = score;
        finished.seconds = seconds;
        finished.moves = 40 + score % 50;
        finished.date = date;
        finished.time = time;
        records.Record(finished);
    }

    // Anna: FreeCell lost, then won twice in a row with Golf; Bob: one FreeCell win.
    void PlaySomeGames()
    {
        Play(kFreeCell, "Anna", false, 10, 20260103, 300);
        Play(kFreeCell, "Anna", true, 52, 20260104, 200);
        Play(kGolf, "Anna", true, 35, 20260110, 95);
        Play(kFreeCell, "Bob", true, 60, 20260105, 150);
    }

    void SaveShot(QWidget& dialog, const QString& name)
    {
        const QString folder = QString(MARLOWE_BUILD_DIR) + "/ui-shots";
        QDir().mkpath(folder);
        dialog.show();
        QApplication::processEvents();
        const QImage shot = dialog.grab().toImage();
        ASSERT_FALSE(shot.isNull());
        EXPECT_TRUE(shot.save(folder + "/statistics-" + name + ".png"));
    }

    testing::TempFolder data;
    StatisticsFiles files{data.path()};
    GameRecords records{files};
    TMainGame mainGame = testing::ShippedCatalogue();
};

TEST_F(StatisticsDialogsTest, GameStatisticsShowThePlayersFiguresWithTheCurrentGameSelected)
{
    PlaySomeGames();
    StatisticsDialog dialog(files, mainGame, "Anna", kGolf);
    EXPECT_EQ(Label(dialog, "lblPlayed"), "3");
    EXPECT_EQ(Label(dialog, "lblWon"), "2");
    EXPECT_EQ(Label(dialog, "lblLost"), "1");
    EXPECT_EQ(Label(dialog, "lblWinRate"), "66.7%");
    EXPECT_EQ(Label(dialog, "lblStreak"), "2 won");
    EXPECT_EQ(Label(dialog, "lblBestStreak"), "2");
    EXPECT_EQ(Label(dialog, "lblTotalTime"), "9:55");
    EXPECT_EQ(Label(dialog, "lblFirstGame"), ShortDate(2026, 1, 3));
    EXPECT_EQ(Label(dialog, "lblLastGame"), ShortDate(2026, 1, 10));

    EXPECT_EQ(Column(dialog, "tblGames", 0), (QStringList{"FreeCell", "Golf"}));
    EXPECT_EQ(Column(dialog, "tblGames", 1), (QStringList{"2", "1"}));
    EXPECT_EQ(Column(dialog, "tblGames", 4), (QStringList{"50.0%", "100.0%"}));
    EXPECT_EQ(Column(dialog, "tblGames", 5), (QStringList{"1 won", "1 won"}));
    EXPECT_EQ(Column(dialog, "tblGames", 7), (QStringList{"52", "35"}));
    EXPECT_EQ(Column(dialog, "tblGames", 8), (QStringList{"3:20", "1:35"}));
    EXPECT_EQ(Column(dialog, "tblGames", 9), (QStringList{"4:10", "1:35"}));
    EXPECT_EQ(dialog.SelectedGame(), kGolf);

    const auto* chart = dialog.findChild<ResultsChart*>("chartResults");
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->Results().size(), 1u) << "the logged games of Golf";
    ASSERT_TRUE(dialog.SelectGame(kFreeCell));
    ASSERT_EQ(chart->Results().size(), 2u);
    EXPECT_FALSE(chart->Results()[0].won);
    EXPECT_EQ(chart->Results()[1].date, 20260104);
    SaveShot(dialog, "game");

    const auto* players = dialog.findChild<QComboBox*>("cboPlayer");
    ASSERT_EQ(players->count(), 2);
    EXPECT_EQ(players->itemText(0), "Anna");
    EXPECT_EQ(players->itemText(1), "Bob");
    dialog.ShowPlayer("Bob");
    EXPECT_EQ(Label(dialog, "lblPlayed"), "1");
    EXPECT_EQ(Column(dialog, "tblGames", 0), QStringList{"FreeCell"});
    EXPECT_EQ(dialog.SelectedGame(), kFreeCell) << "the first row when the current game was not played";
}

TEST_F(StatisticsDialogsTest, ResettingAGameRemovesItsRowAndItsLoggedGames)
{
    PlaySomeGames();
    StatisticsDialog dialog(files, mainGame, "Anna", kFreeCell);
    dialog.Reset(false);
    EXPECT_EQ(Column(dialog, "tblGames", 0), QStringList{"Golf"});
    EXPECT_EQ(dialog.SelectedGame(), kGolf);
    const std::vector<LogEntry> log = records.ReadLog();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].game, kGolf);
    EXPECT_EQ(log[1].player, "Bob") << "the other players keep their games";

    dialog.Reset(true);
    EXPECT_EQ(Column(dialog, "tblGames", 0), QStringList{});
    EXPECT_TRUE(dialog.findChild<ResultsChart*>("chartResults")->Results().empty());
    EXPECT_EQ(records.FiguresOf("Bob", kFreeCell)->played, 1);
}

TEST_F(StatisticsDialogsTest, HiScoresRankTheBestScoresOfTheGameOrOfEveryGame)
{
    PlaySomeGames();
    Play(kFreeCell, "Anna", true, 7, 20260111);
    HighScoresDialog dialog(files, mainGame, "Anna", kFreeCell);
    EXPECT_EQ(dialog.ShownGame(), kFreeCell);
    EXPECT_EQ(Column(dialog, "tblScores", 0), (QStringList{"1", "2", "3", "4"}));
    EXPECT_EQ(Column(dialog, "tblScores", 1), (QStringList{"60", "52", "10", "7"})) << "as numbers, highest first";
    EXPECT_EQ(Column(dialog, "tblScores", 2), (QStringList{"Bob", "Anna", "Anna", "Anna"}));
    EXPECT_EQ(Column(dialog, "tblScores", 3)[0], ShortDate(2026, 1, 5));
    EXPECT_EQ(Column(dialog, "tblScores", 4)[0], "2:30");
    EXPECT_EQ(Column(dialog, "tblScores", 5)[0], "0000000004711");
    const QAbstractItemModel* scores = dialog.findChild<QTableView*>("tblScores")->model();
    EXPECT_FALSE(scores->index(0, 2).data(Qt::FontRole).value<QFont>().bold());
    EXPECT_TRUE(scores->index(1, 2).data(Qt::FontRole).value<QFont>().bold()) << "the player's own score";
    EXPECT_TRUE(dialog.findChild<QTableView*>("tblScores")->isColumnHidden(7));
    SaveShot(dialog, "hi-scores");

    dialog.ShowGame(-1);
    EXPECT_EQ(Column(dialog, "tblScores", 1), (QStringList{"60", "52", "35", "10", "7"}));
    EXPECT_EQ(Column(dialog, "tblScores", 7)[2], "Golf");
    EXPECT_FALSE(dialog.findChild<QTableView*>("tblScores")->isColumnHidden(7));
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboGame")->currentText(), "All games");
}

TEST_F(StatisticsDialogsTest, TheLogSortsNumbersAsNumbersAndDatesAsDatesAndSkipsCorruptLines)
{
    // Dates whose short texts sort otherwise than the days, and scores whose texts do.
    Play(kFreeCell, "Anna", true, 100, 20260110, 60, 90000);
    Play(kGolf, "Anna", false, 9, 20251231, 30);
    Play(kFreeCell, "Bob", true, 25, 20260102, 90);
    Play(kFreeCell, "Anna", false, 40, 20260110, 45, 80000);
    {
        // A line whose score is no number, and a line that is no log line at all.
        FinishedGame damaged{kFreeCell, "FreeCell", "0000000000001", "Anna", true, 12, 60, 50, 1, 20260111, 100000};
        std::string line = FormatLogLine(damaged);
        line.replace(117, 6, "00x012");
        std::ofstream log(files.PathOf(kGameLogFile), std::ios::app);
        log << line << "\n" << "a line that no game would leave\n";
    }
    LogDialog dialog(files, mainGame, "Anna");
    EXPECT_EQ(dialog.ShownGames(), 3) << "Anna's games; the corrupt lines are left out";
    EXPECT_EQ(Column(dialog, "tblLog", 4), (QStringList{"Anna", "Anna", "Anna"}));
    EXPECT_EQ(Column(dialog, "tblLog", 6), (QStringList{"100", "40", "9"})) << "the latest game first";
    EXPECT_EQ(Label(dialog, "lblTotals"), "3 games: 1 won, 2 lost (33.3%)   Time played: 2:15   Best score: 100");

    auto* table = dialog.findChild<QTableView*>("tblLog");
    dialog.SetPlayerFilter("");
    ASSERT_EQ(dialog.ShownGames(), 4);
    table->sortByColumn(6, Qt::AscendingOrder);
    EXPECT_EQ(Column(dialog, "tblLog", 6), (QStringList{"9", "25", "40", "100"}));
    table->sortByColumn(0, Qt::AscendingOrder);
    EXPECT_EQ(Column(dialog, "tblLog", 0),
              (QStringList{ShortDate(2025, 12, 31), ShortDate(2026, 1, 2), ShortDate(2026, 1, 10), ShortDate(2026, 1, 10)}));
    EXPECT_EQ(Column(dialog, "tblLog", 6)[2], "40") << "a day's games by their time";
    table->sortByColumn(7, Qt::DescendingOrder);
    EXPECT_EQ(Column(dialog, "tblLog", 7), (QStringList{"1:30", "1:00", "0:45", "0:30"}));

    dialog.SetGameFilter(kFreeCell);
    EXPECT_EQ(dialog.ShownGames(), 3);
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboGame")->currentText(), "FreeCell");
    dialog.SetPlayerFilter("Bob");
    EXPECT_EQ(Label(dialog, "lblTotals"), "1 game: 1 won, 0 lost (100.0%)   Time played: 1:30   Best score: 25");
    dialog.SetPlayerFilter("");
    dialog.SetGameFilter(-1);
    table->sortByColumn(0, Qt::DescendingOrder);
    SaveShot(dialog, "log");
}

TEST_F(StatisticsDialogsTest, GameInformationDescribesTheGameAndThePlayersRecordOfIt)
{
    PlaySomeGames();
    ResourceModules modules{MARLOWE_BUILD_DIR};
    ASSERT_TRUE(modules.Open(ResourceModule::Standard));
    GameInformationDialog dialog(files, mainGame, modules, "Anna", kFreeCell, "0000000004711");
    EXPECT_EQ(dialog.panel().GameNameText(), "FreeCell");
    EXPECT_EQ(dialog.panel().ValueTexts(),
              (QStringList{"1", "0", "Medium", "Medium", "Mostly skill", "Very high (9 in 10  -  90%)"}));
    EXPECT_EQ(Label(dialog, "lblNumbers"), "Game number 1   Deal number 0000000004711");
    const QString rules = dialog.findChild<QTextBrowser*>("txtRules")->toPlainText();
    EXPECT_TRUE(rules.contains("free cell", Qt::CaseInsensitive)) << rules.toStdString();
    EXPECT_EQ(Label(dialog, "lblPlayed"), "2");
    EXPECT_EQ(Label(dialog, "lblWinRate"), "50.0%");
    EXPECT_EQ(Label(dialog, "lblStreak"), "1 won");
    EXPECT_EQ(Label(dialog, "lblBestScore"), "52");
    EXPECT_EQ(Label(dialog, "lblBestTime"), "3:20");
    EXPECT_EQ(Label(dialog, "lblSingleGame"), "Single game values: 1 won, 1 lost");
    SaveShot(dialog, "game-information");
}

TEST_F(StatisticsDialogsTest, AnEmptyFolderShowsEmptyDialogs)
{
    StatisticsDialog statistics(files, mainGame, "Anna", kFreeCell);
    EXPECT_EQ(Label(statistics, "lblPlayed"), "0");
    EXPECT_EQ(Label(statistics, "lblFirstGame"), "-");
    EXPECT_TRUE(Column(statistics, "tblGames", 0).isEmpty());
    EXPECT_EQ(statistics.SelectedGame(), -1);
    EXPECT_EQ(statistics.findChild<QComboBox*>("cboPlayer")->currentText(), "Anna");
    SaveShot(statistics, "empty");

    HighScoresDialog scores(files, mainGame, "Anna", kGolf);
    EXPECT_TRUE(Column(scores, "tblScores", 0).isEmpty());
    EXPECT_EQ(Label(scores, "lblNote"), "No scores of Golf yet.");

    LogDialog log(files, mainGame, "Anna");
    EXPECT_EQ(log.ShownGames(), 0);
    EXPECT_EQ(Label(log, "lblTotals"), "No games logged.");

    ResourceModules modules{MARLOWE_BUILD_DIR};
    ASSERT_TRUE(modules.Open(ResourceModule::Standard));
    GameInformationDialog information(files, mainGame, modules, "Anna", kGolf, "");
    EXPECT_EQ(Label(information, "lblPlayed"), "0");
    EXPECT_EQ(Label(information, "lblBestTime"), "-");
    EXPECT_EQ(Label(information, "lblSingleGame"), "Single game values: 0 won, 0 lost");
    for (QWidget* dialog : std::initializer_list<QWidget*>{&statistics, &scores, &log, &information})
        EXPECT_FALSE(dialog->grab().isNull());
}

TEST(RecordTextsTest, ValuesOfTheRecordsReadAsAPlayerWouldSayThem)
{
    EXPECT_EQ(DurationText(0), "-");
    EXPECT_EQ(DurationText(59), "0:59");
    EXPECT_EQ(DurationText(3600 + 62), "1:01:02");
    EXPECT_EQ(TimeOfDayText(90500), "09:05:00");
    EXPECT_EQ(StreakText(4), "4 won");
    EXPECT_EQ(StreakText(-3), "3 lost");
    EXPECT_EQ(StreakText(0), "-");
    EXPECT_EQ(RateText(200.0 / 3, 3), "66.7%");
    EXPECT_EQ(RateText(0, 0), "-");
    EXPECT_EQ(DateText(20260102), ShortDate(2026, 1, 2));
    EXPECT_EQ(DateText(0), "") << "no game yet";
    EXPECT_EQ(DateText(20260231), "") << "no such day";

    const std::map<int, QString> names{{1, "FreeCell"}};
    EXPECT_EQ(GameNameIn(names, 1, "Old name"), "FreeCell");
    EXPECT_EQ(GameNameIn(names, 8003, "My FreeCell"), "My FreeCell") << "a custom game deleted since";
    EXPECT_EQ(GameNameIn(names, 8004), "Game 8004");
}

TEST(ResultsChartTest, DrawsWinsAndLossesAndTheRunningWinRate)
{
    EXPECT_EQ(RunningWinRates({{20260101, true}, {20260102, false}, {20260103, true}, {20260104, true}}),
              (std::vector<double>{100.0, 50.0, 200.0 / 3, 75.0}));

    ResultsChart chart;
    chart.resize(400, 150);
    const QImage empty = chart.grab().toImage();
    ASSERT_FALSE(empty.isNull());

    chart.SetResults({{20260101, true}, {20260102, false}, {20260103, true}});
    const QImage drawn = chart.grab().toImage();
    const auto hasColour = [&drawn](QRgb colour) {
        for (int y = 0; y < drawn.height(); ++y)
            for (int x = 0; x < drawn.width(); ++x)
                if (drawn.pixel(x, y) == colour)
                    return true;
        return false;
    };
    EXPECT_TRUE(hasColour(qRgb(0x2e, 0x9e, 0x4f))) << "a bar for a win";
    EXPECT_TRUE(hasColour(qRgb(0xc8, 0x3c, 0x3c))) << "a bar for a loss";
    EXPECT_NE(drawn, empty);

    // A season of games, for people to look at: a slow start, then better.
    std::vector<ChartResult> season;
    for (int day = 1; day <= 80; ++day)
        season.push_back({20260100 + (day + 2) / 3, (day * 7) % 10 < (day < 30 ? 3 : 7)});
    chart.resize(520, 150);
    chart.SetResults(season);
    QDir().mkpath(QString(MARLOWE_BUILD_DIR) + "/ui-shots");
    EXPECT_TRUE(chart.grab().save(QString(MARLOWE_BUILD_DIR) + "/ui-shots/statistics-chart.png"));
}

} // namespace
} // namespace marlowe
