#pragma once
// The piles of the table as text, in four lists of fixed slots: the stock group ("Mazzo" stock,
// "Mazzo_Vis" waste, "Mazzo_Waste" secondary waste), 16 foundations ("Dest" + n), 40 tableau
// piles ("Fila" + n) and 12 reserves ("Appogg" + n). Slots exist whether a game uses them or not.

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace marlowe {

enum class PileGroup { StockGroup, Foundations, Tableaus, Reserves };

constexpr int kStockSlot = 0;
constexpr int kWasteSlot = 1;
constexpr int kSecondWasteSlot = 2;

// What kind of pile a card was found in.
enum class PileKind : unsigned char {
    Stock = 1,
    Waste = 2,
    SecondWaste = 3,
    Tableau = 4,
    Foundation = 5,
    Reserve = 6,
    None = 255,
};

struct PileRef {
    PileGroup group;
    int slot; // 0-based
    bool operator==(const PileRef&) const = default;
};

// The pile a name addresses: "Mazzo", "Mazzo_Vis", "Mazzo_Waste", or a prefix and the (at most
// two) digits after it, so "Fila7" and "Fila07" are one pile. Nothing for move commands and
// other names that are not piles.
std::optional<PileRef> ParsePileName(std::string_view name);
// The unpadded name of a pile ("Fila7").
std::string PileName(PileRef pile);

// A pile and, in a tableau row whose cells are places of their own, one cell of it (0-based;
// -1 for the pile as a whole).
struct PileCell {
    PileRef pile;
    int cell = -1;
    bool operator==(const PileCell&) const = default;
};
// "Fila3:5" names cell 5 of tableau pile 3, both counted from 1; a name without ":" is the
// pile as a whole. Nothing for a cell of another kind of pile or a malformed cell number.
std::optional<PileCell> ParsePileCellName(std::string_view name);
// "Fila3:5", or the pile's own name when no cell is named.
std::string PileCellName(PileCell target);

class PileStore {
public:
    std::string& Slot(PileGroup group, int slot);
    const std::string& Slot(PileGroup group, int slot) const;
    std::string& operator[](PileRef pile) { return Slot(pile.group, pile.slot); }
    const std::string& operator[](PileRef pile) const { return Slot(pile.group, pile.slot); }

    std::string& Stock() { return stockGroup[kStockSlot]; }
    std::string& Waste() { return stockGroup[kWasteSlot]; }
    const std::string& Stock() const { return stockGroup[kStockSlot]; }
    const std::string& Waste() const { return stockGroup[kWasteSlot]; }

    static int SlotCount(PileGroup group);
    void Clear();
    bool operator==(const PileStore&) const = default;

    std::array<std::string, 3> stockGroup;
    std::array<std::string, 16> foundations;
    std::array<std::string, 40> tableaus;
    std::array<std::string, 12> reserves;
};

} // namespace marlowe
