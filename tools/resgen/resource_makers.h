#pragma once
// The makers of the resource generator: one function per kind of picture or sound, each making
// the entry of the resource table it is given. A maker returns a null image (or empty data) when
// it cannot make the entry; the generator then stops the build with the entry's name.

#include "resources/resource_names.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <string_view>

namespace marlowe::resgen {

// Where the makers find what they render from.
struct MakerSources {
    QString deckFolder;  // the SVG card decks (/usr/share/carddecks)
    QString iconFolder;  // a freedesktop icon theme, for toolbar and menu pictures
};

// card_faces.cpp: faces, jokers, shadow and border strips, and the sets and backs taken from decks.
QImage MakeCardSheet(const ResourceEntry& entry, const MakerSources& sources);
QImage MakeJoker(const ResourceEntry& entry, const MakerSources& sources);
QImage MakeShadowStrip(const ResourceEntry& entry);
QImage MakeBorderStrip(const ResourceEntry& entry);
// The same pictures for a card of any pixel size, as the program draws them for the size "Auto".
QImage MakeStyleFace(std::string_view style, int rank, char suit, QSize size, const MakerSources& sources);
QImage MakeJokerOfSize(QSize size, const MakerSources& sources);
QImage MakeShadowStripOfCard(CardPixelSize card, bool right, QSize size);
QImage MakeBorderStripOfCard(CardPixelSize card, bool light);
// The bytes of a deck's drawing file, packed into the module so the program can draw faces of
// any size.
QByteArray MakeDeckDrawing(const ResourceEntry& entry, const MakerSources& sources);
QImage MakeAdditionalCardSet(const ResourceEntry& entry, const MakerSources& sources);
QImage MakeAdditionalBack(const ResourceEntry& entry, const MakerSources& sources);

// card_backs.cpp, pile_marks.cpp, textures.cpp, miniatures.cpp: pictures drawn by the generator.
QImage MakeCardBack(const ResourceEntry& entry);
QImage MakeMark(const ResourceEntry& entry);
QImage MakeTexture(const ResourceEntry& entry);
QImage MakeAdditionalBackground(const ResourceEntry& entry);
QImage MakeMiniature(const ResourceEntry& entry, const MakerSources& sources);

// interface_images.cpp, cursors.cpp: the window's small pictures. A cursor image carries its hot
// spot as the texts "HotSpotX" and "HotSpotY".
QImage MakeInterfaceImage(const ResourceEntry& entry, const MakerSources& sources);
QImage MakeCursor(const ResourceEntry& entry);

// sounds.cpp: a short WAVE file (RIFF, PCM) for a sound name.
QByteArray MakeSound(const ResourceEntry& entry);

// The file an entry is stored as inside its module ("BITMAP/CBH001H.png", "WAVE/STOCK.wav"), and
// its bytes; empty bytes when the maker could not make it.
QString EntryPath(const ResourceEntry& entry);
QByteArray MakeEntryBytes(const ResourceEntry& entry, const MakerSources& sources);

}  // namespace marlowe::resgen
