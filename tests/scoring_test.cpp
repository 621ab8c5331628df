// The score of a table, the special scorings, and the playing-time clock.

#include "engine/cards.h"
#include "engine/game_clock.h"
#include "engine/game_context.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/scoring.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

class ScoringTest : public ::testing::Test {
protected:
    ScoringTest() : context(presentation)
    {
        context.registers.Set(reg::ScoringType, "01");
        context.rules[rule::PackSize] = 52;
        context.rules[rule::FoundationCount] = 4;
    }

    void FillFoundation(int f, int cards)
    {
        for (int rank = 1; rank <= cards; ++rank)
            context.piles.foundations[static_cast<std::size_t>(f)] += CodeText(CardCode(f % 4, rank));
    }

    RecordingPresentation presentation;
    GameContext context;
};

TEST_F(ScoringTest, StandardScoringPaysForThePackAndEarnsFoundationCards)
{
    EXPECT_EQ(ComputeScore(context), -52);
    for (int f = 0; f < 4; ++f)
        FillFoundation(f, 13);
    EXPECT_EQ(ComputeScore(context), 208);
    context.piles.foundations[5] = "001"; // beyond the game's foundations
    EXPECT_EQ(ComputeScore(context), 208);

    context.registers.Set(reg::ScoringType, "02");
    EXPECT_EQ(ComputeScore(context), 0) << "only scoring type 01 scores";
}

TEST_F(ScoringTest, PackBasesJokersBonusAndSecondWaste)
{
    const struct {
        int pack, stripped, jokers, bonus, secondWasteCards, expected;
    } rows[] = {
        {52, 1, 0, 0, 0, -32}, {104, 1, 0, 0, 0, -64}, {52, 2, 0, 0, 0, -28}, {104, 0, 0, 0, 0, -104},
        {52, 0, 2, 0, 0, -62}, {52, 0, 0, 3, 0, -37},  {52, 0, 0, 0, 2, -42},  {52, 7, 0, 0, 0, 0}, {104, 13, 0, 0, 0, -48},
    };
    for (const auto& row : rows) {
        context.rules[rule::PackSize] = static_cast<std::int16_t>(row.pack);
        context.rules[rule::StrippedPack] = static_cast<std::int16_t>(row.stripped);
        context.rules[rule::JokerCount] = static_cast<std::int16_t>(row.jokers);
        context.rules[rule::BonusCards] = static_cast<std::int16_t>(row.bonus);
        context.piles.stockGroup[kSecondWasteSlot] = std::string(3u * static_cast<std::size_t>(row.secondWasteCards), '1');
        EXPECT_EQ(ComputeScore(context), row.expected) << row.pack << " " << row.stripped;
    }
}

TEST_F(ScoringTest, RecomputeStoresAndShowsUnlessTheGameShowsNoScore)
{
    AddFoundationScore(context, 1);
    EXPECT_EQ(context.registers.Get(reg::Score), "5");
    RecomputeScore(context);
    EXPECT_EQ(context.registers.Get(reg::Score), "-52");
    EXPECT_EQ(presentation.events.back(), "score: -52");

    context.rules[rule::SpecialGame] = 9;
    const auto shown = presentation.events.size();
    RecomputeScore(context);
    AddFoundationScore(context, 2);
    EXPECT_EQ(presentation.events.size(), shown) << "special game 9 leaves the score alone";
    EXPECT_EQ(context.registers.Get(reg::Score), "-52");
}

// The games with a fixed score show it from the deal on; unlike the games without a score they
// show it, and unlike the others the foundation cards of the deal do not change it.
TEST_F(ScoringTest, FixedScoresAreShownButNotChangedByTheDeal)
{
    FillFoundation(0, 3);
    for (const int code : {76, 77}) {
        context.rules[rule::SpecialGame] = static_cast<std::int16_t>(code);
        RecomputeScore(context);
        EXPECT_EQ(presentation.events.back(), "score: 0") << code;
        AddFoundationScore(context, 1);
        EXPECT_EQ(context.registers.Get(reg::Score), "0") << code;
    }
    context.rules[rule::SpecialGame] = 59;
    const auto shown = presentation.events.size();
    RecomputeScore(context);
    EXPECT_EQ(presentation.events.size(), shown) << "code 59 keeps no score, like 9";
}

TEST_F(ScoringTest, SpecialScorings)
{
    context.rules[rule::SpecialGame] = 34;
    context.piles.tableaus[0] = "001";
    context.piles.tableaus[1] = "015";
    context.piles.tableaus[2] = "005";
    context.piles.tableaus[3] = "004";
    EXPECT_EQ(ComputeScore(context), -52 + 20) << "stops at the first pile out of order";

    context.rules[rule::SpecialGame] = 43;
    context.piles.tableaus[4] = "009008007006005004003002001";
    EXPECT_EQ(ComputeScore(context), -52 + 225);

    // The run game scores the face-up cards of the table while they run up from the Ace.
    context.rules[rule::SpecialGame] = 36;
    context.mainGame.Misses = 3;
    context.rules[rule::TableauCount] = 2;
    context.piles.Clear();
    context.piles.tableaus[0] = "001002003";
    context.piles.tableaus[1] = "009";
    context.cards.SetCardFaceMark(9, '0');
    EXPECT_EQ(ComputeScore(context), 15 * 3 - 3 - 52);
    context.cards.SetCardFaceMark(9, '1');
    EXPECT_EQ(ComputeScore(context), -3 - 52) << "a 9 after the 3 is no run";
    context.cards.SetCardFaceMark(9, '0');
    context.cards.SetCardFaceMark(2, '0');
    context.cards.SetCardFaceMark(3, '0');
    EXPECT_EQ(ComputeScore(context), 15 - 3 - 52);

    context.rules[rule::SpecialGame] = 40;
    EXPECT_EQ(ComputeScore(context), 0);
}

TEST(Baccarat, PointsOfHands)
{
    EXPECT_EQ(BaccaratPoints("007008", 3), 5);        // 7 + 8 = 15 -> 5
    EXPECT_EQ(BaccaratPoints("010013001", 3), 1);     // court cards and tens count 0
    EXPECT_EQ(BaccaratPoints("004005009", 3), 0);     // 9 + 9 = 18 above 9
    EXPECT_EQ(BaccaratPoints("00410051", 4), 9);      // snapshot text, four characters a card
    EXPECT_EQ(BaccaratPoints("", 3), 0);
}

TEST(PuzzleTarget, FiveDistinctDigitsEachZeroCountingTen)
{
    // Digits 3, 5, 8, 10 and 12 of 0012345678901 are 1, 3, 6, 8 and 0.
    EXPECT_EQ(PuzzleTarget("0012345678901"), 1 + 3 + 6 + 8 + 10);
    // All zeros: 0, then 1, 2, 3, 4 as each is taken.
    EXPECT_EQ(PuzzleTarget("0000000000000"), 10 + 1 + 2 + 3 + 4);
    EXPECT_EQ(PuzzleTarget("5"), PuzzleTarget("0000000000005"));
}

TEST(GameClock, RunsFromStartToStopAcrossMidnight)
{
    RecordingPresentation presentation;
    GameContext context(presentation);
    StartClock(context, 23 * 3600 + 59 * 60 + 30);
    EXPECT_EQ(FormatElapsed(ElapsedSeconds(context, 30)), "0:01:00");
    StartClock(context, 10);
    EXPECT_EQ(ElapsedSeconds(context, 30), 60) << "a running clock is not restarted";
    StopClock(context, 90);
    EXPECT_EQ(ElapsedSeconds(context, 5000), 120);
    EXPECT_EQ(FormatElapsed(3 * 3600 + 4 * 60 + 5), "3:04:05");
}

} // namespace
} // namespace marlowe
