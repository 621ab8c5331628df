// marlowe-cli: the command-line companion of the engine, reading the data files that the
// build put beside it.
//   marlowe-cli games      one line per catalogue game: number, family, name (tab-separated)
//   marlowe-cli rules N    the non-zero rule parameters of game N: index, name, value
//   marlowe-cli shuffle D [--pack N] [--jokers J]
//                          the pack order of deal number D, first dealt first
//   marlowe-cli deal N D   game N dealt from deal number D: one line per pile the game uses,
//                          NAME=snapshot text (code and face mark per card, "0000" a gap),
//                          then score=
//   marlowe-cli play N D [--autoplay on|off]
//                          plays game N from deal number D by commands on standard input:
//                          state, drop CARD PILE, drop CARD PILE:CELL (a cell of a row whose
//                          cells are places, from 1: "drop 15 Fila2:4"), stock,
//                          click/dblclick/rclick CARD, undo, redo, autoplay on|off, hint PILE;
//                          each answered ok / refused / error
//   marlowe-cli solve N D [--autoplay on|off] [--limit NODES] [--budget SECONDS]
//                          the actions that win game N from deal number D, one per line in the
//                          words of "play", then "# won|unwinnable|unknown: N positions, S s"
//                          (exit status 1 unless won)
//   marlowe-cli winrate N [--deals D] [--seed S] [--budget SECONDS] [--limit NODES] [--jobs J] [--verbose]
//                          solves D random deals of game N (1000, each within 10 s) and prints
//                          the counts won, unwinnable and unknown, the win rate with its 95 %
//                          interval, the processor time and positions per second, one
//                          "key: value" per line; --verbose first prints a line per deal
//   marlowe-cli layout N [--size B|Auto] [--width W --height H] [--screen-width SW --screen-height SH]
//                          the place of every pile of game N on a board of W x H (1024 x 768)
//                          with cards of the size letter: NAME x y, -10000 for no place
//   marlowe-cli render N D FILE.png [the options of layout]
//                          game N dealt from deal number D, drawn into a PNG picture

#include "app/text_helpers.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"
#include "catalogue/rule_parameters.h"
#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/scoring.h"
#include "engine/shuffle.h"
#include "engine/solver.h"
#include "engine/table_text.h"
#include "layout_command.h"
#include "render_command.h"
#include "play_session.h"
#include "winrate_command.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <vector>

using namespace marlowe;

namespace {

int Usage()
{
    std::cerr << "usage: marlowe-cli games\n"
                 "       marlowe-cli rules GAME-NUMBER\n"
                 "       marlowe-cli shuffle DEAL-NUMBER [--pack 52|104|156|208] [--jokers 0-4]\n"
                 "       marlowe-cli deal GAME-NUMBER DEAL-NUMBER\n"
                 "       marlowe-cli play GAME-NUMBER DEAL-NUMBER [--autoplay on|off]\n"
                 "           commands on standard input: state | drop CARD PILE | drop CARD PILE:CELL\n"
                 "           (a cell of a row of cells, counted from 1: drop 15 Fila2:4) | stock |\n"
                 "           click CARD | dblclick CARD | rclick CARD | press PILE (a click on a pile, empty or\n"
                 "           not: press Mazzo_Waste) | undo | redo | autoplay on|off | hint PILE\n"
                 "       marlowe-cli solve GAME-NUMBER DEAL-NUMBER [--autoplay on|off] [--limit NODES]\n"
                 "           [--budget SECONDS]\n"
                 "       marlowe-cli winrate GAME-NUMBER [--deals N] [--seed S] [--budget SECONDS]\n"
                 "           [--limit NODES] [--jobs J] [--verbose]\n"
                 "       marlowe-cli layout GAME-NUMBER [--size X|S|B|M|L|Auto] [--width W --height H]\n"
                 "                          [--screen-width SW --screen-height SH]\n"
                 "       marlowe-cli render GAME-NUMBER DEAL-NUMBER FILE.png [the options of layout]\n";
    return 2;
}

std::filesystem::path ProgramFolder()
{
    std::error_code error;
    const auto self = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::current_path() : self.parent_path();
}

std::filesystem::path DataFolder()
{
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "Marlowe";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local/share/Marlowe";
    return ProgramFolder() / "Data";
}

int ListGames(const TMainGame& mainGame)
{
    for (const auto& line : mainGame.Catalogue()) {
        const int number = CatalogueLineNumber(line);
        std::cout << number << '\t' << mainGame.GameFamily(number) << '\t' << CatalogueLineName(line) << '\n';
    }
    return 0;
}

int PrintRules(const TMainGame& mainGame, const std::string& argument)
{
    const auto number = ParseInteger(argument);
    if (!number || *number < 0 || *number > 9999)
        return Usage();
    const int game = static_cast<int>(*number);
    if (game < kFirstCustomGameNumber && mainGame.CatalogueIndex(game) < 0) {
        std::cerr << "marlowe-cli: there is no game " << game << "\n";
        return 2;
    }
    RuleVector rules;
    if (const auto loaded = LoadRules(mainGame, game, rules); !loaded) {
        std::cerr << "marlowe-cli: " << loaded.message() << "\n";
        return 1;
    }
    for (int index = 0; index < kRuleVectorSize; ++index)
        if (rules[index] != 0)
            std::cout << index << '\t' << RuleParameterName(index) << '\t' << rules[index] << '\n';
    return 0;
}

// A deal number of 1 to 13 digits.
bool IsDealNumber(const std::string& text)
{
    return !text.empty() && text.size() <= kDealNumberDigits &&
           text.find_first_not_of("0123456789") == std::string::npos;
}

// Messages the engine showed, for the user of the command line.
void ReportMessages(const RecordingPresentation& presentation)
{
    for (const auto& event : presentation.events)
        std::cerr << "marlowe-cli: " << event << "\n";
}

int PrintShuffle(int argc, char** argv)
{
    if (argc < 3 || !IsDealNumber(argv[2]))
        return Usage();
    RecordingPresentation presentation;
    GameContext context(presentation);
    context.rules[rule::PackSize] = 52;
    for (int i = 3; i < argc; i += 2) {
        const std::string option = argv[i];
        const long long value = i + 1 < argc ? ParseInteger(argv[i + 1]).value_or(-1) : -1;
        if (option == "--pack" && value > 0 && value <= 208) {
            context.rules[rule::PackSize] = static_cast<std::int16_t>(value);
        } else if (option == "--jokers" && value >= 0 && value <= 4) {
            context.rules[rule::JokersInPack] = value > 0 ? 1 : 0;
            context.rules[rule::JokerCount] = static_cast<std::int16_t>(value);
        } else {
            return Usage();
        }
    }
    context.registers.Set(reg::DealNumber, argv[2]);
    const std::vector<int> pack = ShuffledPack(context);
    ReportMessages(presentation);
    if (pack.empty())
        return 1;
    for (std::size_t i = 0; i < pack.size(); ++i)
        std::cout << (i > 0 ? " " : "") << pack[i];
    std::cout << '\n';
    return 0;
}

int PrintDeal(const TMainGame& mainGame, const std::string& gameArgument, const std::string& dealNumber)
{
    const auto number = ParseInteger(gameArgument);
    if (!number || *number < 0 || *number > 9999 || !IsDealNumber(dealNumber))
        return Usage();
    const int game = static_cast<int>(*number);
    if (game < kFirstCustomGameNumber && mainGame.CatalogueIndex(game) < 0) {
        std::cerr << "marlowe-cli: there is no game " << game << "\n";
        return 2;
    }
    RecordingPresentation presentation;
    GameContext context(presentation);
    if (const auto loaded = LoadRules(mainGame, game, context.rules); !loaded) {
        std::cerr << "marlowe-cli: " << loaded.message() << "\n";
        return 1;
    }
    PrepareTableForDeal(context);
    context.registers.Set(reg::DealNumber, dealNumber);
    context.registers.Set(reg::ScoringType, "01");
    SeededRandom random = SeededRandom::FromClock();
    DealGame(context, random);
    ReportMessages(presentation);
    PrintTable(context, std::cout);
    std::cout << "score=" << ComputeScore(context) << '\n';
    return 0;
}

// "play" and "solve": the game, the deal number and the options after them.
int PlayOrSolve(const TMainGame& mainGame, int argc, char** argv)
{
    const bool solve = std::string(argv[1]) == "solve";
    const auto number = ParseInteger(argv[2]);
    if (!number || *number < 0 || *number > 9999 || !IsDealNumber(argv[3]))
        return Usage();
    bool autoplay = false;
    SolverOptions options;
    for (int i = 4; i < argc; i += 2) {
        const std::string option = argv[i];
        const std::string value = i + 1 < argc ? argv[i + 1] : "";
        if (option == "--autoplay" && (value == "on" || value == "off"))
            autoplay = value == "on";
        else if (solve && option == "--limit" && ParseInteger(value).value_or(0) > 0)
            options.nodeLimit = *ParseInteger(value);
        else if (solve && option == "--budget" && ParseInteger(value).value_or(0) > 0)
            options.timeLimit = std::chrono::seconds(*ParseInteger(value));
        else
            return Usage();
    }
    const int game = static_cast<int>(*number);
    if (game < kFirstCustomGameNumber && mainGame.CatalogueIndex(game) < 0) {
        std::cerr << "marlowe-cli: there is no game " << game << "\n";
        return 2;
    }
    if (solve)
        return RunSolveSession(mainGame, game, argv[3], autoplay, options, std::cout, std::cerr);
    return RunPlaySession(mainGame, game, argv[3], autoplay, std::cin, std::cout, std::cerr);
}

} // namespace

int main(int argc, char** argv)
{
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "shuffle")
        return PrintShuffle(argc, argv);
    const bool known = (command == "games" && argc == 2) || (command == "rules" && argc == 3) ||
                       (command == "deal" && argc == 4) || ((command == "play" || command == "solve") && argc >= 4) ||
                       (command == "layout" && argc >= 3) || (command == "render" && argc >= 5) ||
                       (command == "winrate" && argc >= 3);
    if (!known)
        return Usage();

    TMainGame mainGame;
    mainGame.programFolder = ProgramFolder();
    mainGame.dataFolder = DataFolder();
    if (const auto loaded = mainGame.LoadCatalogue(); !loaded) {
        std::cerr << "marlowe-cli: " << loaded.message() << "\n";
        return 1;
    }
    if (command == "deal")
        return PrintDeal(mainGame, argv[2], argv[3]);
    if (command == "play" || command == "solve")
        return PlayOrSolve(mainGame, argc, argv);
    if (command == "render") {
        const auto status = RenderTableToFile(mainGame, std::vector<std::string>(argv + 2, argv + argc), std::cerr);
        return status ? *status : Usage();
    }
    if (command == "winrate") {
        const auto status = PrintWinRate(mainGame, std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
        return status ? *status : Usage();
    }
    if (command == "layout") {
        const auto status = PrintLayout(mainGame, std::vector<std::string>(argv + 2, argv + argc), std::cout, std::cerr);
        return status ? *status : Usage();
    }
    return command == "games" ? ListGames(mainGame) : PrintRules(mainGame, argv[2]);
}
