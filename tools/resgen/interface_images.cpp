// The window's small pictures: toolbar, menu and button icons rendered from the icon theme, the
// status bar's pile pictures and the hint panel's suit pips, all keyed on the key colour.

#include "icon_rendering.h"
#include "interface_images.h"

#include <string_view>

namespace marlowe::resgen {
namespace {

constexpr int kSmallIcon = 16;
// Large toolbar buttons take the theme's 22-pixel design with a pixel of margin.
constexpr int kLargeIcon = 24;
constexpr int kLargeDesign = 22;
constexpr int kSuitImage = 12;

struct ThemedPicture {
    std::string_view name;
    const char* icon;
    QRgb tint;  // the colour of the newer look
};

// The older look draws every icon in one dark grey.
const QColor kOlderLook(0x23, 0x26, 0x29);

const ThemedPicture kToolbarPictures[] = {
    {"NEW", "actions/document-new", 0x1d6fb8},       {"OPEN", "actions/document-open", 0xb8730f},
    {"RESTART", "actions/view-refresh", 0x1e8c45},   {"SAVE", "actions/document-save", 0x1d6fb8},
    {"UNDO", "actions/edit-undo", 0x16777f},         {"REDO", "actions/edit-redo", 0x16777f},
    {"AUTOPLAY", "actions/media-playback-start", 0x1e8c45},
    {"STAT", "actions/view-statistics", 0xc0561a},   {"RULES", "actions/help-contents", 0x1d6fb8},
    {"EXIT", "actions/application-exit", 0xc0262d},  {"RESTORE_AFTER_F11", "actions/view-restore", 0x1d6fb8},
};

const ThemedPicture kMenuAndButtonPictures[] = {
    {"MN_SELECT", "actions/games-config-board", 0x1e8c45},   {"MN_PLAYERS", "actions/system-users", 0x1d6fb8},
    {"MN_BOOKMARK", "actions/bookmark-new", 0xc0262d},       {"MN_PAUSE", "actions/media-playback-pause", 0x1d6fb8},
    {"MN_SERIES", "actions/format-list-ordered", 0x6a3fa0},  {"MN_FAVORITES", "actions/draw-star", 0xc98a00},
    {"MN_CUSTOMIZE", "actions/configure", 0x4a5560},         {"MN_RULESWIZARD", "actions/tools-wizard", 0x6a3fa0},
    {"BTN_NEW", "actions/list-add", 0x1e8c45},               {"BTN_EDIT", "actions/document-edit", 0x1d6fb8},
    {"BTN_DELETE", "actions/edit-delete", 0xc0262d},
};

template <size_t N>
const ThemedPicture* Find(const ThemedPicture (&table)[N], std::string_view name)
{
    for (const ThemedPicture& picture : table)
        if (picture.name == name)
            return &picture;
    return nullptr;
}

// "[2000_]TB_<command>_SMALL", "_LARGE" or "_LARGE_DIS": the newer look in the command's colour
// with the theme's accents, the older "2000_" look all in flat dark grey; disabled buttons greyed
// (the older look embossed).
QImage MakeToolbarImage(std::string_view name, const MakerSources& sources)
{
    const bool older = TakePrefix(name, "2000_");
    if (!TakePrefix(name, "TB_"))
        return {};
    const bool disabled = TakeSuffix(name, "_LARGE_DIS");
    const bool large = disabled || TakeSuffix(name, "_LARGE");
    if (!large && !TakeSuffix(name, "_SMALL"))
        return {};
    const ThemedPicture* picture = Find(kToolbarPictures, name);
    if (!picture)
        return {};
    const QColor text = older ? kOlderLook : QColor(picture->tint);
    const QColor accent = older ? kOlderLook : QColor();
    const QImage icon = large ? ThemeIcon(sources.iconFolder, picture->icon, kLargeDesign, kLargeIcon, text, accent)
                              : ThemeIcon(sources.iconFolder, picture->icon, kSmallIcon, kSmallIcon, text, accent);
    if (icon.isNull())
        return {};
    if (disabled)
        return Keyed(older ? Embossed(icon) : Disabled(icon));
    return Keyed(icon);
}

// The status bar's pile kinds, each a few tiny cards laid out as that pile lies.
void DrawStock(QPainter& painter)
{
    for (int depth = 2; depth >= 0; --depth)
        DrawCardBack(painter, QRectF(2 + depth, 3 - depth, 10, 13));
}

void DrawWaste(QPainter& painter)
{
    DrawCardFace(painter, QRectF(1, 2, 8, 12), QColor());
    DrawCardFace(painter, QRectF(4, 2, 8, 12), QColor());
    DrawCardFace(painter, QRectF(7, 2, 8, 12), SuitColour('S'));
}

void DrawFoundation(QPainter& painter)
{
    DrawCardFace(painter, QRectF(4, 1, 10, 13), QColor());
    DrawCardFace(painter, QRectF(2, 3, 10, 13), QColor());
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitColour('H'));
    painter.drawPath(SuitPip('H', QRectF(4, 6.5, 6, 6)));
}

void DrawTableau(QPainter& painter)
{
    DrawCardBack(painter, QRectF(3, 0, 10, 10));
    DrawCardBack(painter, QRectF(3, 2, 10, 10));
    DrawCardFace(painter, QRectF(3, 4, 10, 12), SuitColour('H'));
}

void DrawReserve(QPainter& painter)
{
    DrawCardFace(painter, QRectF(0, 3, 8, 11), SuitColour('S'));
    DrawCardFace(painter, QRectF(8, 3, 8, 11), SuitColour('D'));
}

// The card counter: a deck with a tally beside it.
void DrawCardCounter(QPainter& painter)
{
    for (int depth = 1; depth >= 0; --depth)
        DrawCardBack(painter, QRectF(1 + depth, 2 - depth, 8, 12));
    painter.setPen(QPen(QColor(30, 140, 70), 1));
    for (double x : {11.5, 13.5, 15.5})
        painter.drawLine(QPointF(x, 5), QPointF(x, 13));
    painter.drawLine(QPointF(10, 11.5), QPointF(16, 6.5));
}

// The small pictures drawn here rather than taken from the icon theme.
QImage MakeDrawnPicture(std::string_view name)
{
    static constexpr std::pair<std::string_view, void (*)(QPainter&)> kPictures[] = {
        {"STATUSBAR_STOCK", DrawStock},         {"STATUSBAR_WASTE", DrawWaste},
        {"STATUSBAR_FOUNDATION", DrawFoundation}, {"STATUSBAR_TABLEAU", DrawTableau},
        {"STATUSBAR_RESERVE", DrawReserve},     {"MN_CARDCOUNTER", DrawCardCounter},
    };
    for (const auto& [pictureName, draw] : kPictures)
        if (pictureName == name)
            return Keyed(Drawn(kSmallIcon, draw));
    return {};
}

// Menu, button and status bar pictures: drawn, or rendered from the icon theme.
QImage MakeSmallPicture(std::string_view name, const MakerSources& sources)
{
    if (QImage drawn = MakeDrawnPicture(name); !drawn.isNull())
        return drawn;
    const ThemedPicture* picture = Find(kMenuAndButtonPictures, name);
    if (!picture)
        return {};
    const QImage icon = ThemeIcon(sources.iconFolder, picture->icon, kSmallIcon, kSmallIcon, QColor(picture->tint));
    return icon.isNull() ? QImage() : Keyed(icon);
}

QImage MakeSuitImage(std::string_view name)
{
    static constexpr std::pair<std::string_view, char> kSuits[] = {
        {"SUIT_HEARTS", 'H'}, {"SUIT_DIAMONDS", 'D'}, {"SUIT_CLUBS", 'C'}, {"SUIT_SPADES", 'S'}};
    for (const auto& [suitName, suit] : kSuits)
        if (suitName == name)
            return Keyed(Drawn(kSuitImage, [suit = suit](QPainter& painter) {
                painter.setPen(Qt::NoPen);
                painter.setBrush(SuitColour(suit));
                painter.drawPath(SuitPip(suit, QRectF(1, 1, kSuitImage - 2, kSuitImage - 2)));
            }));
    return {};
}

}  // namespace

bool TakePrefix(std::string_view& text, std::string_view prefix)
{
    if (!text.starts_with(prefix))
        return false;
    text.remove_prefix(prefix.size());
    return true;
}

bool TakeSuffix(std::string_view& text, std::string_view suffix)
{
    if (!text.ends_with(suffix))
        return false;
    text.remove_suffix(suffix.size());
    return true;
}

QImage MakeInterfaceImage(const ResourceEntry& entry, const MakerSources& sources)
{
    switch (entry.family) {
    case ResourceFamily::Characteristic: return MakeCharacteristicImage(entry);
    case ResourceFamily::TreeImage: return MakeTreeImage(entry);
    case ResourceFamily::ToolbarImage: return MakeToolbarImage(entry.name, sources);
    case ResourceFamily::MenuImage:
    case ResourceFamily::ButtonImage:
    case ResourceFamily::StatusBarImage: return MakeSmallPicture(entry.name, sources);
    case ResourceFamily::SuitImage: return MakeSuitImage(entry.name);
    default: return {};
    }
}

}  // namespace marlowe::resgen
