#include "engine/solver.h"

#include "engine/action_search.h"
#include "engine/card_model.h"
#include "engine/model_search.h"
#include "engine/move_execution.h"
#include "engine/play_actions.h"
#include "engine/quiet_play.h"

namespace marlowe {

const char* VerdictText(SolveVerdict verdict)
{
    switch (verdict) {
    case SolveVerdict::Won: return "won";
    case SolveVerdict::Unwinnable: return "unwinnable";
    case SolveVerdict::Unknown: break;
    }
    return "unknown";
}

namespace {

// Where the game opens with a card the player sends to a foundation, which sets the rank every
// foundation starts with (Terrace), the rules the model carries out are known only once that
// card is chosen: each opening is searched apart on the model, with an equal share of the
// budget. Nothing: some opening leaves a game the model does not describe.
std::optional<SolveResult> SearchOpenings(const GameContext& context, const SolverOptions& options)
{
    if (!AwaitsFirstFoundationMove(context))
        return std::nullopt;
    SilentPresentation silent;
    GameContext quiet = QuietCopy(context, silent);
    struct Opening {
        PlayAction action;
        GameContext opened;
        CardModel model;
    };
    std::vector<Opening> openings;
    for (const PlayAction& action : CandidateActions(quiet)) {
        GameContext opened = quiet;
        if (!PerformAction(opened, action) || AwaitsFirstFoundationMove(opened))
            continue;
        std::optional<CardModel> model = CardModel::Of(opened);
        if (!model)
            return std::nullopt;
        openings.push_back({action, std::move(opened), std::move(*model)});
    }
    if (openings.empty())
        return std::nullopt;
    SolveResult result;
    SolverOptions share = options;
    const auto count = static_cast<long long>(openings.size());
    share.nodeLimit = std::max(1LL, options.nodeLimit / count);
    share.timeLimit = options.timeLimit / count;
    bool allLost = true;
    for (const Opening& opening : openings) {
        const SolveResult found = SearchModel(opening.opened, opening.model, share);
        result.nodes += found.nodes;
        allLost = allLost && found.verdict == SolveVerdict::Unwinnable;
        if (found.Won()) {
            result.verdict = SolveVerdict::Won;
            result.line = {opening.action};
            result.line.insert(result.line.end(), found.line.begin(), found.line.end());
            return result;
        }
    }
    if (allLost)
        result.verdict = SolveVerdict::Unwinnable;
    return result;
}

} // namespace

SolveResult Solve(const GameContext& context, const SolverOptions& options)
{
    const auto started = std::chrono::steady_clock::now();
    // The card model plays the games it describes far faster than whole engine actions do.
    const std::optional<CardModel> model = CardModel::Of(context);
    std::optional<SolveResult> opened = model ? std::nullopt : SearchOpenings(context, options);
    SolveResult result = model     ? SearchModel(context, *model, options)
                         : opened ? *opened
                                  : SearchByActions(context, options);
    // A line is believed only once the engine itself has played it to a win.
    if (result.Won() && !ReplayWins(context, result.line)) {
        result.verdict = SolveVerdict::Unknown;
        result.line.clear();
    }
    for (const auto& action : result.line)
        result.actions.push_back(ActionText(action));
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    return result;
}

} // namespace marlowe
