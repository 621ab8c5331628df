#include "engine/lifecycle.h"

#include "app/register_settings.h"
#include "catalogue/game_traits.h"
#include "engine/autoplay.h"
#include "engine/deal.h"
#include "engine/deal_number_text.h"
#include "engine/event_sounds.h"
#include "engine/game_clock.h"
#include "engine/game_context.h"
#include "engine/game_won.h"
#include "engine/memory_games.h"
#include "engine/preferences.h"
#include "engine/presentation.h"
#include "engine/scoring.h"
#include "engine/shuffle.h"
#include "engine/table.h"
#include "engine/winnable_deal.h"

namespace marlowe {

namespace {

const char* const kPreference = "Preference";

// Shows an advice unless the player asked not to see it again, and remembers that wish.
void ShowAdviceBox(GameContext& context, Preferences& preferences, const std::string& key, const std::string& message)
{
    if (preferences.ReadString("Show_Messages", key, "") == "N")
        return;
    if (context.presentation().ShowAdvice(message))
        preferences.WriteString("Show_Messages", key, "N");
}

enum class Advice { Screen640, Screen800, Large, ExtraLarge };

// An advice about the forced card size, at most once per run and only while noting is due.
void NoteCardSize(GameContext& context, Preferences& preferences, Advice advice)
{
    auto& game = context.mainGame;
    if (game.CardSizeNoted != 0)
        return;
    game.CardSizeNoted = 1;
    auto& shown = advice == Advice::Screen640 ? game.Msg640Shown : game.CardSizeMsgShown;
    if (shown)
        return;
    shown = 1;
    // Each advice: its key in "Show_Messages", and its text around the game's name.
    struct AdviceText {
        const char* key;
        const char* before;
        const char* after;
    };
    static const AdviceText texts[] = {
        {"Msg_Cards_Medium_640x480",
         "Your video card's display is 640x480 pixels. For the best graphics display the screen resolution should "
         "be set to 800x600 pixels or higher. However, it's possible to play ",
         " using a predefined cards set."},
        {"Msg_Cards_Medium_800x600",
         "Your video card's display is 800x600 pixels. For the best graphics display of this game the screen "
         "resolution should be set to 1024x768 pixels or higher. However, it's possible to play ",
         " using a predefined Cards set."},
        {"Msg_Cards_Large", "You have selected the Large size Cards Set. It's possible to play ",
         " using a predefined Cards Set."},
        {"Msg_Extra_Large_Cards", "You have selected the Extra Large size Cards Set. It's possible to play ",
         " using a predefined Cards Set."},
    };
    const AdviceText& text = texts[static_cast<int>(advice)];
    ShowAdviceBox(context, preferences, text.key, text.before + context.registers.Get(reg::GameName) + text.after);
}

void SetCardSize(GameContext& context, const ScreenFacts& screen, const std::string& size)
{
    auto& registers = context.registers;
    registers.Set(reg::CardSize, size);
    registers.Set(reg::CustomisedCardSetFile, "N");
    registers.Set(reg::AdditionalCardSetFile, "N");
    registers.Set(reg::CardSet, size == "M" || screen.colours <= 256 ? "003" : "001");
}

// Moves a preference key's value to another key and empties the first.
void MoveKey(Preferences& preferences, const char* from, const char* to)
{
    preferences.WriteString(kPreference, to, preferences.ReadString(kPreference, from, ""));
    preferences.WriteString(kPreference, from, "");
}

// The player's card size back after a game that forced another one.
void RestoreSavedCardSize(GameContext& context, Preferences& preferences)
{
    auto& registers = context.registers;
    registers.Set(reg::CardSize, registers.Get(reg::SavedCardSize));
    registers.Set(reg::CardSet, registers.Get(reg::SavedCardSet));
    registers.Set(reg::CustomisedCardSetFile, registers.Get(reg::SavedCustomisedCardSetFile));
    registers.Set(reg::AdditionalCardSetFile, registers.Get(reg::SavedAdditionalCardSetFile));
    MoveKey(preferences, "Customized_Cards_Set_Old_Big", "Customized_Cards_Set");
    MoveKey(preferences, "Additional_Cards_Set_Old_Big", "Additional_Cards_Set");
    for (RegisterField saved :
         {reg::SavedCardSize, reg::SavedCardSet, reg::SavedCustomisedCardSetFile, reg::SavedAdditionalCardSetFile})
        registers.Set(saved, "");
    context.commands.customize = true;
}

void SaveCardSize(GameContext& context, Preferences& preferences, const std::string& size)
{
    auto& registers = context.registers;
    registers.Set(reg::SavedCardSize, size);
    registers.Set(reg::SavedCardSet, registers.Get(reg::CardSet));
    registers.Set(reg::SavedCustomisedCardSetFile, registers.Get(reg::CustomisedCardSetFile));
    registers.Set(reg::SavedAdditionalCardSetFile, registers.Get(reg::AdditionalCardSetFile));
    preferences.WriteString(kPreference, "Customized_Cards_Set_Old_Big",
                            preferences.ReadString(kPreference, "Customized_Cards_Set", ""));
    preferences.WriteString(kPreference, "Additional_Cards_Set_Old_Big",
                            preferences.ReadString(kPreference, "Additional_Cards_Set", ""));
}

// Fits the card size to what the game needs of the screen.
void FitCardSize(GameContext& context, Preferences& preferences, const ScreenFacts& screen)
{
    // "Auto" fits every board by itself.
    if (FollowsBoardSize(context.registers))
        return;
    const std::string size = context.registers.Get(reg::CardSize);
    const std::string saved = context.registers.Get(reg::SavedCardSize);
    const int width = screen.width;
    const int need = context.rules[rule::ScreenNeed];
    auto sizeIs = [&](const char* letter) { return size == letter || saved == letter; };

    const bool mustReduce = (need == 1 && width < 650) || (need == 2 && width < 1100) ||
                            (width < 650 && sizeIs("S")) || (width < 810 && need == 1 && sizeIs("S")) ||
                            (width < 810 && sizeIs("X"));
    if (!mustReduce) {
        if (!context.registers.Get(reg::SavedCardSet).empty())
            RestoreSavedCardSize(context, preferences);
        return;
    }
    if ((size == "B" || size == "S" || size == "X") && saved.empty())
        SaveCardSize(context, preferences, size);
    else
        context.mainGame.CardSizeNoted = 1;

    if (need == 1 && width < 650) {
        if (size != "M") {
            SetCardSize(context, screen, "M");
            NoteCardSize(context, preferences, Advice::Screen640);
        }
    } else if (need == 2 && width < 810) {
        if (size != "M") {
            SetCardSize(context, screen, "M");
            NoteCardSize(context, preferences, Advice::Screen800);
        }
    } else if (need == 2 && width < 1100) {
        if (size == "S" || size == "X") {
            SetCardSize(context, screen, "B");
            NoteCardSize(context, preferences, size == "S" ? Advice::Large : Advice::ExtraLarge);
        }
    } else if (width < 650 && (sizeIs("S") || sizeIs("X"))) {
        SetCardSize(context, screen, "B");
        NoteCardSize(context, preferences, size == "S" || saved == "S" ? Advice::Large : Advice::ExtraLarge);
    } else if (width < 810 && sizeIs("X")) {
        SetCardSize(context, screen, need == 1 ? "B" : "S");
        NoteCardSize(context, preferences, Advice::ExtraLarge);
    } else if (width < 810 && need == 1 && sizeIs("S")) {
        SetCardSize(context, screen, "B");
        NoteCardSize(context, preferences, Advice::Large);
    }
}

// Clears the per-game words before a deal.
void ClearGameWords(GameContext& context)
{
    auto& game = context.mainGame;
    game.TableDrawn = 0;
    game.MoveCount = 0;
    game.StockPressed = 0;
    game.Misses = 0;
    game.DealCounter = 0;
    game.DropRetryMark = 0;
    game.DraggedCard = 0;
    game.DragMoved = 0;
    game.GameStarted = -1;
    game.RandomDeal = 0;
}

// A freshly drawn deal must be one the solver proves winnable: the player asked for it, and the
// solver can judge the game.
bool WantsWinnableDeals(const GameContext& context, const Preferences& preferences)
{
    return preferences.ReadString(kPreference, "Winnable_Deals_Only") == "Y" && SolvesForThePlayer(context);
}

int SecondOfDay(const GameContext& context)
{
    return context.secondOfDay ? context.secondOfDay() : 0;
}

} // namespace

Preparation PrepareGame(GameContext& context, Preferences& preferences, const ScreenFacts& screen)
{
    Preparation preparation;
    preparation.loaded = context.LoadRules();
    if (!preparation.loaded)
        return preparation;
    const std::string size = context.registers.Get(reg::CardSize);
    FitCardSize(context, preferences, screen);

    auto& game = context.mainGame;
    preparation.cardImagesChanged =
        context.registers.Get(reg::CardSize) != size || game.CurrentSpecialCardSet != context.rules[rule::SuitSheetMode];
    game.CurrentSpecialCardSet = context.rules[rule::SuitSheetMode];

    context.autoplayAvailable = context.rules[rule::AutoplayAvailable] != 0;
    context.commands.moveFinder = context.rules[rule::MoveFinderAvailable] == 1;
    context.commands.undoRedo = context.rules[rule::NoUndo] != 1;
    context.presentation().UpdateCommands();
    return preparation;
}

void FitChosenCardSize(GameContext& context, Preferences& preferences, const ScreenFacts& screen)
{
    if (context.rules[rule::PackSize] == 0)
        return;
    context.mainGame.CardSizeNoted = 0;
    FitCardSize(context, preferences, screen);
}

Outcome NewGame(GameContext& context, Preferences& preferences, RandomSource& random, int dealMode,
                const ScreenFacts& screen)
{
    UpdateTitle(context);
    auto& game = context.mainGame;
    if (game.AutoPlayMode == 3 && context.autoplayAvailable)
        context.autoplayOn = true;
    ClearGameWords(context);
    ClearTable(context, true);
    if (context.rules[rule::PackSize] != 0) {
        context.rules.RestoreRuleCopy();
    } else if (auto prepared = PrepareGame(context, preferences, screen); !prepared.loaded) {
        return prepared.loaded;
    }
    context.flags.Clear(ClockRunning);
    game.RedealsDone = 1;
    context.registers.Set(reg::Score, "0");
    if (dealMode == 2)
        game.RandomDeal = 1;
    if (dealMode == 2 && WantsWinnableDeals(context, preferences)) {
        DealWinnableGame(context, random);
    } else {
        if (dealMode == 2)
            NewDealNumber(context, random);
        DealAndStart(context, random);
    }
    UpdateTitle(context);

    context.presentation().DrawTable(context.registers.Get(reg::DealAnimation) != "N");
    game.TableDrawn = 1;
    StartClock(context, SecondOfDay(context));
    if (context.AutoplayActive()) {
        context.presentation().Wait(800, false);
        AutoplayCycle(context);
    }
    context.commands.pauseAndQuit = context.flags[GameInProgress]; // autoplay may have won it already
    context.presentation().UpdateCommands();
    if (SpecialTraitsOf(context.rules).wonTestAtDeal && IsGameWon(context)) {
        context.flags.Set(WonMark);
        EndGame(context);
    }
    return Outcome::Success();
}

void DealAndStart(GameContext& context, RandomSource& random)
{
    PrepareTableForDeal(context);
    DealGame(context, random);
    context.flags.Set(GameInProgress);
    context.flags.Clear(WonMark);
    RecomputeScore(context);
}

bool OpenGame(GameContext& context, Preferences& preferences, RandomSource& random, int number,
              const std::string& name, const std::string& player, int dealMode, bool remember,
              const ScreenFacts& screen)
{
    auto& registers = context.registers;
    const bool gameChanged = number != context.CurrentGameNumber();
    const bool playerChanged = player != CurrentPlayer(registers);
    if (!gameChanged && !playerChanged && context.flags[GameInProgress])
        return false;
    if (!ConfirmAbandon(context))
        return false;
    if (EndGame(context))
        return true; // the win has opened the game selection
    if (playerChanged) {
        registers.Set(reg::Player, player);
        preferences.WriteString(kPreference, "UserDefault", player);
        UpdateTitle(context);
    }
    auto& game = context.mainGame;
    if (gameChanged || game.CardSizeNoted == 2)
        game.CardSizeNoted = 0;
    const std::string previousNumber = registers.Get(reg::GameNumber);
    const std::string previousName = registers.Get(reg::GameName);
    registers.Set(reg::GameNumber, number);
    registers.Set(reg::GameName, name);
    if (gameChanged) {
        if (auto prepared = PrepareGame(context, preferences, screen); !prepared.loaded) {
            // A game whose rules cannot be read is not opened; the previous choice stays.
            registers.Set(reg::GameNumber, previousNumber);
            registers.Set(reg::GameName, previousName);
            context.presentation().ShowInfo(prepared.loaded.message());
            return false;
        }
    }
    if (!context.commands.game) {
        context.commands.game = true;
        context.presentation().UpdateCommands();
    }
    if (gameChanged)
        RestoreAutoplaySetting(context, preferences, number);
    if (auto dealt = NewGame(context, preferences, random, dealMode, screen); !dealt)
        context.presentation().ShowInfo(dealt.message());
    if (remember) {
        preferences.WriteInt(kPreference, "Game", number);
        preferences.WriteString(kPreference, "Game_Name", name);
        preferences.WriteInt(kPreference, "Game_TreeNum", -30);
        preferences.WriteInt(kPreference, "Game_TreePos", -1);
        preferences.WriteInt(kPreference, "Game_TreeType", -1);
    }
    return true;
}

bool EndGame(GameContext& context)
{
    if (!context.flags[GameInProgress])
        return false;
    auto& game = context.mainGame;
    const int goal = context.rules[rule::TargetScore];
    if (goal != 0)
        context.flags.Set(WonMark, CurrentScore(context.registers) >= goal);
    const bool won = context.flags[WonMark];
    StopClock(context, SecondOfDay(context));
    context.commands.pauseAndQuit = false;
    context.presentation().UpdateCommands();
    if (SpecialTraitsOf(context.rules).memorySummaryPage != kNoMemorySummary)
        context.presentation().ShowMemorySummary(MemorySummaryOf(context, won));
    if (context.recordGame)
        context.recordGame(context, won);

    game.DraggedCard = 0;
    game.DragMoved = 0;
    context.flags.Clear(WonMark);
    context.flags.Clear(GameInProgress);
    context.flags.Set(StopAutoPlay);
    game.CloseRequested = 0;
    if (won) {
        context.presentation().Wait(200, true);
        PlayEventSound(context, "Won", SoundSwitch::GameWon);
        context.presentation().CelebrateWin();
    }
    if (game.CloseRequested == 1)
        return won;
    if (won && !context.flags[GameInProgress])
        context.presentation().OpenGameSelection();
    return won;
}

bool ConfirmAbandon(GameContext& context, const std::string& text)
{
    if (context.flags[WinAnimationRunning])
        return false;
    if (context.registers.Get(reg::ConfirmQuitGame) == "N")
        return true;
    if (context.flags[GameInProgress] && !context.flags[WonMark])
        return context.presentation().Confirm(text);
    return true;
}

void NewGameCommand(GameContext& context, Preferences& preferences, RandomSource& random)
{
    if (!ConfirmAbandon(context))
        return;
    if (EndGame(context))
        return;
    PlaySoundNoInterrupt(context, "New", SoundWanted(context, SoundSwitch::NewGame));
    if (auto dealt = NewGame(context, preferences, random, 2); !dealt)
        context.presentation().ShowInfo(dealt.message());
}

std::string GameTitle(const GameContext& context)
{
    std::string title = "Marlowe 2002 5.8  [" + context.registers.Get(reg::GameName) + "]";
    const std::string deal = context.registers.Get(reg::DealNumber);
    if (!deal.empty())
        title += "  [Deal " + ReadableDealNumber(deal) + "]";
    return title;
}

void UpdateTitle(GameContext& context)
{
    const std::string title = GameTitle(context);
    if (title == context.windowTitle)
        return;
    context.windowTitle = title;
    context.presentation().SetTitle(title);
}

} // namespace marlowe
