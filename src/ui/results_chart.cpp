#include "ui/results_chart.h"

#include "ui/record_texts.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace marlowe {

namespace {

const QColor kWonColour(0x2e, 0x9e, 0x4f);
const QColor kLostColour(0xc8, 0x3c, 0x3c);
const QColor kLineColour(0x1f, 0x5f, 0xbf);
constexpr int kBarStripHeight = 14;
constexpr double kWidestBar = 18;

} // namespace

std::vector<double> RunningWinRates(const std::vector<ChartResult>& results)
{
    std::vector<double> rates;
    rates.reserve(results.size());
    int won = 0;
    for (std::size_t i = 0; i < results.size(); ++i) {
        won += results[i].won ? 1 : 0;
        rates.push_back(100.0 * won / static_cast<double>(i + 1));
    }
    return rates;
}

ResultsChart::ResultsChart(QWidget* parent) : QWidget(parent)
{
    setObjectName("chartResults");
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
}

void ResultsChart::SetResults(std::vector<ChartResult> results)
{
    results_ = std::move(results);
    update();
}

QSize ResultsChart::sizeHint() const
{
    return {520, 150};
}

QSize ResultsChart::minimumSizeHint() const
{
    return {240, 110};
}

void ResultsChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Base));
    painter.setPen(colours.color(QPalette::Mid));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    const QFontMetrics metrics = fontMetrics();
    if (results_.empty()) {
        painter.setPen(colours.color(QPalette::PlaceholderText));
        painter.drawText(rect(), Qt::AlignCenter, "No games logged yet");
        return;
    }

    // Room on the left for the percent scale, below for the bars and the dates.
    const int left = metrics.horizontalAdvance("100%") + 10;
    const int right = width() - metrics.horizontalAdvance("100.0%") - 10;
    const int top = metrics.height() / 2 + 4;
    const int dateLine = height() - 4 - metrics.descent();
    const int barsBottom = dateLine - metrics.ascent() - 4;
    const int barsTop = barsBottom - kBarStripHeight;
    const int bottom = barsTop - 6;
    if (right <= left || bottom <= top)
        return;

    const auto yOf = [&](double percent) { return bottom - (bottom - top) * percent / 100.0; };
    painter.setFont(font());
    for (int percent = 0; percent <= 100; percent += 25) {
        const double y = yOf(percent);
        painter.setPen(QPen(colours.color(QPalette::Midlight), 1, percent % 50 == 0 ? Qt::SolidLine : Qt::DotLine));
        painter.drawLine(QPointF(left, y), QPointF(right, y));
        if (percent % 50 == 0) {
            painter.setPen(colours.color(QPalette::PlaceholderText));
            painter.drawText(QRectF(0, y - metrics.height() / 2.0, left - 6, metrics.height()),
                             Qt::AlignRight | Qt::AlignVCenter, QString("%1%").arg(percent));
        }
    }

    const int count = static_cast<int>(results_.size());
    const double step = static_cast<double>(right - left) / count;
    const auto xOf = [&](int i) { return left + step * (i + 0.5); };
    const double barWidth = std::clamp(step - (step > 4 ? 1.0 : 0.0), 1.0, kWidestBar);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        painter.setBrush(results_[static_cast<std::size_t>(i)].won ? kWonColour : kLostColour);
        painter.drawRect(QRectF(xOf(i) - barWidth / 2, barsTop, barWidth, kBarStripHeight));
    }

    const std::vector<double> rates = RunningWinRates(results_);
    QPainterPath line;
    line.moveTo(xOf(0), yOf(rates.front()));
    for (int i = 1; i < count; ++i)
        line.lineTo(xOf(i), yOf(rates[static_cast<std::size_t>(i)]));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kLineColour, 2));
    painter.drawPath(line);
    const QPointF end(xOf(count - 1), yOf(rates.back()));
    painter.setBrush(kLineColour);
    painter.drawEllipse(end, 3, 3);
    painter.drawText(QRectF(end.x() + 6, end.y() - metrics.height() / 2.0, width() - end.x() - 6, metrics.height()),
                     Qt::AlignLeft | Qt::AlignVCenter, RateText(rates.back(), count));

    painter.setPen(colours.color(QPalette::PlaceholderText));
    const QRectF dates(left, dateLine - metrics.ascent(), right - left, metrics.height());
    painter.drawText(dates, Qt::AlignLeft, DateText(results_.front().date));
    if (count > 1)
        painter.drawText(dates, Qt::AlignRight, DateText(results_.back().date));
    painter.drawText(dates, Qt::AlignHCenter, count == 1 ? QString("1 game") : QString("%1 games").arg(count));
}

} // namespace marlowe
