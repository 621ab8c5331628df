#include "engine/game_resume.h"

#include "app/register_settings.h"
#include "engine/deal.h"
#include "engine/game_clock.h"
#include "engine/game_context.h"
#include "engine/preferences.h"
#include "engine/presentation.h"
#include "engine/shuffle.h"
#include "engine/table.h"

namespace marlowe {

namespace {

// The words of the running game a saved game keeps beside the snapshot's, in a fixed order.
template <typename Game>
auto SavedWords(Game& game)
{
    return std::array<decltype(&game.MoveCount), kSavedGameWords>{&game.MoveCount, &game.GameStarted,
                                                                   &game.StockPressed, &game.RandomDeal};
}

std::vector<Snapshot> SnapshotsOf(const MoveHistory& history)
{
    std::vector<Snapshot> snapshots;
    snapshots.reserve(history.Size());
    for (std::size_t i = 0; i < history.Size(); ++i)
        snapshots.push_back(history.At(i));
    return snapshots;
}

void Refill(MoveHistory& history, const std::vector<Snapshot>& snapshots)
{
    history.Clear();
    for (const Snapshot& snapshot : snapshots)
        history.Append(snapshot);
}

// Makes the saved game's game the current one; false (and nothing changed) when its rules
// cannot be read.
Outcome SwitchToGame(GameContext& context, Preferences& preferences, const SavedGame& saved, const ScreenFacts& screen)
{
    auto& registers = context.registers;
    const bool gameChanged = saved.gameNumber != context.CurrentGameNumber() || context.rules[rule::PackSize] == 0;
    if (!gameChanged)
        return Outcome::Success();
    const std::string previousNumber = registers.Get(reg::GameNumber);
    const std::string previousName = registers.Get(reg::GameName);
    registers.Set(reg::GameNumber, saved.gameNumber);
    registers.Set(reg::GameName, context.mainGame.GameName(saved.gameNumber));
    context.mainGame.CardSizeNoted = 0;
    const Preparation prepared = PrepareGame(context, preferences, screen);
    if (!prepared.loaded) {
        registers.Set(reg::GameNumber, previousNumber);
        registers.Set(reg::GameName, previousName);
    }
    return prepared.loaded;
}

} // namespace

SavedGame CaptureGame(const GameContext& context, int secondOfDay)
{
    SavedGame saved;
    saved.gameNumber = context.CurrentGameNumber();
    saved.gameName = context.registers.Get(reg::GameName);
    saved.player = CurrentPlayer(context.registers);
    saved.dealNumber = DealNumber(context);
    saved.elapsedSeconds = ElapsedSeconds(context, secondOfDay);
    saved.score = CurrentScore(context.registers);
    saved.autoplayOn = context.autoplayOn;
    const auto words = SavedWords(context.mainGame);
    for (std::size_t i = 0; i < words.size(); ++i)
        saved.words[i] = *words[i];
    saved.rules = context.rules.Values();
    saved.table = TakeSnapshot(context);
    saved.undo = SnapshotsOf(context.undoHistory);
    saved.redo = SnapshotsOf(context.redoHistory);
    saved.bookmark = context.bookmark;
    return saved;
}

Outcome CheckResumable(const GameContext& context, const SavedGame& saved)
{
    if (context.mainGame.GameName(saved.gameNumber).empty())
        return Outcome::Failure("The saved game \"" + saved.gameName + "\" (game number " +
                                std::to_string(saved.gameNumber) +
                                ") is no longer in the catalogue of games. It was not opened.");
    return Outcome::Success();
}

Outcome ResumeSavedGame(GameContext& context, Preferences& preferences, RandomSource& random, const SavedGame& saved,
                        const ScreenFacts& screen)
{
    if (Outcome resumable = CheckResumable(context, saved); !resumable)
        return resumable;
    EndGame(context);
    if (Outcome switched = SwitchToGame(context, preferences, saved, screen); !switched)
        return switched;
    auto& registers = context.registers;
    if (saved.player != CurrentPlayer(registers)) {
        registers.Set(reg::Player, saved.player);
        preferences.WriteString("Preference", "UserDefault", saved.player);
    }
    context.commands.game = true;

    // The deal sets up the cards of the pack; the saved table and rules then replace what it laid out.
    ClearTable(context, true);
    context.rules.RestoreRuleCopy();
    registers.Set(reg::DealNumber, saved.dealNumber);
    DealAndStart(context, random);
    for (std::size_t i = 0; i < saved.rules.size(); ++i)
        context.rules[static_cast<int>(i)] = saved.rules[i];
    RestoreSnapshot(context, saved.table);
    Refill(context.undoHistory, saved.undo);
    Refill(context.redoHistory, saved.redo);
    context.bookmark = saved.bookmark;
    const auto words = SavedWords(context.mainGame);
    for (std::size_t i = 0; i < words.size(); ++i)
        *words[i] = saved.words[i];
    context.mainGame.TableDrawn = 1;
    context.autoplayOn = saved.autoplayOn && context.autoplayAvailable;
    registers.Set(reg::Score, saved.score);
    SetElapsedSeconds(context, saved.elapsedSeconds, context.secondOfDay ? context.secondOfDay() : 0);
    context.commands.pauseAndQuit = true;

    UpdateTitle(context);
    context.presentation().ShowScore(saved.score);
    context.presentation().DrawTable(false);
    context.presentation().UpdateCommands();
    return Outcome::Success();
}

} // namespace marlowe
