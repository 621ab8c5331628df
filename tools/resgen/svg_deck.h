#pragma once
// The SVG card decks of the card-data package (/usr/share/carddecks), rendered element by element
// at the exact pixel size a picture needs. Each worker thread parses a deck once and keeps it, so
// no renderer is ever shared between threads.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <utility>
#include <vector>

class QSvgRenderer;

namespace marlowe::resgen {

// A deck by its folder name ("svg-gm-paris"), optionally with pieces of its drawing replaced in
// order (the four-colour faces are a deck whose club black is made green).
struct DeckSource {
    QString folder;
    std::vector<std::pair<QByteArray, QByteArray>> replacements;  // none keeps the deck as it is
};

// This thread's renderer of the deck, parsed on first use; nullptr when the deck cannot be read.
QSvgRenderer* DeckRenderer(const QString& deckFolder, const DeckSource& deck);

// The deck's drawing file: the first .svgz (or .svg) file of its folder; empty when there is none.
QString DeckFile(const QString& deckFolder, const QString& folder);

// The element naming a card in the decks: rank 1 (ace) to 13 (king), suit 'H', 'D', 'C' or 'S'.
QString CardElementId(int rank, char suit);

// One element stretched over a transparent image of exactly width x height, turned a quarter when
// its drawing lies the other way; null when the deck or the element is missing.
QImage RenderDeckElement(const QString& deckFolder, const DeckSource& deck, const QString& elementId, int width,
                         int height);

}  // namespace marlowe::resgen
