#include "ui/game_preview.h"

#include "app/text_helpers.h"
#include "board/resource_modules.h"

#include <QPainter>

#include <string>

namespace marlowe {
namespace {

constexpr char kSuitLetters[] = {'H', 'D', 'C', 'S'};
constexpr int kFaceWidth = 25;
constexpr int kFaceHeight = 32;
constexpr int kSheetColumns = 5;
// The named pieces of pictures 53..99, in record order.
std::vector<std::string> PieceNames()
{
    std::vector<std::string> names = {"Joker_L", "DL001", "WL001", "WL002", "WL004", "WL005", "WL007",
                                      "WL008", "WL009", "WL010", "WL011", "SL001", "SL002", "Tab_d_01"};
    for (const char* fan : {"Tab_v_", "Tab_h_", "Tab_a_"})
        for (int n = 1; n <= miniature::FanLengths; ++n)
            names.push_back(fan + ZeroPad(n, 2));
    names.insert(names.end(), {"SL003", "Tab_s_01", "Tab_d_02"});
    return names;
}

// The miniature pieces are opaque on magenta; the marks, the back, the joker and the faces
// carry their own transparency.
bool IsColourKeyed(const std::string& name)
{
    return StartsWith(name, "Tab_") || StartsWith(name, "SL");
}

} // namespace

QImage KeyedTransparent(const QImage& picture, QRgb key)
{
    QImage keyed = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] | 0xff000000) == (key | 0xff000000))
                line[x] = 0;
    }
    return keyed;
}

MiniaturePictures::MiniaturePictures(const ResourceModules& modules)
{
    for (int suit = 0; suit < 4; ++suit) {
        const QImage sheet = modules.Image(std::string("CL003") + kSuitLetters[suit]);
        if (sheet.isNull())
            continue;
        for (int rank = 1; rank <= 13; ++rank) {
            const QRect cell(((rank - 1) % kSheetColumns) * kFaceWidth, ((rank - 1) / kSheetColumns) * kFaceHeight,
                             kFaceWidth, kFaceHeight);
            pictures_[static_cast<std::size_t>(suit * 13 + rank - 1)] = sheet.copy(cell);
        }
    }
    const std::vector<std::string> names = PieceNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QImage picture = modules.Image(names[i]);
        if (!picture.isNull())
            pictures_[miniature::Joker - 1 + i] = IsColourKeyed(names[i]) ? KeyedTransparent(picture) : picture;
    }
}

const QImage& MiniaturePictures::Picture(int number) const
{
    static const QImage none;
    if (number < 1 || number > miniature::Count)
        return none;
    return pictures_[static_cast<std::size_t>(number - 1)];
}

QImage DrawPreview(const MiniaturePictures& pictures, const ResourceModules& modules,
                   const std::optional<std::vector<PreviewRecord>>& records, int number)
{
    QImage preview(kPreviewWidth, kPreviewHeight, QImage::Format_ARGB32_Premultiplied);
    preview.fill(QColor::fromRgb(kPreviewBackdrop));
    QPainter painter(&preview);
    if (records) {
        for (const PreviewRecord& record : *records) {
            const QImage& picture = pictures.Picture(record.picture);
            if (!picture.isNull())
                painter.drawImage(QPoint(record.x + kPreviewOffsetX, record.y + kPreviewOffsetY), picture);
        }
    } else if (const QImage own = modules.Image("GAME" + ZeroPad(number, 4)); !own.isNull()) {
        painter.drawImage(QPoint((kPreviewWidth - own.width()) / 2, 8), KeyedTransparent(own, own.pixel(0, 0)));
    }
    painter.end();
    return preview;
}

QImage DrawProductPicture(const MiniaturePictures& pictures)
{
    QImage picture(kPreviewWidth, kPreviewHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor::fromRgb(kPreviewBackdrop));
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Twice the miniature size, each card turned a little further round a point below the fan.
    const int cards[] = {miniature::FirstFace, miniature::FirstFace + 39, miniature::Joker, miniature::FirstFace + 13,
                         miniature::FirstFace + 26};
    const QPointF pivot(kPreviewWidth / 2.0, kPreviewHeight * 0.92);
    for (int i = 0; i < 5; ++i) {
        const QImage& card = pictures.Picture(cards[i]);
        if (card.isNull())
            continue;
        painter.save();
        painter.translate(pivot);
        painter.rotate((i - 2) * 14.0);
        const QSizeF size(card.width() * 2.4, card.height() * 2.4);
        painter.drawImage(QRectF(-size.width() / 2, -kPreviewHeight * 0.62, size.width(), size.height()), card);
        painter.restore();
    }
    painter.end();
    return picture;
}

} // namespace marlowe
