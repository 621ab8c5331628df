// The goal of each game that is won by a test of its own, as its rules page says it.

#include "catalogue/game_traits.h"
#include "catalogue/rules_wording.h"

namespace marlowe::wording {

std::string OwnGoal(const RuleVector& rules)
{
    const Special special = SpecialGameOf(rules);
    switch (SpecialTraitsOf(rules).won) {
    case WonTest::EveryTableauHoldsCards: return "You win when every tableau pile holds a card.";
    case WonTest::RowOfTwo:
        if (special == Special::RoyalMarriageRow)
            return "The Queen of hearts starts the row and the King of hearts is the stock's last card; neither ever "
                   "leaves. You win when the stock is out and the two lie side by side, every other card gone.";
        return "You win when the stock is out and only two cards are left in the row.";
    case WonTest::OneCardEach: return "You win when the stock and the waste are out and every tableau pile holds one card.";
    case WonTest::AcesAlone: return "You win when the stock is out and each tableau pile holds only an Ace.";
    case WonTest::Never: return "The game is never won: it ends when you deal again, and its score is the result.";
    case WonTest::OnlyFirstFoundation: return "You win when every foundation but the first is empty.";
    case WonTest::NineDownRow: return "You win when a tableau pile holds nine cards running from 9 down to Ace.";
    case WonTest::FourPilesLeft:
        return "No set ever takes the last card of each suit: you win when the stock is out and only those four cards "
               "are left.";
    case WonTest::FourEachOfTwentyFour: return "You win when each of the first 24 tableau piles holds four cards.";
    case WonTest::ReserveOfEight:
        return "You win when the tableau, the stock and the waste are cleared and the reserve holds eight cards.";
    case WonTest::BottomSums:
        return "Click two tableau cards to change their places. You win when the ranks of each group of four piles add "
               "up to the target the deal set for it.";
    case WonTest::PuzzleDigits:
        return "You win when the five foundations each hold a card and their ranks add up to the target of the deal.";
    case WonTest::NinePilesCleared: return "You win when the stock and the first nine tableau piles are cleared.";
    case WonTest::ThreePilesCleared:
        if (SpecialTraitsOf(rules).handsFromTableauBottoms)
            return "The game ends, won, when the whole pack has been played out in hands; the score, which starts "
                   "at minus the pack's cards and gains each hand's points, tells how well.";
        return "You win when the stock and the first three tableau piles are cleared.";
    case WonTest::StockAndWasteEmpty: return "You win when every card of the stock and the waste has been played.";
    case WonTest::FiveEach: return "You win when every tableau pile holds five cards.";
    case WonTest::KingQueenJack:
        return "You win when every foundation holds ten cards and every tableau pile holds a King, a Queen and a Jack "
               "from the bottom.";
    case WonTest::Thirties: return "You win when the cards at each depth of the four columns add up to 30.";
    case WonTest::OnlyTensLeft: return "You win when the stock is out and only the four 10s are left, one to a pile.";
    case WonTest::SuitRunsBesideHome:
        if (special == Special::SuitRunsInPiles)
            return "You win when each tableau pile holds one whole suit, in order from its King down to its Ace.";
        return "You win when every Diamond is on the foundation and each other suit lies in one tableau pile, in order "
               "from its King down to its Ace.";
    case WonTest::OneOfEachSuitLeft:
        return "You win when the stock is out and one card of each suit is left, one to a tableau pile.";
    case WonTest::FoundationsComplete:
        return "You win as soon as every foundation is complete, whatever cards are left elsewhere.";
    case WonTest::HeadsAlone:
        return "You win when the stock is out and every tableau pile holds only the " + RankName(Of(rules, rule::TableauBaseRank, 0)) +
               " at its head: every other card is on the foundations.";
    case WonTest::OnePileLeft: return "You win when the stock is out and the whole pack lies in one pile.";
    case WonTest::SuitRowsInOrder:
        return "You win when the first row holds the clubs, the second the spades, the third the hearts and the fourth "
               "the diamonds, each in order from the Ace to the King.";
    case WonTest::OnlyCourtsLeft:
        return "You win when the stock and the waste are out and only the twelve court cards are left, framing the "
               "square.";
    case WonTest::General:
    case WonTest::PyramidCleared:
    case WonTest::PyramidOnly:
    case WonTest::ScoreGoal: break;
    }
    return "";
}

} // namespace marlowe::wording
