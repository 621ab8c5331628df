#pragma once
// The card table: one 20-character row per card code (face name, suit digit, code, face mark).
// A card's face state belongs to the card, not to the pile that holds it.

#include <array>
#include <string>
#include <string_view>

namespace marlowe {

constexpr int kCardTableRows = 212;

class CardTable {
public:
    // Every card face up, in code order.
    CardTable();

    // The row of a card code 1..212, e.g. "CUORI_A        10011".
    const std::string& Row(int code) const { return rows_.at(static_cast<std::size_t>(code - 1)); }

    // True for codes below 1 (gaps, no card) and for cards whose mark is "0".
    bool IsFaceDown(int code) const;
    void SetCardFaceMark(int code, char mark);
    // Marks the cards of a pile string: n >= 1 the top n cards; -1 alternating from a face-up
    // bottom card; -2 alternating from a face-down bottom card; -3 only the bottom card up.
    void SetFaceMarks(std::string_view pile, int n, char mark);

    bool operator==(const CardTable&) const = default;

private:
    std::array<std::string, kCardTableRows> rows_;
};

} // namespace marlowe
