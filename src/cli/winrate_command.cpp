#include "winrate_command.h"

#include "scratch_folder.h"

#include "app/system_helpers.h"
#include "app/text_helpers.h"
#include "catalogue/custom_games.h"
#include "engine/deal_sample.h"
#include "engine/play_protocol.h"
#include "engine/solver.h"
#include "engine/win_rate.h"

#include <atomic>
#include <cstdlib>
#include <iomanip>
#include <mutex>
#include <sstream>
#include <thread>

namespace marlowe {

namespace {

struct WinRateOptions {
    int game = 0;
    std::size_t deals = 1000;
    std::uint64_t seed = kDealSampleSeed;
    double budgetSeconds = 10;
    long long nodeLimit = 1'000'000'000; // the time budget is what ends a search
    int jobs = 1;
    bool verbose = false;
};

std::optional<double> ParsePositiveNumber(const std::string& text)
{
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (text.empty() || *end != '\0' || !(value > 0) || value > 1e6)
        return std::nullopt;
    return value;
}

std::optional<WinRateOptions> ParseOptions(const std::vector<std::string>& arguments, std::ostream& errors)
{
    const auto game = arguments.empty() ? std::nullopt : ParseInteger(arguments[0]);
    if (!game || *game < 0 || *game > 9999) {
        errors << "marlowe-cli: winrate needs a game number\n";
        return std::nullopt;
    }
    WinRateOptions options;
    options.game = static_cast<int>(*game);
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        const std::string& option = arguments[i];
        if (option == "--verbose") {
            options.verbose = true;
            continue;
        }
        const std::string value = i + 1 < arguments.size() ? arguments[++i] : "";
        const auto count = ParseInteger(value);
        if (option == "--deals" && count && *count > 0 && *count <= 10'000'000)
            options.deals = static_cast<std::size_t>(*count);
        else if (option == "--seed" && count && *count >= 0)
            options.seed = static_cast<std::uint64_t>(*count);
        else if (option == "--budget" && ParsePositiveNumber(value))
            options.budgetSeconds = *ParsePositiveNumber(value);
        else if (option == "--limit" && count && *count > 0)
            options.nodeLimit = *count;
        else if (option == "--jobs" && count && *count > 0 && *count <= 256)
            options.jobs = static_cast<int>(*count);
        else {
            errors << "marlowe-cli: winrate: '" << option << (value.empty() ? "" : " " + value)
                   << "' is not understood\n";
            return std::nullopt;
        }
    }
    return options;
}

double ThreadCpuSeconds()
{
    return std::chrono::duration<double>(ThreadProcessorTime()).count();
}

struct DealOutcome {
    SolveVerdict verdict = SolveVerdict::Unknown;
    long long positions = 0;
    double cpuSeconds = 0;
    bool dealt = false;
};

// Deals one deal number as "solve" does and solves it; what the engine says goes to messages.
DealOutcome SolveDeal(const TMainGame& mainGame, const WinRateOptions& options, const std::string& dealNumber,
                      const std::filesystem::path& folder, std::ostream& messages)
{
    std::ostringstream unused;
    PlayProtocol protocol(mainGame, folder, unused, messages);
    if (!protocol.Start(options.game, dealNumber, false))
        return {};
    SolverOptions solver;
    solver.nodeLimit = options.nodeLimit;
    solver.timeLimit = std::chrono::milliseconds(static_cast<long long>(options.budgetSeconds * 1000));
    solver.clock = SolverClock::Cpu; // the figures must not depend on what else the machine runs
    const double started = ThreadCpuSeconds();
    const SolveResult result = Solve(protocol.context(), solver);
    return {result.verdict, result.nodes, ThreadCpuSeconds() - started, true};
}

struct WinTally {
    long long won = 0;
    long long unwinnable = 0;
    long long unknown = 0;
    long long undealt = 0;
    long long positions = 0;
    double cpuSeconds = 0;

    void Add(const DealOutcome& outcome)
    {
        if (!outcome.dealt)
            ++undealt;
        else if (outcome.verdict == SolveVerdict::Won)
            ++won;
        else if (outcome.verdict == SolveVerdict::Unwinnable)
            ++unwinnable;
        else
            ++unknown;
        positions += outcome.positions;
        cpuSeconds += outcome.cpuSeconds;
    }
};

void PrintRate(std::ostream& out, const std::string& key, long long won, long long played)
{
    const RateInterval interval = WilsonInterval(won, played);
    out << key << ": " << (played > 0 ? static_cast<double>(won) / static_cast<double>(played) : 0.0) << '\n'
        << key << "-low: " << interval.low << '\n'
        << key << "-high: " << interval.high << '\n';
}

void PrintSummary(std::ostream& out, const TMainGame& mainGame, const WinRateOptions& options, const WinTally& tally)
{
    const long long deals = tally.won + tally.unwinnable + tally.unknown;
    out << "game: " << options.game << '\n'
        << "name: " << mainGame.GameName(options.game) << '\n'
        << "seed: " << options.seed << '\n'
        << "budget-seconds: " << std::defaultfloat << std::setprecision(6) << options.budgetSeconds << '\n'
        << std::fixed << std::setprecision(4) << "deals: " << deals << '\n'
        << "won: " << tally.won << '\n'
        << "unwinnable: " << tally.unwinnable << '\n'
        << "unknown: " << tally.unknown << '\n';
    PrintRate(out, "win-rate", tally.won, deals);
    PrintRate(out, "decided-win-rate", tally.won, tally.won + tally.unwinnable);
    out << std::setprecision(3) << "cpu-seconds: " << tally.cpuSeconds << '\n'
        << "positions: " << tally.positions << '\n'
        << std::setprecision(0) << "positions-per-second: "
        << (tally.cpuSeconds > 0 ? static_cast<double>(tally.positions) / tally.cpuSeconds : 0.0) << '\n';
}

} // namespace

std::optional<int> PrintWinRate(const TMainGame& mainGame, const std::vector<std::string>& arguments,
                                std::ostream& out, std::ostream& errors)
{
    const auto options = ParseOptions(arguments, errors);
    if (!options)
        return std::nullopt;
    if (options->game < kFirstCustomGameNumber && mainGame.CatalogueIndex(options->game) < 0) {
        errors << "marlowe-cli: there is no game " << options->game << "\n";
        return 2;
    }
    const std::vector<std::string> deals = SampleDealNumbers(options->deals, options->seed);
    std::atomic<std::size_t> next{0};
    std::mutex reporting;
    WinTally tally;
    auto work = [&] {
        const ScratchFolder folder;
        for (std::size_t k = next++; k < deals.size(); k = next++) {
            std::ostringstream messages;
            const DealOutcome outcome = SolveDeal(mainGame, *options, deals[k], folder.path(), messages);
            const std::lock_guard lock(reporting);
            errors << messages.str();
            tally.Add(outcome);
            if (options->verbose && outcome.dealt)
                out << "deal " << deals[k] << ": " << VerdictText(outcome.verdict) << ", " << outcome.positions
                    << " positions, " << std::fixed << std::setprecision(3) << outcome.cpuSeconds << " s\n"
                    << std::flush;
        }
    };
    {
        std::vector<std::jthread> workers;
        for (int j = 1; j < options->jobs; ++j)
            workers.emplace_back(work);
        work();
    }
    if (tally.undealt > 0)
        errors << "marlowe-cli: " << tally.undealt << " deals could not be dealt\n";
    PrintSummary(out, mainGame, *options, tally);
    return tally.undealt > 0 ? 1 : 0;
}

} // namespace marlowe
