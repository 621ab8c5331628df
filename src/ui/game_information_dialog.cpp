#include "ui/game_information_dialog.h"

#include "catalogue/custom_games.h"
#include "catalogue/game_description.h"
#include "catalogue/main_game.h"
#include "catalogue/preview_file.h"
#include "catalogue/rule_loader.h"
#include "catalogue/rules_page.h"
#include "ui/figure_tiles.h"
#include "ui/game_description_panel.h"
#include "ui/game_preview.h"
#include "ui/record_texts.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace marlowe {

namespace {

const std::vector<std::pair<QString, QString>> kGameFigures = {
    {"lblPlayed", "Played"},        {"lblWon", "Won"},          {"lblLost", "Lost"},
    {"lblWinRate", "Win rate"},     {"lblStreak", "Streak"},     {"lblBestStreak", "Best streak"},
    {"lblBestScore", "Best score"}, {"lblBestTime", "Best time"}, {"lblAverageTime", "Average time"}};
constexpr int kFiguresPerRow = 3;

} // namespace

QString RulesSummaryHtml(const TMainGame& mainGame, int game)
{
    RuleVector rules;
    const Outcome loaded = LoadRules(mainGame, game, rules);
    if (!loaded)
        return QString("<p>%1</p>").arg(QString::fromStdString(EscapeHtml(loaded.message())));
    QString html;
    for (const RulesSection& section : WordRules(rules)) {
        if (section.sentences.empty())
            continue;
        html += QString("<h4>%1</h4><p>").arg(QString::fromStdString(EscapeHtml(section.heading)));
        for (const std::string& sentence : section.sentences)
            html += QString::fromStdString(EscapeHtml(sentence)) + " ";
        html += "</p>";
    }
    return html;
}

GameInformationDialog::GameInformationDialog(StatisticsFiles& files, const TMainGame& mainGame,
                                             const ResourceModules& modules, const std::string& player, int game,
                                             const std::string& dealNumber, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmGameInformation");
    setWindowTitle("Game information");

    panel_ = new GameDescriptionPanel(modules, this);
    panel_->PreviewBox()->hide();
    // A custom game shows the table of the game it is based on.
    const int shown = game >= kFirstCustomGameNumber ? mainGame.FindCustomGame(game).baseNumber : game;
    const MiniaturePictures pictures(modules);
    panel_->ShowGame(DescribeGame(mainGame, game),
                     DrawPreview(pictures, modules, ReadPreviewRecords(mainGame.programFolder, shown), shown));
    auto* lblNumbers = new QLabel(QString("Game number %1   Deal number %2")
                                      .arg(game)
                                      .arg(dealNumber.empty() ? QString("-") : QString::fromStdString(dealNumber)),
                                  this);
    lblNumbers->setObjectName("lblNumbers");
    lblNumbers->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* left = new QVBoxLayout;
    left->addWidget(panel_);
    left->addWidget(lblNumbers);

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addSpacing(8);
    columns->addWidget(BuildRulesAndRecord(mainGame, game), 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    ShowRecord(files, player, game);
    resize(960, 600);
}

QWidget* GameInformationDialog::BuildRulesAndRecord(const TMainGame& mainGame, int game)
{
    auto* side = new QWidget(this);
    txtRules_ = new QTextBrowser(side);
    txtRules_->setObjectName("txtRules");
    txtRules_->setHtml(RulesSummaryHtml(mainGame, game));
    lblRecordTitle_ = new QLabel(side);
    lblRecordTitle_->setObjectName("lblRecordTitle");
    QFont bold = lblRecordTitle_->font();
    bold.setBold(true);
    lblRecordTitle_->setFont(bold);
    record_ = new FigureTiles(kGameFigures, kFiguresPerRow, side);
    lblSingleGame_ = new QLabel(side);
    lblSingleGame_->setObjectName("lblSingleGame");

    auto* layout = new QVBoxLayout(side);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* rulesTitle = new QLabel("Rules", side);
    rulesTitle->setFont(bold);
    layout->addWidget(rulesTitle);
    layout->addWidget(txtRules_, 1);
    layout->addSpacing(6);
    layout->addWidget(lblRecordTitle_);
    layout->addWidget(record_);
    layout->addWidget(lblSingleGame_);
    return side;
}

void GameInformationDialog::ShowRecord(StatisticsFiles& files, const std::string& player, int game)
{
    lblRecordTitle_->setText(QString("The record of %1").arg(QString::fromStdString(player)));
    const GameFigures figures = GameRecords(files).FiguresOf(player, game).value_or(GameFigures{});
    record_->SetValue("lblPlayed", QString::number(figures.played));
    record_->SetValue("lblWon", QString::number(figures.won));
    record_->SetValue("lblLost", QString::number(figures.lost));
    record_->SetValue("lblWinRate", RateText(figures.WinRate(), figures.played));
    record_->SetValue("lblStreak", StreakText(figures.currentStreak));
    record_->SetValue("lblBestStreak", QString::number(figures.bestStreak));
    record_->SetValue("lblBestScore", figures.played > 0 ? QString::number(figures.bestScore) : QString("-"));
    record_->SetValue("lblBestTime", DurationText(figures.bestSeconds));
    record_->SetValue("lblAverageTime", DurationText(figures.played > 0 ? figures.totalSeconds / figures.played : 0));

    // The single-game values are kept for built-in games only.
    if (game >= kFirstCustomGameNumber) {
        lblSingleGame_->hide();
        return;
    }
    const auto counts = files.ReadSingleGameValues(player, game);
    lblSingleGame_->setText(counts ? QString("Single game values: %1 won, %2 lost").arg(counts->won).arg(counts->lost)
                                   : QString("Single game values: unreadable"));
}

} // namespace marlowe
