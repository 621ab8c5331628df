#include "ui/partial_score_box.h"

#include "engine/hand_scores.h"

#include <QHBoxLayout>
#include <QLabel>

namespace marlowe {

namespace {

QLabel* WhiteBox(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
    label->setMargin(2);
    return label;
}

} // namespace

PartialScoreBox::PartialScoreBox(QWidget* parent) : QWidget(parent)
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    score_ = WhiteBox(QString(), this);
    advice_ = WhiteBox(tr("Click on the Waste to transfer the cards."), this);
    layout->addWidget(score_);
    layout->addWidget(advice_);
    hide();
}

void PartialScoreBox::Show(std::optional<int> points)
{
    setVisible(points.has_value());
    if (points)
        score_->setText(tr("Partial Score: %1    (max score = %2)").arg(*points).arg(kBestHandPoints));
}

QString PartialScoreBox::ScoreText() const
{
    return score_->text();
}

QString PartialScoreBox::AdviceText() const
{
    return advice_->text();
}

} // namespace marlowe
