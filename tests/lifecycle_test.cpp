// A game from its choice to its end: preparing, dealing, opening, ending, abandoning, titles.

#include "engine/deal_number_text.h"
#include "engine/event_sounds.h"
#include "engine/lifecycle.h"
#include "engine/pile_text.h"
#include "engine_program.h"

#include <gtest/gtest.h>

namespace marlowe {
namespace {

constexpr int kFreeCell = 1;
constexpr int kKlondike = 2;
constexpr int kFortyThieves = 4; // needs a wide screen for the player's card size

class LifecycleTest : public ::testing::Test, protected testing::EngineProgram {
protected:
    LifecycleTest() { context.registers.Set(reg::ConfirmQuitGame, "Y"); }

    bool Open(int number, const std::string& player = "Player 1")
    {
        return OpenGame(context, preferences, random, number, context.mainGame.GameName(number), player, 2, false,
                        screen);
    }

    int CardsOnTable() const
    {
        int cards = 0;
        for (const auto* list : {&context.piles.tableaus})
            for (const auto& pile : *list)
                cards += ElementCount(pile);
        for (const auto& pile : context.piles.reserves)
            cards += ElementCount(pile);
        for (const auto& pile : context.piles.foundations)
            cards += ElementCount(pile);
        for (const auto& pile : context.piles.stockGroup)
            cards += ElementCount(pile);
        return cards;
    }

    ScreenFacts screen;
};

TEST_F(LifecycleTest, OpeningAGameDealsItAndStartsItsClock)
{
    ASSERT_TRUE(Open(kKlondike));
    EXPECT_EQ(context.CurrentGameNumber(), kKlondike);
    EXPECT_TRUE(context.flags[GameInProgress]);
    EXPECT_TRUE(context.flags[ClockRunning]);
    EXPECT_EQ(context.clock.startSecond, 1000);
    EXPECT_EQ(CardsOnTable(), 52);
    EXPECT_EQ(context.registers.Get(reg::Score), "-52");
    EXPECT_EQ(context.mainGame.RedealsDone, 1);
    EXPECT_EQ(context.mainGame.GameStarted, -1);
    EXPECT_TRUE(context.undoHistory.Empty());
    EXPECT_EQ(context.registers.Get(reg::DealNumber).size(), 13u);
    EXPECT_EQ(presentation.EventsStartingWith("title: ").back(),
              "title: Marlowe 2002 5.8  [Klondike]  [Deal " + ReadableDealNumber(context.registers.Get(reg::DealNumber)) + "]");
    EXPECT_TRUE(context.autoplayAvailable);
}

TEST_F(LifecycleTest, ANewDealRestoresTheRulesAndReplaysTheSameNumber)
{
    ASSERT_TRUE(Open(kFreeCell));
    const PileStore first = context.piles;
    const std::string deal = context.registers.Get(reg::DealNumber);
    context.rules.Of(rule::TableauBaseRank, 0) = 5; // a deal writes into the rules; the copy puts them back
    ASSERT_TRUE(NewGame(context, preferences, random, 1));
    EXPECT_EQ(context.piles, first) << "deal mode 1 deals the same number again";
    EXPECT_EQ(context.rules.Of(rule::TableauBaseRank, 0), -1);
    ASSERT_TRUE(NewGame(context, preferences, random, 2));
    EXPECT_NE(context.registers.Get(reg::DealNumber), deal);
}

TEST_F(LifecycleTest, OpeningTheGameInProgressDoesNothingUntilItEnded)
{
    ASSERT_TRUE(Open(kFreeCell));
    const std::string deal = context.registers.Get(reg::DealNumber);
    EXPECT_FALSE(Open(kFreeCell));
    EXPECT_EQ(context.registers.Get(reg::DealNumber), deal);
    EXPECT_TRUE(recorded.empty());

    EXPECT_FALSE(EndGame(context));
    EXPECT_EQ(recorded, (std::vector<bool>{false}));
    EXPECT_FALSE(EndGame(context)) << "no game in progress any more";
    EXPECT_EQ(recorded.size(), 1u);
    EXPECT_TRUE(Open(kFreeCell));
    EXPECT_NE(context.registers.Get(reg::DealNumber), deal);
}

TEST_F(LifecycleTest, AbandoningAsksOnlyWhenThePreferencesWantIt)
{
    ASSERT_TRUE(Open(kFreeCell));
    presentation.confirmAnswer = false;
    EXPECT_FALSE(Open(kKlondike)) << "the player kept the game in progress";
    EXPECT_EQ(context.CurrentGameNumber(), kFreeCell);
    EXPECT_EQ(presentation.EventsStartingWith("confirm: Quit this game?").size(), 1u);

    context.registers.Set(reg::ConfirmQuitGame, "N");
    EXPECT_TRUE(Open(kKlondike));
    EXPECT_EQ(presentation.EventsStartingWith("confirm: ").size(), 1u);
    EXPECT_EQ(recorded, (std::vector<bool>{false}));
}

TEST_F(LifecycleTest, ScoreGoalsDecideAtTheEnd)
{
    ASSERT_TRUE(Open(kFreeCell));
    context.rules[rule::TargetScore] = 500;
    context.registers.Set(reg::Score, 499);
    EXPECT_FALSE(EndGame(context));
    ASSERT_TRUE(NewGame(context, preferences, random, 2));
    context.rules[rule::TargetScore] = 500;
    context.registers.Set(reg::Score, 500);
    EXPECT_TRUE(EndGame(context));
    EXPECT_EQ(recorded, (std::vector<bool>{false, true}));
    EXPECT_EQ(presentation.EventsStartingWith("celebrate").size(), 1u);
    EXPECT_EQ(presentation.events.back(), "open game selection");
}

TEST_F(LifecycleTest, NewGameAfterAWinEndsItWithoutDealing)
{
    ASSERT_TRUE(Open(kFreeCell));
    const std::string deal = context.registers.Get(reg::DealNumber);
    context.flags.Set(WonMark);
    NewGameCommand(context, preferences, random);
    EXPECT_EQ(recorded, (std::vector<bool>{true}));
    EXPECT_FALSE(context.flags[GameInProgress]);
    EXPECT_EQ(context.registers.Get(reg::DealNumber), deal) << "no new deal by the command itself";
    EXPECT_EQ(presentation.events.back(), "open game selection");
}

TEST_F(LifecycleTest, SoundsFollowTheirSwitchesAndTheMasterSwitch)
{
    // By default a new game is silent.
    ASSERT_TRUE(Open(kFreeCell));
    NewGameCommand(context, preferences, random);
    EXPECT_TRUE(presentation.EventsStartingWith("sound New").empty());

    // Switched on, it plays over whatever plays.
    context.registers.Set(SoundSwitch::NewGame, "Y");
    NewGameCommand(context, preferences, random);
    EXPECT_EQ(presentation.EventsStartingWith("sound New over").size(), 1u);

    // Stopping a loop plays the silent name.
    presentation.events.clear();
    PlaySoundLooping(context, "Redeal", true);
    StopSound(context);
    EXPECT_EQ(presentation.events, (std::vector<std::string>{"sound Redeal looping", "sound _tmp_stop_"}));

    // With the master switch off nothing plays, whatever the single switches say.
    presentation.events.clear();
    context.registers.Set(reg::SoundsEnabled, "N");
    NewGameCommand(context, preferences, random);
    PlayEventSound(context, "Stock", SoundSwitch::Stock);
    PlaySoundOnce(context, "About", true);
    StopSound(context);
    EXPECT_TRUE(presentation.EventsStartingWith("sound").empty());
}

TEST_F(LifecycleTest, AWideGameForcesASmallerCardSizeOnceAndGivesItBack)
{
    screen.width = 1000;
    context.registers.Set(reg::CardSize, "X");
    preferences.WriteString("Preference", "Customized_Cards_Set", "mine.bmp");
    ASSERT_TRUE(Open(kFortyThieves));
    EXPECT_EQ(context.registers.Get(reg::CardSize), "B");
    EXPECT_EQ(context.registers.Get(reg::CardSet), "001");
    EXPECT_EQ(context.registers.Get(reg::SavedCardSize), "X");
    EXPECT_EQ(preferences.ReadString("Preference", "Customized_Cards_Set_Old_Big"), "mine.bmp");
    EXPECT_EQ(presentation.EventsStartingWith("advice: You have selected the Extra Large").size(), 1u);

    ASSERT_TRUE(Open(kFreeCell));
    EXPECT_EQ(context.registers.Get(reg::CardSize), "X") << "a game without the need gives the size back";
    EXPECT_EQ(context.registers.Get(reg::SavedCardSize), "");
    EXPECT_EQ(preferences.ReadString("Preference", "Customized_Cards_Set"), "mine.bmp");
    EXPECT_EQ(preferences.ReadString("Preference", "Customized_Cards_Set_Old_Big"), "");

    ASSERT_TRUE(Open(kFortyThieves));
    EXPECT_EQ(context.registers.Get(reg::CardSize), "B");
    EXPECT_EQ(presentation.EventsStartingWith("advice: ").size(), 1u) << "the advice shows once per run";
}

TEST_F(LifecycleTest, NarrowScreensTakeTheMediumSize)
{
    screen.width = 800;
    context.registers.Set(reg::CardSize, "B");
    ASSERT_TRUE(Open(kFortyThieves));
    EXPECT_EQ(context.registers.Get(reg::CardSize), "M");
    EXPECT_EQ(context.registers.Get(reg::CardSet), "003");
    EXPECT_EQ(presentation.EventsStartingWith("advice: Your video card's display is 800x600").size(), 1u);
}

TEST_F(LifecycleTest, AnAdviceThePlayerDeclinedIsRemembered)
{
    screen.width = 800;
    context.registers.Set(reg::CardSize, "X");
    presentation.adviceDontShowAgain = true;
    ASSERT_TRUE(Open(kFortyThieves));
    EXPECT_EQ(preferences.ReadString("Show_Messages", "Msg_Cards_Medium_800x600"), "N");
}

} // namespace
} // namespace marlowe
