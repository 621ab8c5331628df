#include "ui/memory_summary_box.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace marlowe {

namespace {

QLabel* Figure(const QString& text, QWidget* parent, const char* name)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

// "x 10 points" / "x -2 points": what each match earns and each miss costs.
QString Each(int points)
{
    return QString("x %1 %2").arg(points).arg(std::abs(points) == 1 ? "point" : "points");
}

} // namespace

MemorySummaryBox::MemorySummaryBox(const MemorySummary& summary, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(summary.won ? "Game Won" : "Game Lost");
    auto* figures = new QGridLayout;
    figures->setHorizontalSpacing(16);
    figures->addWidget(new QLabel("Matches:", this), 0, 0);
    figures->addWidget(Figure(QString::number(summary.matches), this, "matches"), 0, 1);
    figures->addWidget(Figure(Each(summary.pointsPerMatch), this, "pointsPerMatch"), 0, 2);
    figures->addWidget(Figure(QString::number(summary.matchTotal), this, "matchTotal"), 0, 3);
    figures->addWidget(new QLabel("Misses:", this), 1, 0);
    figures->addWidget(Figure(QString::number(summary.misses), this, "misses"), 1, 1);
    figures->addWidget(Figure(Each(summary.pointsPerMiss), this, "pointsPerMiss"), 1, 2);
    figures->addWidget(Figure(QString::number(summary.missTotal), this, "missTotal"), 1, 3);
    auto* scoreCaption = new QLabel("<b>Score:</b>", this);
    figures->addWidget(scoreCaption, 2, 0);
    figures->addWidget(Figure(QString("<b>%1</b>").arg(summary.score), this, "score"), 2, 3);
    figures->addWidget(Figure(QString("(Score to win: %1)").arg(summary.scoreToWin), this, "scoreToWin"), 3, 0, 1, 4);

    auto* layout = new QVBoxLayout(this);
    if (!summary.grid.empty()) {
        auto* grid = new QLabel(QString::fromStdString(summary.grid), this);
        grid->setObjectName("grid");
        layout->addWidget(grid);
    }
    layout->addLayout(figures);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

} // namespace marlowe
