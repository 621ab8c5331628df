#include "play_session.h"

#include "app/text_helpers.h"
#include "engine/play_protocol.h"
#include "engine/solver.h"
#include "scratch_folder.h"

#include <filesystem>
#include <iomanip>
#include <sstream>

namespace marlowe {

int RunPlaySession(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay,
                   std::istream& in, std::ostream& out, std::ostream& messages)
{
    ScratchFolder folder;
    PlayProtocol session(mainGame, folder.path(), out, messages);
    if (!session.Start(game, dealNumber, autoplay))
        return 1;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        const std::string command = Trim(line);
        if (command.empty() || command.front() == '#')
            continue;
        out << session.Run(line) << '\n' << std::flush;
    }
    return 0;
}

int RunSolveSession(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay,
                    const SolverOptions& options, std::ostream& out, std::ostream& messages)
{
    ScratchFolder folder;
    std::ostringstream unused;
    PlayProtocol session(mainGame, folder.path(), unused, messages);
    if (!session.Start(game, dealNumber, autoplay))
        return 1;
    const SolveResult result = Solve(session.context(), options);
    for (const auto& action : result.actions)
        out << action << '\n';
    out << "# " << VerdictText(result.verdict) << ": " << result.nodes << " positions, " << std::fixed
        << std::setprecision(3) << result.seconds << " s\n";
    return result.Won() ? 0 : 1;
}

} // namespace marlowe
