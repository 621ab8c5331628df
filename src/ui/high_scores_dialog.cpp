#include "ui/high_scores_dialog.h"

#include "ui/record_tables.h"
#include "ui/record_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <set>

namespace marlowe {

namespace {

enum ScoreColumn { Rank, Score, Player, Date, PlayingTime, Deal, Moves, Game, ColumnCount };
const char* const kScoreHeaders[] = {"Rank", "Score", "Player", "Date", "Playing time", "Deal number", "Moves", "Game"};
constexpr int kAllGames = -1;

} // namespace

HighScoresDialog::HighScoresDialog(StatisticsFiles& files, const TMainGame& mainGame, const std::string& player,
                                   int currentGame, QWidget* parent)
    : QDialog(parent), records_(files), names_(GameNames(mainGame)), player_(player)
{
    setObjectName("frmHiScores");
    setWindowTitle("Hi-Scores");
    BuildLayout();
    FillGameChoice(currentGame);
    ShowGame(currentGame);
}

void HighScoresDialog::BuildLayout()
{
    cboGame_ = new QComboBox(this);
    cboGame_->setObjectName("cboGame");
    cboGame_->setMinimumContentsLength(24);
    connect(cboGame_, &QComboBox::activated, this, [this](int index) { ShowGame(cboGame_->itemData(index).toInt()); });
    auto* gameRow = new QHBoxLayout;
    auto* caption = new QLabel("&Game:", this);
    caption->setBuddy(cboGame_);
    gameRow->addWidget(caption);
    gameRow->addWidget(cboGame_);
    gameRow->addStretch(1);

    scores_ = new QStandardItemModel(0, ColumnCount, this);
    for (int column = 0; column < ColumnCount; ++column)
        scores_->setHorizontalHeaderItem(column, new QStandardItem(kScoreHeaders[column]));
    tblScores_ = new QTableView(this);
    tblScores_->setObjectName("tblScores");
    tblScores_->setModel(scores_);
    PrepareRecordTable(tblScores_, Player);

    lblNote_ = new QLabel(this);
    lblNote_->setObjectName("lblNote");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(gameRow);
    layout->addWidget(tblScores_, 1);
    layout->addWidget(lblNote_);
    layout->addWidget(buttons);
    resize(680, 400);
}

// The current game, every game with scores, and all games together.
void HighScoresDialog::FillGameChoice(int currentGame)
{
    std::set<int> games{currentGame};
    for (const ScoreEntry& entry : records_.HighScores(kAllGames))
        games.insert(entry.game);
    std::map<QString, int> byName;
    for (int game : games)
        byName.emplace(GameNameIn(names_, game).toCaseFolded() + QString::number(game), game);
    cboGame_->addItem("All games", kAllGames);
    for (const auto& [key, game] : byName)
        cboGame_->addItem(GameNameIn(names_, game), game);
}

void HighScoresDialog::ShowGame(int game)
{
    if (game < 0)
        game = kAllGames;
    else if (cboGame_->findData(game) < 0)
        cboGame_->addItem(GameNameIn(names_, game), game);
    cboGame_->setCurrentIndex(cboGame_->findData(game));
    scores_->removeRows(0, scores_->rowCount());
    const std::vector<ScoreEntry> entries = records_.HighScores(game);
    int rank = 0;
    bool playerListed = false;
    for (const ScoreEntry& entry : entries) {
        QList<QStandardItem*> row(ColumnCount);
        row[Rank] = NumberCell(++rank);
        row[Score] = NumberCell(entry.score);
        row[Player] = TextCell(QString::fromStdString(entry.player));
        row[Date] = TextCell(DateText(entry.date));
        row[Date]->setToolTip(TimeOfDayText(entry.time));
        row[PlayingTime] = SortedCell(DurationText(entry.seconds), entry.seconds);
        row[PlayingTime]->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        row[Deal] = TextCell(QString::fromStdString(entry.dealNumber));
        row[Moves] = NumberCell(entry.moves);
        row[Game] = TextCell(GameNameIn(names_, entry.game));
        if (entry.player == player_) {
            playerListed = true;
            for (QStandardItem* cell : row) {
                QFont bold = cell->font();
                bold.setBold(true);
                cell->setFont(bold);
            }
        }
        scores_->appendRow(row);
    }
    tblScores_->setColumnHidden(Game, game >= 0);
    const QString which = game < 0 ? QString("any game") : GameNameIn(names_, game);
    if (entries.empty())
        lblNote_->setText(QString("No scores of %1 yet.").arg(which));
    else
        lblNote_->setText(playerListed ? QString("The scores of %1 are shown in bold.").arg(QString::fromStdString(player_))
                                       : QString());
}

int HighScoresDialog::ShownGame() const
{
    return cboGame_->currentData().toInt();
}

} // namespace marlowe
