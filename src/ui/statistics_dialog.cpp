#include "ui/statistics_dialog.h"

#include "app/text_file.h"
#include "app/text_helpers.h"
#include "ui/figure_tiles.h"
#include "ui/record_tables.h"
#include "ui/record_texts.h"
#include "ui/results_chart.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <limits>
#include <set>

namespace marlowe {

namespace {

enum GameColumn { Name, Played, Won, Lost, WinRate, Streak, BestStreak, BestScore, BestTime, AverageTime, ColumnCount };
const char* const kGameHeaders[] = {"Game", "Played", "Won", "Lost", "Win rate", "Streak", "Best streak",
                                    "Best score", "Best time", "Average time"};

// The global figures in reading order: object name and caption.
const std::vector<std::pair<QString, QString>> kGlobalFigures = {
    {"lblPlayed", "Played"},          {"lblWon", "Won"},           {"lblLost", "Lost"},
    {"lblWinRate", "Win rate"},       {"lblTotalTime", "Total time"}, {"lblStreak", "Current streak"},
    {"lblBestStreak", "Best streak"}, {"lblFirstGame", "First game"}, {"lblLastGame", "Last game"}};
constexpr int kFiguresPerRow = 5;

// A game not won yet has no best time; it sorts after every time.
constexpr qlonglong kNoTime = std::numeric_limits<qlonglong>::max();

QList<QStandardItem*> GameRow(const QString& name, int game, const GameFigures& figures)
{
    QList<QStandardItem*> row(ColumnCount);
    row[Name] = TextCell(name);
    row[Name]->setData(game, Qt::UserRole);
    row[Played] = NumberCell(figures.played);
    row[Won] = NumberCell(figures.won);
    row[Lost] = NumberCell(figures.lost);
    row[WinRate] = SortedCell(RateText(figures.WinRate(), figures.played), qlonglong(figures.WinRate() * 1000));
    row[Streak] = SortedCell(StreakText(figures.currentStreak), figures.currentStreak);
    row[BestStreak] = NumberCell(figures.bestStreak);
    row[BestScore] = NumberCell(figures.bestScore);
    row[BestTime] = SortedCell(DurationText(figures.bestSeconds), figures.bestSeconds > 0 ? figures.bestSeconds : kNoTime);
    const long long average = figures.played > 0 ? figures.totalSeconds / figures.played : 0;
    row[AverageTime] = SortedCell(DurationText(average), average);
    for (int column = WinRate; column < ColumnCount; ++column)
        row[column]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return row;
}

} // namespace

StatisticsDialog::StatisticsDialog(StatisticsFiles& files, const TMainGame& mainGame, const std::string& player,
                                   int currentGame, QWidget* parent)
    : QDialog(parent), files_(files), records_(files), names_(GameNames(mainGame)), currentGame_(currentGame)
{
    setObjectName("frmStatistics");
    setWindowTitle("Game statistics");
    BuildLayout();
    FillPlayers(player);
    ShowPlayer(player);
}

void StatisticsDialog::BuildLayout()
{
    cboPlayer_ = new QComboBox(this);
    cboPlayer_->setObjectName("cboPlayer");
    cboPlayer_->setMinimumContentsLength(20);
    connect(cboPlayer_, &QComboBox::activated, this,
            [this](int index) { ShowPlayer(cboPlayer_->itemText(index).toStdString()); });
    auto* playerRow = new QHBoxLayout;
    auto* playerCaption = new QLabel("&Player:", this);
    playerCaption->setBuddy(cboPlayer_);
    playerRow->addWidget(playerCaption);
    playerRow->addWidget(cboPlayer_);
    playerRow->addStretch(1);

    games_ = new QStandardItemModel(0, ColumnCount, this);
    for (int column = 0; column < ColumnCount; ++column)
        games_->setHorizontalHeaderItem(column, new QStandardItem(kGameHeaders[column]));
    sortedGames_ = new QSortFilterProxyModel(this);
    sortedGames_->setSourceModel(games_);
    sortedGames_->setSortRole(kSortRole);
    tblGames_ = new QTableView(this);
    tblGames_->setObjectName("tblGames");
    tblGames_->setModel(sortedGames_);
    tblGames_->setSortingEnabled(true);
    tblGames_->sortByColumn(Name, Qt::AscendingOrder);
    PrepareRecordTable(tblGames_, Name);
    tblGames_->setMinimumHeight(160);
    connect(tblGames_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { ShowChartOfSelection(); });

    lblChartTitle_ = new QLabel(this);
    lblChartTitle_->setObjectName("lblChartTitle");
    chart_ = new ResultsChart(this);

    btnReset_ = new QPushButton("Reset...", this);
    btnReset_->setObjectName("btnReset");
    connect(btnReset_, &QPushButton::clicked, this, &StatisticsDialog::AskReset);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->addButton(btnReset_, QDialogButtonBox::ResetRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(playerRow);
    figures_ = new FigureTiles(kGlobalFigures, kFiguresPerRow, this);
    layout->addWidget(figures_);
    layout->addWidget(tblGames_, 1);
    layout->addWidget(lblChartTitle_);
    layout->addWidget(chart_);
    layout->addWidget(buttons);
    resize(900, 620);
}

void StatisticsDialog::FillPlayers(const std::string& player)
{
    cboPlayer_->clear();
    for (const std::string& name : records_.Players())
        cboPlayer_->addItem(QString::fromStdString(name));
    if (cboPlayer_->findText(QString::fromStdString(player)) < 0)
        cboPlayer_->addItem(QString::fromStdString(player));
}

void StatisticsDialog::ShowPlayer(const std::string& player)
{
    const QString name = QString::fromStdString(player);
    if (cboPlayer_->findText(name) < 0)
        cboPlayer_->addItem(name);
    cboPlayer_->setCurrentIndex(cboPlayer_->findText(name));

    playerLog_.clear();
    for (const LogEntry& entry : records_.ReadLog())
        if (entry.player == player)
            playerLog_.push_back(entry);
    ShowGlobalFigures(records_.GlobalFiguresOf(player));
    FillGames(records_.FiguresOf(player));
    if (!SelectGame(currentGame_) && sortedGames_->rowCount() > 0)
        tblGames_->selectRow(0);
    ShowChartOfSelection();
}

std::string StatisticsDialog::ShownPlayer() const
{
    return cboPlayer_->currentText().toStdString();
}

void StatisticsDialog::ShowGlobalFigures(const std::optional<GlobalFigures>& figures)
{
    const GlobalFigures shown = figures.value_or(GlobalFigures{});
    const double rate = shown.played > 0 ? 100.0 * static_cast<double>(shown.won) / static_cast<double>(shown.played) : 0;
    figures_->SetValue("lblPlayed", QString::number(shown.played));
    figures_->SetValue("lblWon", QString::number(shown.won));
    figures_->SetValue("lblLost", QString::number(shown.lost));
    figures_->SetValue("lblWinRate", RateText(rate, shown.played));
    figures_->SetValue("lblTotalTime", DurationText(shown.seconds));
    figures_->SetValue("lblStreak", StreakText(shown.streak));
    figures_->SetValue("lblBestStreak", QString::number(shown.bestStreak));
    const QString firstDate = DateText(shown.firstDate);
    const QString lastDate = DateText(shown.lastDate);
    figures_->SetValue("lblFirstGame", firstDate.isEmpty() ? "-" : firstDate);
    figures_->SetValue("lblLastGame", lastDate.isEmpty() ? "-" : lastDate);
}

void StatisticsDialog::FillGames(const std::map<int, GameFigures>& figures)
{
    games_->removeRows(0, games_->rowCount());
    // A game whose figures were reset has nothing left to show.
    for (const auto& [game, gameFigures] : figures)
        if (gameFigures.played > 0)
            games_->appendRow(GameRow(GameNameIn(names_, game), game, gameFigures));
    btnReset_->setEnabled(games_->rowCount() > 0);
}

int StatisticsDialog::SelectedGame() const
{
    const QModelIndexList rows = tblGames_->selectionModel()->selectedRows(Name);
    return rows.isEmpty() ? -1 : rows.front().data(Qt::UserRole).toInt();
}

bool StatisticsDialog::SelectGame(int game)
{
    for (int row = 0; row < sortedGames_->rowCount(); ++row) {
        const QModelIndex index = sortedGames_->index(row, Name);
        if (index.data(Qt::UserRole).toInt() == game) {
            tblGames_->selectRow(row);
            tblGames_->scrollTo(index);
            return true;
        }
    }
    return false;
}

void StatisticsDialog::ShowChartOfSelection()
{
    const int game = SelectedGame();
    std::vector<ChartResult> results;
    for (const LogEntry& entry : playerLog_)
        if (game < 0 || entry.game == game)
            results.push_back({entry.date, entry.won});
    lblChartTitle_->setText(game < 0 ? QString("Win rate after each logged game")
                                     : QString("Win rate after each logged game of %1").arg(GameNameIn(names_, game)));
    chart_->SetResults(std::move(results));
}

void StatisticsDialog::Reset(bool allGames)
{
    const int game = SelectedGame();
    if (!allGames && game < 0)
        return;
    records_.Reset(game, ShownPlayer(), allGames, false);
    ShowPlayer(ShownPlayer());
}

void StatisticsDialog::AskReset()
{
    const int game = SelectedGame();
    const QString player = cboPlayer_->currentText();
    QMessageBox box(QMessageBox::Question, "Reset statistics",
                    QString("Reset the statistics of %1?\n\nThe figures and the logged games are removed; "
                            "this cannot be undone.")
                        .arg(player),
                    QMessageBox::Cancel, this);
    QPushButton* oneGame =
        game >= 0 ? box.addButton(QString("Reset %1").arg(GameNameIn(names_, game)), QMessageBox::AcceptRole) : nullptr;
    QPushButton* allGames = box.addButton("Reset all games", QMessageBox::DestructiveRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == allGames)
        Reset(true);
    else if (oneGame && box.clickedButton() == oneGame)
        Reset(false);
}

} // namespace marlowe
