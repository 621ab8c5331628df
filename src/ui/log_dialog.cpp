#include "ui/log_dialog.h"

#include "ui/record_tables.h"
#include "ui/record_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <set>

namespace marlowe {

namespace {

enum LogColumn { Date, TimeOfDay, Game, Deal, Player, Result, Score, PlayingTime, Moves, ColumnCount };
const char* const kLogHeaders[] = {"Date", "Time", "Game", "Deal number", "Player", "Result", "Score", "Playing time",
                                   "Moves"};
constexpr int kWonRole = Qt::UserRole + 2;

} // namespace

// The rows of one player and one game, or of everyone and every game.
class LogFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void SetPlayer(const QString& player)
    {
        player_ = player;
        invalidateRowsFilter();
    }
    void SetGame(int game)
    {
        game_ = game;
        invalidateRowsFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        const QAbstractItemModel* log = sourceModel();
        if (!player_.isEmpty() && log->index(row, Player, parent).data().toString() != player_)
            return false;
        return game_ < 0 || log->index(row, Game, parent).data(Qt::UserRole).toInt() == game_;
    }

private:
    QString player_;
    int game_ = -1;
};

LogDialog::LogDialog(StatisticsFiles& files, const TMainGame& mainGame, const std::string& player, QWidget* parent)
    : QDialog(parent), names_(GameNames(mainGame))
{
    setObjectName("frmLog");
    setWindowTitle("Log statistics");
    BuildLayout();
    const std::vector<LogEntry> log = GameRecords(files).ReadLog();
    FillLog(log);
    FillChoices(log);
    const bool logged = std::any_of(log.begin(), log.end(), [&](const LogEntry& entry) { return entry.player == player; });
    SetPlayerFilter(logged ? player : std::string());
}

void LogDialog::BuildLayout()
{
    cboPlayer_ = new QComboBox(this);
    cboPlayer_->setObjectName("cboPlayer");
    cboPlayer_->setMinimumContentsLength(18);
    cboGame_ = new QComboBox(this);
    cboGame_->setObjectName("cboGame");
    cboGame_->setMinimumContentsLength(22);
    connect(cboPlayer_, &QComboBox::activated, this,
            [this](int index) { SetPlayerFilter(cboPlayer_->itemData(index).toString().toStdString()); });
    connect(cboGame_, &QComboBox::activated, this, [this](int index) { SetGameFilter(cboGame_->itemData(index).toInt()); });
    auto* filters = new QHBoxLayout;
    auto* playerCaption = new QLabel("&Player:", this);
    playerCaption->setBuddy(cboPlayer_);
    auto* gameCaption = new QLabel("&Game:", this);
    gameCaption->setBuddy(cboGame_);
    filters->addWidget(playerCaption);
    filters->addWidget(cboPlayer_);
    filters->addSpacing(12);
    filters->addWidget(gameCaption);
    filters->addWidget(cboGame_);
    filters->addStretch(1);

    log_ = new QStandardItemModel(0, ColumnCount, this);
    for (int column = 0; column < ColumnCount; ++column)
        log_->setHorizontalHeaderItem(column, new QStandardItem(kLogHeaders[column]));
    filter_ = new LogFilter(this);
    filter_->setSourceModel(log_);
    filter_->setSortRole(kSortRole);
    tblLog_ = new QTableView(this);
    tblLog_->setObjectName("tblLog");
    tblLog_->setModel(filter_);
    tblLog_->setSortingEnabled(true);
    PrepareRecordTable(tblLog_, Game);

    lblTotals_ = new QLabel(this);
    lblTotals_->setObjectName("lblTotals");
    lblTotals_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(tblLog_, 1);
    layout->addWidget(lblTotals_);
    layout->addWidget(buttons);
    resize(860, 480);
}

void LogDialog::FillLog(const std::vector<LogEntry>& log)
{
    for (const LogEntry& entry : log) {
        QList<QStandardItem*> row(ColumnCount);
        // The date sorts with its time of day, so that the games of one day keep their order.
        row[Date] = SortedCell(DateText(entry.date), qlonglong(entry.date) * 1000000 + entry.time);
        row[TimeOfDay] = SortedCell(TimeOfDayText(entry.time), entry.time);
        row[Game] = TextCell(GameNameIn(names_, entry.game, entry.gameName));
        row[Game]->setData(entry.game, Qt::UserRole);
        row[Deal] = TextCell(QString::fromStdString(entry.dealNumber));
        row[Player] = TextCell(QString::fromStdString(entry.player));
        row[Result] = TextCell(entry.won ? "Won" : "Lost");
        row[Result]->setData(entry.won, kWonRole);
        row[Result]->setForeground(entry.won ? QColor(0x1e, 0x7b, 0x3a) : QColor(0xb0, 0x30, 0x30));
        row[Score] = NumberCell(entry.score);
        row[PlayingTime] = SortedCell(DurationText(entry.seconds), entry.seconds);
        row[PlayingTime]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row[Moves] = NumberCell(entry.moves);
        log_->appendRow(row);
    }
    tblLog_->sortByColumn(Date, Qt::DescendingOrder);
}

void LogDialog::FillChoices(const std::vector<LogEntry>& log)
{
    std::map<QString, QString> players;
    std::map<QString, std::pair<QString, int>> games;
    for (const LogEntry& entry : log) {
        const QString player = QString::fromStdString(entry.player);
        players.emplace(player.toCaseFolded() + player, player);
        const QString game = GameNameIn(names_, entry.game, entry.gameName);
        games.emplace(game.toCaseFolded() + QString::number(entry.game), std::pair(game, entry.game));
    }
    cboPlayer_->addItem("All players", QString());
    for (const auto& [key, player] : players)
        cboPlayer_->addItem(player, player);
    cboGame_->addItem("All games", -1);
    for (const auto& [key, game] : games)
        cboGame_->addItem(game.first, game.second);
}

void LogDialog::SetPlayerFilter(const std::string& player)
{
    const QString name = QString::fromStdString(player);
    cboPlayer_->setCurrentIndex(std::max(0, cboPlayer_->findData(name)));
    filter_->SetPlayer(name);
    ShowTotals();
}

void LogDialog::SetGameFilter(int game)
{
    cboGame_->setCurrentIndex(std::max(0, cboGame_->findData(game < 0 ? -1 : game)));
    filter_->SetGame(game);
    ShowTotals();
}

int LogDialog::ShownGames() const
{
    return filter_->rowCount();
}

void LogDialog::ShowTotals()
{
    const int games = filter_->rowCount();
    if (games == 0) {
        lblTotals_->setText("No games logged.");
        return;
    }
    long long won = 0;
    long long seconds = 0;
    long long bestScore = filter_->index(0, Score).data(kSortRole).toLongLong();
    for (int row = 0; row < games; ++row) {
        won += filter_->index(row, Result).data(kWonRole).toBool() ? 1 : 0;
        seconds += filter_->index(row, PlayingTime).data(kSortRole).toLongLong();
        bestScore = std::max(bestScore, filter_->index(row, Score).data(kSortRole).toLongLong());
    }
    lblTotals_->setText(QString("%1 %2: %3 won, %4 lost (%5)   Time played: %6   Best score: %7")
                            .arg(games)
                            .arg(games == 1 ? "game" : "games")
                            .arg(won)
                            .arg(games - won)
                            .arg(RateText(100.0 * won / games, games))
                            .arg(DurationText(seconds))
                            .arg(bestScore));
}

} // namespace marlowe
