// How long loading the catalogue and one game's rules takes with a game file of 500 games.

#include "catalogue/main_game.h"
#include "catalogue/rule_loader.h"
#include "game_file_writer.h"

#include "app/text_file.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <unistd.h>

namespace {

using namespace marlowe;

// A program folder holding a game file of 500 generated games with every rule set.
class GeneratedGameFile {
public:
    GeneratedGameFile()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "marlowe-bench-XXXXXX").string();
        folder_ = ::mkdtemp(pattern.data());
        std::vector<gamec::CompiledGame> games;
        for (int number = 0; number < 500; ++number) {
            gamec::CompiledGame game;
            game.number = number;
            game.name = "Generated game " + std::to_string(number);
            game.family = 2 + number % 26;
            for (int index = 1; index < kRuleVectorSize; ++index)
                game.rules[static_cast<std::size_t>(index)] = static_cast<std::int16_t>((index * 7 + number) % 2000 - 1000);
            games.push_back(game);
        }
        WriteTextLines(folder_ / "GAMES.DAT", gamec::GameFileLines(games));
    }
    ~GeneratedGameFile() { std::filesystem::remove_all(folder_); }
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
};

const GeneratedGameFile& File()
{
    static const GeneratedGameFile file;
    return file;
}

void LoadCatalogueOf500Games(benchmark::State& state)
{
    TMainGame mainGame;
    mainGame.programFolder = File().folder();
    for (auto _ : state) {
        benchmark::DoNotOptimize(mainGame.LoadCatalogue());
        benchmark::DoNotOptimize(mainGame.Catalogue().size());
    }
}
BENCHMARK(LoadCatalogueOf500Games)->Unit(benchmark::kMillisecond);

void LoadRulesOfLastOf500Games(benchmark::State& state)
{
    TMainGame mainGame;
    mainGame.programFolder = File().folder();
    mainGame.LoadCatalogue();
    RuleVector rules;
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadRules(mainGame, 499, rules));
}
BENCHMARK(LoadRulesOfLastOf500Games)->Unit(benchmark::kMillisecond);

} // namespace
