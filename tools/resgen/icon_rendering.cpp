#include "icon_rendering.h"

#include <QFile>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

namespace marlowe::resgen {
namespace {

// The grey of the toolbars and trees the pictures stand on; edges are blended with it.
const QColor kBackdrop(0xef, 0xf0, 0xf1);
// Pixels covered less than this become the key; thin antialiased curves keep their shape.
constexpr double kLeastCover = 0.3;
// The text colour of the theme's monochrome icons.
constexpr char kThemeTextColour[] = "#232629";

int Luma(QRgb pixel)
{
    return (qRed(pixel) * 299 + qGreen(pixel) * 587 + qBlue(pixel) * 114) / 1000;
}

int Mix(int from, int to, double amount)
{
    return static_cast<int>(from + (to - from) * amount + 0.5);
}

// Applies a colour change to every pixel of a drawn picture, keeping its coverage.
template <typename Change>
QImage Recoloured(const QImage& drawn, Change change)
{
    QImage image = drawn.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = (change(line[x]) & 0x00ffffff) | (qAlpha(line[x]) << 24);
    }
    return image;
}

}  // namespace

QImage TransparentCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

QImage Drawn(int size, const std::function<void(QPainter&)>& draw)
{
    QImage image = TransparentCanvas(size, size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    draw(painter);
    return image;
}

QImage Keyed(const QImage& drawn)
{
    const QImage source = drawn.convertToFormat(QImage::Format_ARGB32);
    QImage keyed(source.size(), QImage::Format_RGB32);
    const QRgb key = kKeyColour.rgb();
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        QRgb* out = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const double cover = qAlpha(in[x]) / 255.0;
            if (cover < kLeastCover) {
                out[x] = key;
                continue;
            }
            QRgb laid = qRgb(Mix(kBackdrop.red(), qRed(in[x]), cover), Mix(kBackdrop.green(), qGreen(in[x]), cover),
                             Mix(kBackdrop.blue(), qBlue(in[x]), cover));
            // A drawn pixel that happens to hit the key would turn transparent.
            if (laid == key)
                laid = qRgb(254, 0, 254);
            out[x] = laid;
        }
    }
    return keyed;
}

QImage Disabled(const QImage& drawn)
{
    return Recoloured(drawn, [](QRgb pixel) {
        const int grey = 128 + Luma(pixel) * 40 / 100;
        return qRgb(grey, grey, grey);
    });
}

QImage Embossed(const QImage& drawn)
{
    QImage image = TransparentCanvas(drawn.width(), drawn.height());
    QPainter painter(&image);
    painter.drawImage(1, 1, Tinted(drawn, Qt::white));
    painter.drawImage(0, 0, Tinted(drawn, QColor(128, 128, 128)));
    return image;
}

QImage Faded(const QImage& drawn)
{
    return Recoloured(drawn, [](QRgb pixel) {
        const int grey = Mix(Luma(pixel), 255, 0.45);
        return qRgb(Mix(qRed(pixel), grey, 0.8), Mix(qGreen(pixel), grey, 0.8), Mix(qBlue(pixel), grey, 0.8));
    });
}

QImage Tinted(const QImage& drawn, const QColor& colour)
{
    QImage image = drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(image.rect(), colour);
    return image;
}

QImage ThemeIcon(const QString& themeFolder, const QString& icon, int designSize, int canvasSize,
                 const QColor& textColour, const QColor& accentColour)
{
    const QString context = icon.section('/', 0, 0);
    const QString name = icon.section('/', 1);
    QFile file(QString("%1/%2/%3/%4.svg").arg(themeFolder, context).arg(designSize).arg(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray svg = file.readAll();
    if (textColour.isValid())
        svg.replace(kThemeTextColour, textColour.name().toLatin1());
    if (accentColour.isValid()) {
        // The colour scheme's classes other than the text and the backgrounds.
        const QRegularExpression accentRule(
            R"((\.ColorScheme-(?!Text\b)(?!\w*Background)[\w-]+\s*\{\s*color\s*:\s*)#[0-9a-fA-F]{3,6})");
        svg = QString::fromUtf8(svg).replace(accentRule, "\\1" + accentColour.name()).toUtf8();
    }
    QSvgRenderer renderer(svg);
    if (!renderer.isValid())
        return {};
    QImage image = TransparentCanvas(canvasSize, canvasSize);
    QPainter painter(&image);
    const int drawn = std::min(designSize, canvasSize);
    const double offset = (canvasSize - drawn) / 2;
    renderer.render(&painter, QRectF(offset, offset, drawn, drawn));
    return image;
}

// A card's outline and fill. In an upright painter it is set pixel by pixel, its corners left
// out, so that even tiny cards stay sharp; a turned card is antialiased.
void DrawCard(QPainter& painter, const QRectF& card, const QColor& fill, const QColor& line)
{
    if (painter.transform().type() > QTransform::TxTranslate) {
        painter.setPen(QPen(line, 1));
        painter.setBrush(fill);
        painter.drawRoundedRect(card.adjusted(0.5, 0.5, -0.5, -0.5), 1, 1);
        return;
    }
    const QRect rect = card.toRect();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(rect.adjusted(1, 1, -1, -1), fill);
    painter.setPen(QPen(line, 1));
    painter.drawLine(rect.left() + 1, rect.top(), rect.right() - 1, rect.top());
    painter.drawLine(rect.left() + 1, rect.bottom(), rect.right() - 1, rect.bottom());
    painter.drawLine(rect.left(), rect.top() + 1, rect.left(), rect.bottom() - 1);
    painter.drawLine(rect.right(), rect.top() + 1, rect.right(), rect.bottom() - 1);
    painter.restore();
}

void DrawCardFace(QPainter& painter, const QRectF& card, const QColor& pipColour)
{
    DrawCard(painter, card, Qt::white, QColor(70, 70, 76));
    if (!pipColour.isValid())
        return;
    const double side = (std::min(card.width(), card.height()) - 2) * 0.75;
    const QPointF centre = card.center();
    painter.setPen(Qt::NoPen);
    painter.setBrush(pipColour);
    if (side >= 4) {
        painter.drawPath(SuitPip('D', QRectF(centre.x() - side / 2, centre.y() - side / 2, side, side)));
        return;
    }
    // Too small for a shape: a sharp square dot.
    const int dot = std::max(1, static_cast<int>(side));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.drawRect(QRectF(std::floor(centre.x() - dot / 2.0), std::floor(centre.y() - dot / 2.0), dot, dot));
    painter.restore();
}

void DrawCardBack(QPainter& painter, const QRectF& card)
{
    DrawCard(painter, card, QColor(46, 100, 190), QColor(24, 52, 110));
    if (card.width() < 7 || card.height() < 7)
        return;
    painter.setPen(QPen(QColor(150, 185, 235), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(card.adjusted(2.5, 2.5, -2.5, -2.5));
}

QColor SuitColour(char suit)
{
    return suit == 'H' || suit == 'D' ? QColor(208, 30, 40) : QColor(30, 30, 34);
}

void DrawWonBadge(QPainter& painter, int size)
{
    QPainterPath check;
    check.moveTo(size - 7.5, size - 4.5);
    check.lineTo(size - 5.0, size - 2.0);
    check.lineTo(size - 1.0, size - 7.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(check);
    painter.setPen(QPen(QColor(30, 150, 50), 2.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.drawPath(check);
}

void DrawLostBadge(QPainter& painter, int size)
{
    QPainterPath cross;
    cross.moveTo(size - 6.5, size - 6.5);
    cross.lineTo(size - 1.5, size - 1.5);
    cross.moveTo(size - 1.5, size - 6.5);
    cross.lineTo(size - 6.5, size - 1.5);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 3.6, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
    painter.setPen(QPen(QColor(210, 35, 35), 2.0, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(cross);
}

}  // namespace marlowe::resgen
