#include "engine/solver.h"

#include "engine/action_search.h"
#include "engine/card_model.h"
#include "engine/model_search.h"
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

SolveResult Solve(const GameContext& context, const SolverOptions& options)
{
    const auto started = std::chrono::steady_clock::now();
    // The card model plays the games it describes far faster than whole engine actions do.
    const std::optional<CardModel> model = CardModel::Of(context);
    SolveResult result = model ? SearchModel(context, *model, options) : SearchByActions(context, options);
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
