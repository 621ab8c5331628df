#include "ui/pile_size_panels.h"

#include "engine/pile_hints.h"

#include <QHBoxLayout>
#include <QLabel>

namespace marlowe {
namespace {

// The number at the start of a card count ("12 cards" gives "12").
QString LeadingNumber(const std::string& text)
{
    return QString::fromStdString(text.substr(0, text.find(' ')));
}

// The redeals made and allowed from the status bar's words: "1/2 redeals" gives "1/2",
// "Unlimited redeals" "Unlimited", "No redeal" "0".
QString RedealCount(const std::string& text)
{
    if (text.rfind("No ", 0) == 0)
        return "0";
    return QString::fromStdString(text.substr(0, text.find(' ')));
}

}  // namespace

PileSizePanels::PileSizePanels(QWidget* table) : QFrame(table)
{
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->setSpacing(10);
    pileSize_ = new QLabel(this);
    redeals_ = new QLabel(this);
    layout->addWidget(pileSize_);
    layout->addWidget(redeals_);
    hide();
}

void PileSizePanels::ShowFor(const PileHintTexts& texts, QPoint pointer)
{
    if (texts.kind.empty()) {
        hide();
        return;
    }
    pileSize_->setText(tr("%1 in this pile").arg(LeadingNumber(texts.cardCount)));
    redeals_->setText(tr("Redeals: %1").arg(RedealCount(texts.redeals)));
    redeals_->setVisible(!texts.redeals.empty());
    adjustSize();
    // Beside the pointer, kept inside the table.
    QPoint at = pointer + QPoint(16, 20);
    const QSize room = parentWidget()->size();
    at.setX(std::clamp(at.x(), 0, std::max(room.width() - width(), 0)));
    at.setY(std::clamp(at.y(), 0, std::max(room.height() - height(), 0)));
    move(at);
    show();
    raise();
}

void PileSizePanels::enterEvent(QEnterEvent* event)
{
    hide();
    QFrame::enterEvent(event);
}

}  // namespace marlowe
