// Whole games won through the play protocol: each file of tests/data/*.moves holds the actions
// of a won deal (found by `marlowe-cli solve`), headed by "# game N deal D". Replayed command by
// command, every action must be taken and the last one must win and end the game as won.

#include "app/text_file.h"
#include "app/text_helpers.h"
#include "engine/game_won.h"
#include "play_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <regex>

namespace marlowe {
namespace {

struct MovesFile {
    int game = 0;
    std::string dealNumber;
    std::vector<std::string> commands; // without comments and blank lines
};

MovesFile ReadMovesFile(const std::string& name)
{
    MovesFile file;
    const auto lines = ReadTextLines(std::filesystem::path(MARLOWE_SOURCE_DIR) / "tests" / "data" / name);
    EXPECT_TRUE(lines.has_value()) << name;
    static const std::regex header(R"(#\s*game\s+(\d+)\s+deal\s+(\d+).*)");
    for (const std::string& line : lines.value_or(std::vector<std::string>{})) {
        std::smatch match;
        if (std::regex_match(line, match, header)) {
            file.game = std::stoi(match[1]);
            file.dealNumber = match[2];
        } else if (!Trim(line).empty() && line.front() != '#') {
            file.commands.push_back(Trim(line));
        }
    }
    return file;
}

class WonGamesTest : public ::testing::TestWithParam<std::string> {};

TEST_P(WonGamesTest, EveryActionIsTakenAndTheGameEndsWon)
{
    const MovesFile file = ReadMovesFile(GetParam());
    ASSERT_GT(file.game, 0) << "the file names its game and deal in its first line";
    ASSERT_FALSE(file.commands.empty());

    testing::ProtocolGame play(testing::ShippedCatalogue(), file.game, file.dealNumber);
    ASSERT_TRUE(play.started) << play.messages.str();
    std::vector<bool> recorded;
    play.context().recordGame = [&recorded](GameContext&, bool won) { recorded.push_back(won); };

    for (std::size_t i = 0; i < file.commands.size(); ++i) {
        EXPECT_FALSE(IsGameWon(play.context())) << "won before action " << i + 1;
        ASSERT_EQ(play.Run(file.commands[i]), "ok") << "action " << i + 1 << ": " << file.commands[i];
    }
    EXPECT_TRUE(IsGameWon(play.context()));
    EXPECT_EQ(recorded, std::vector<bool>{true}) << "the game is recorded once, as won";
    EXPECT_EQ(play.Run("state"), "ok");
    EXPECT_NE(play.printed.str().find("\nwon=1\n"), std::string::npos);
}

// Every moves file of tests/data, in name order, so a game's won deal is replayed once its file is there.
std::vector<std::string> MovesFiles()
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(MARLOWE_SOURCE_DIR) / "tests" / "data"))
        if (entry.path().extension() == ".moves")
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Shipped, WonGamesTest, ::testing::ValuesIn(MovesFiles()),
                         [](const auto& info) {
                             std::string name = info.param;
                             name = name.substr(0, name.find('.'));
                             std::string out;
                             for (const char c : name)
                                 if (std::isalnum(static_cast<unsigned char>(c)))
                                     out += c;
                             return out;
                         });

} // namespace
} // namespace marlowe
