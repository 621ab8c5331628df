#include "ui/status_panels.h"

#include "board/resource_modules.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

namespace marlowe {

namespace {

constexpr int kTextIndent = 3;
// The smallest widths of the kind, pile-count, card-count, hint and redeals panels.
constexpr std::array<int, 5> kPanelWidths = {77, 23, 57, 350, 94};

} // namespace

QImage TransparentPicture(const ResourceModules& modules, const std::string& name)
{
    QImage image = modules.Image(name);
    if (image.isNull() || image.hasAlphaChannel())
        return image;
    const QImage mask = image.createMaskFromColor(image.pixel(0, 0), Qt::MaskOutColor);
    image = image.convertToFormat(QImage::Format_ARGB32);
    image.setAlphaChannel(mask);
    return image;
}

StatusPanels::StatusPanels(const ResourceModules& modules, QWidget* parent) : QWidget(parent)
{
    for (const auto& [kind, name] : {std::pair{"Stock", "STATUSBAR_STOCK"}, {"Waste", "STATUSBAR_WASTE"},
                                     {"Foundation", "STATUSBAR_FOUNDATION"}, {"Tableau", "STATUSBAR_TABLEAU"},
                                     {"Reserve", "STATUSBAR_RESERVE"}})
        kindPictures_[kind] = TransparentPicture(modules, name);
    const char* const suits[] = {"SUIT_HEARTS", "SUIT_DIAMONDS", "SUIT_CLUBS", "SUIT_SPADES"};
    for (std::size_t i = 0; i < suitPictures_.size(); ++i)
        suitPictures_[i] = TransparentPicture(modules, suits[i]);
}

void StatusPanels::SetTexts(const PileHintTexts& texts)
{
    if (texts == texts_)
        return;
    texts_ = texts;
    update();
}

QSize StatusPanels::sizeHint() const
{
    int width = 0;
    for (const int panel : kPanelWidths)
        width += panel;
    return {width, fontMetrics().height() + 6};
}

std::array<QRect, 5> StatusPanels::PanelRects() const
{
    // Widths grow with the font, so that the longest texts of each panel fit.
    const QFontMetrics metrics = fontMetrics();
    std::array<int, 5> widths = kPanelWidths;
    widths[0] = std::max(widths[0], metrics.horizontalAdvance("Foundation") + 30);
    widths[1] = std::max(widths[1], metrics.horizontalAdvance("40") + 10);
    widths[2] = std::max(widths[2], metrics.horizontalAdvance("104 cards") + 10);
    widths[4] = std::max(widths[4], metrics.horizontalAdvance("Unlimited redeals") + 10);
    widths[3] = std::max(widths[3], width() - widths[0] - widths[1] - widths[2] - widths[4]);
    std::array<QRect, 5> rects;
    int x = 0;
    for (std::size_t i = 0; i < rects.size(); ++i) {
        rects[i] = QRect(x, 0, widths[i], height());
        x += widths[i];
    }
    // The redeals panel stays at the right edge; the hint panel is what gives way.
    rects[4].moveRight(std::max(rects[4].right(), width() - 1));
    rects[3].setRight(rects[4].left() - 1);
    return rects;
}

void StatusPanels::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const std::array<QRect, 5> rects = PanelRects();
    for (const QRect& rect : rects) {
        QStyleOptionFrame frame;
        frame.initFrom(this);
        frame.rect = rect.adjusted(1, 1, -1, -1);
        frame.frameShape = QFrame::StyledPanel;
        frame.state |= QStyle::State_Sunken;
        frame.lineWidth = 1;
        style()->drawPrimitive(QStyle::PE_Frame, &frame, &painter, this);
    }
    const int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    QRect kind = rects[0].adjusted(kTextIndent, 0, 0, 0);
    if (const auto found = kindPictures_.find(texts_.kind); found != kindPictures_.end() && !found->second.isNull()) {
        const QImage& picture = found->second;
        painter.drawImage(kind.left(), kind.top() + (kind.height() - picture.height()) / 2, picture);
        kind.setLeft(kind.left() + picture.width() + 6 - kTextIndent);
    }
    painter.drawText(kind, flags | Qt::AlignLeft, QString::fromStdString(texts_.kind));
    painter.drawText(rects[1], flags | Qt::AlignHCenter, QString::fromStdString(texts_.pileCount));
    painter.drawText(rects[2].adjusted(kTextIndent, 0, 0, 0), flags | Qt::AlignLeft,
                     QString::fromStdString(texts_.cardCount));
    DrawHint(painter, rects[3]);
    painter.drawText(rects[4].adjusted(kTextIndent, 0, 0, 0), flags | Qt::AlignLeft,
                     QString::fromStdString(texts_.redeals));
}

// The hint text with a suit picture where the text names a suit, cut at the panel's edge.
void StatusPanels::DrawHint(QPainter& painter, QRect panel) const
{
    painter.save();
    painter.setClipRect(panel.adjusted(1, 1, -1, -1));
    const QFontMetrics metrics = painter.fontMetrics();
    const int baseline = panel.top() + (panel.height() + metrics.ascent() - metrics.descent()) / 2;
    int x = panel.left() + kTextIndent;
    for (const HintPiece& piece : SplitHintText(texts_.hint)) {
        const QString text = QString::fromStdString(piece.text);
        painter.drawText(x, baseline, text);
        x += metrics.horizontalAdvance(text);
        if (piece.suit) {
            const QImage& suit = suitPictures_[static_cast<std::size_t>(*piece.suit)];
            // Suit pictures sit a little lower than the text, as the letters' middle is.
            painter.drawImage(x, baseline - metrics.ascent() + 2, suit);
            x += suit.width();
        }
    }
    painter.restore();
}

} // namespace marlowe
