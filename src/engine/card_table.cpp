#include "engine/card_table.h"

#include "app/text_helpers.h"
#include "engine/cards.h"
#include "engine/pile_text.h"

namespace marlowe {

namespace {

std::string FaceName(int code)
{
    if (IsJoker(code))
        return "JOKER";
    static const char* const suits[] = {"CUORI_", "QUADR_", "FIORI_", "PICCH_"};
    static const char* const ranks[] = {"A", "02", "03", "04", "05", "06", "07", "08", "09", "10", "J", "Q", "K"};
    return std::string(suits[CardSuit(code)]) + ranks[CardRank(code) - 1];
}

char SuitDigit(int code)
{
    return IsJoker(code) ? '4' : static_cast<char>('1' + CardSuit(code));
}

} // namespace

CardTable::CardTable()
{
    for (int code = 1; code <= kCardTableRows; ++code)
        rows_[static_cast<std::size_t>(code - 1)] = PadRight(FaceName(code), 15) + SuitDigit(code) + ZeroPad(code, 3) + '1';
}

bool CardTable::IsFaceDown(int code) const
{
    return code < 1 || code > kCardTableRows || Row(code)[19] == '0';
}

void CardTable::SetCardFaceMark(int code, char mark)
{
    if (code < 1 || code > kCardTableRows)
        return;
    rows_[static_cast<std::size_t>(code - 1)][19] = mark;
}

void CardTable::SetFaceMarks(std::string_view pile, int n, char mark)
{
    const int count = ElementCount(pile);
    for (int i = 0; i < count; ++i) {
        const int code = ElementAt(pile, i);
        if (n >= 1) {
            if (i >= count - n)
                SetCardFaceMark(code, mark);
        } else if (n == -1 || n == -2) {
            const bool oddPosition = i % 2 == 0; // 1st, 3rd, 5th ... from the bottom
            SetCardFaceMark(code, (oddPosition == (n == -1)) ? '1' : '0');
        } else if (n == -3) {
            SetCardFaceMark(code, i == 0 ? '1' : '0');
        }
    }
}

} // namespace marlowe
