#pragma once
// Where every pile stands on the board: the result of the board layout, read by drawing,
// hit-testing, move execution and animation. Places are stored in board coordinates; the y
// readers subtract the vertical scroll offset, so scrolling moves every pile alike.

#include "layout/card_geometry.h"
#include "engine/pile_store.h"

#include <array>

namespace marlowe {

struct Place {
    int x = NotPlaced;
    int y = NotPlaced;
    bool operator==(const Place&) const = default;
};

class BoardGeometry {
public:
    // The card size and fan steps the layout and the card positions use; set with the card
    // size and again when the game changes.
    CardMetrics card;
    FanSteps steps;
    // The width of the whole display, for the serpentine grid that fills a row of the screen.
    int screenWidth = 1024;

    // The places as the layout computed them, unscrolled.
    std::array<Place, 3> stockGroup; // "Mazzo", "Mazzo_Vis", "Mazzo_Waste"
    std::array<Place, 16> foundations;
    std::array<Place, 40> tableaus;
    std::array<Place, 12> reserves;

    int fanWidth = 0;  // horizontal room of a tableau fanned to the right
    int fanHeight = 0; // vertical room of a tableau fanned downward
    int scrollOffset = 0;

    // The stock group and foundation places when the layout ran, with the scroll offset of
    // then: drawing erases a pile's old area with them after the board has scrolled.
    std::array<Place, 3> stockGroupAtLayout;
    std::array<Place, 16> foundationsAtLayout;
    int scrollAtLayout = 0;

    // Sets the card of a size letter and its fan steps.
    void SetCardSize(char sizeLetter, bool shadows, const RuleVector& rules);
    // Sets a card of any width (the card size "Auto") and its fan steps.
    void SetCardWidth(int cardWidth, bool shadows, const RuleVector& rules);

    Place& Stored(PileRef pile);
    const Place& Stored(PileRef pile) const;
    // The place of a pile as the window shows it: y less the scroll offset. A pile without a
    // place stays NotPlaced.
    Place PlaceOf(PileRef pile) const;
    int TableauX(int index) const { return tableaus.at(static_cast<std::size_t>(index)).x; }
    int TableauY(int index) const { return PlaceOf({PileGroup::Tableaus, index}).y; }
    // A stock-group or foundation place as it was at layout time, less the scroll offset of then.
    Place PlaceAtLayout(PileRef pile) const;

    // Every place NotPlaced.
    void ClearPlaces();
    void TakeLayoutCopies(int scrollPosition);
};

// The rectangle of the board the layout fills, and its height tests.
struct BoardFrame {
    int width = 0;       // the usable width (client width less a visible scroll bar)
    int outerHeight = 0; // the main window's outer height; the preview image's height
    int top = 0;         // below the toolbars
    int bottom = 0;      // above the status bar
};

// What the main window knows of itself.
struct WindowFrame {
    int clientWidth = 0;
    int clientHeight = 0;
    int outerHeight = 0;
    int scrollBarWidth = 0;    // 0 while the vertical scroll bar is hidden
    int statusBarTop = -1;     // the status bar's top edge; -1 while it is hidden
    int toolbarBottom = 0;     // the bottom edge of the toolbar band shown (0 without one)
    bool bothSeparatorLines = false;
};

BoardFrame MainBoardFrame(const WindowFrame& window);
// The preview image of the game selection dialog.
BoardFrame PreviewFrame(int imageWidth, int imageHeight);

} // namespace marlowe
