// The rules pages of the help: the wording of the shipped games' rules, the hand-written
// paragraphs of their sources, the escaping of the page text, and the pages the compiler writes.

#include "catalogue/rule_values.h"
#include "catalogue/rules_page.h"
#include "catalogue/rules_wording.h"
#include "game_compiler.h"
#include "game_source.h"
#include "help_pages_writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace marlowe {
namespace {

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

struct ShippedGames {
    std::vector<gamec::GameSource> sources;
    std::vector<gamec::CompiledGame> games;
};

const ShippedGames& Shipped()
{
    static const ShippedGames shipped = [] {
        ShippedGames result;
        const std::filesystem::path folder = std::filesystem::path(MARLOWE_SOURCE_DIR) / "data" / "games";
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.path().extension() == ".game")
                result.sources.push_back(gamec::ParseGameSource(ReadText(entry.path()), entry.path().string()));
        result.games = gamec::CompileGames(result.sources);
        return result;
    }();
    return shipped;
}

const gamec::CompiledGame& Game(const std::string& name)
{
    const auto& games = Shipped().games;
    const auto found = std::find_if(games.begin(), games.end(), [&](const auto& g) { return g.name == name; });
    if (found == games.end())
        throw std::runtime_error("no shipped game " + name);
    return *found;
}

RuleVector RulesOf(const std::string& name)
{
    RuleVector rules;
    const auto& game = Game(name);
    for (int i = 0; i < kRuleVectorSize; ++i)
        rules[i] = game.rules[static_cast<std::size_t>(i)];
    return rules;
}

// Every worded sentence of the game, one per line.
std::string Worded(const RuleVector& rules)
{
    std::string text;
    for (const auto& section : WordRules(rules))
        for (const auto& sentence : section.sentences)
            text += sentence + "\n";
    return text;
}

std::string Worded(const std::string& name)
{
    return Worded(RulesOf(name));
}

#define EXPECT_SAYS(text, phrase) \
    EXPECT_NE((text).find(phrase), std::string::npos) << "missing: " << (phrase) << "\nin:\n" << (text)

TEST(RulesPage, WordsTheBuildingAndPilesOfTheClassicGames)
{
    const auto freecell = Worded("FreeCell");
    EXPECT_SAYS(freecell, "four free cells");
    EXPECT_SAYS(freecell, "The tableau piles build down in alternating colours.");
    EXPECT_SAYS(freecell, "The foundations build up in suit from the Ace to the King.");
    EXPECT_SAYS(freecell, "An empty tableau pile may be filled with any card or run.");
    EXPECT_SAYS(freecell, "the free cells and empty tableau piles would let you move it one card at a time");
    EXPECT_SAYS(freecell, "The first four tableau piles receive seven cards each, the other four six cards each, all face up.");
    EXPECT_SAYS(freecell, "There is no stock");
    EXPECT_SAYS(freecell, "You win when all 52 cards are on the foundations.");

    const auto klondike = Worded("Klondike");
    EXPECT_SAYS(klondike, "The tableau piles receive 1, 2, 3, 4, 5, 6 and 7 cards, only the top card of each face up.");
    EXPECT_SAYS(klondike, "only with a King or a run headed by a King");
    EXPECT_SAYS(klondike, "Click the stock to turn one card onto the waste.");
    EXPECT_SAYS(klondike, "the passes through the stock are unlimited");
    EXPECT_SAYS(Worded("Klondike by Threes"), "Click the stock to turn three cards onto the waste.");

    const auto canfield = Worded("Canfield");
    EXPECT_SAYS(canfield, "Each of the four tableau piles receives one card, face up.");
    EXPECT_SAYS(canfield, "The reserve receives 13 cards, only its top card face up.");
    EXPECT_SAYS(canfield, "A face-down reserve card turns face up as soon as the card on it is played.");
    EXPECT_SAYS(canfield, "turning the corner from King to Ace");
    EXPECT_SAYS(canfield, "turning the corner (a King goes on an Ace)");
    EXPECT_SAYS(canfield, "Only the top card of a pile, or the whole pile, moves.");
    EXPECT_SAYS(canfield, "While the reserve holds cards, an empty tableau pile is filled at once with its top card.");

    EXPECT_SAYS(Worded("Yukon"), "the top five cards of each face up (all of a shorter pile)");
    EXPECT_SAYS(Worded("Yukon"), "Any face-up card may be moved together with all the cards on it, in sequence or not.");
    EXPECT_SAYS(Worded("Forty Thieves"), "There is only one pass through the stock: no redeal.");
    EXPECT_SAYS(Worded("Forty Thieves"), "The game is played with two packs, 104 cards in all.");
    EXPECT_SAYS(Worded("Eight Off"), "The first four free cells receive one card each, face up.");
    EXPECT_SAYS(Worded("Parallels"), "Only the first tableau pile receives cards: ten cards, all face up.");
    EXPECT_SAYS(Worded("Beleaguered Castle"), "the four Aces are taken out of the pack and start the foundations");
    EXPECT_SAYS(Worded("Baker's Dozen"), "An empty tableau pile stays empty.");
    EXPECT_SAYS(Worded("La Belle Lucie"),
                "The first 17 tableau piles receive three cards each, the last one card, all face up.");
    EXPECT_SAYS(Worded("Sir Tommy"), "All 52 cards form the stock, face down.");
    EXPECT_SAYS(Worded("Counting Clock"), "An empty reserve takes any single card");
    EXPECT_SAYS(Worded("Clock"), "Click the top card of the pile the last card named, the centre first");
    EXPECT_SAYS(Worded("Concentration"), "You win when every card has been taken from the table.");
}

TEST(RulesPage, WordsTheRulesOfTheKlondikeCanfieldAndYukonVariants)
{
    EXPECT_SAYS(Worded("Thumb and Pouch"), "The tableau piles build down in any suit but the card's own.");
    EXPECT_SAYS(Worded("Kingsley"), "only with an Ace or a run headed by an Ace");
    EXPECT_SAYS(Worded("Gold Rush"), "Click the stock to turn three cards onto the waste on the first pass, one card fewer on "
                                     "each pass after it, down to one.");
    EXPECT_SAYS(Worded("Gate"), "filled at once with the top card of the reserve holding more cards");
    EXPECT_SAYS(Worded("Dutchess"), "from the rank of the first card played to them, which comes from a reserve");
    EXPECT_SAYS(Worded("Dutchess"), "An empty tableau pile takes a reserve card while the reserves hold any, then a card "
                                    "from the waste.");
    EXPECT_SAYS(Worded("Eagle Wing"), "The reserve receives 13 cards, only its bottom card face up.");
    EXPECT_SAYS(Worded("Eagle Wing"), "A tableau pile holds at most 3 cards.");
    EXPECT_SAYS(Worded("Russian Solitaire"), "Any face-up card may be moved together with all the cards on it");
}

TEST(RulesPage, WordsSpecialFoundationsAndTheGamesOfRemovals)
{
    const auto spider = Worded("Spider (Two Suits)");
    EXPECT_SAYS(spider, "take only a complete run from King down to Ace in one suit");
    EXPECT_SAYS(spider, "A run moves as a unit only when it is all of one suit.");
    EXPECT_SAYS(spider, "it cannot deal while a tableau pile is empty");

    const auto calculation = Worded("Calculation");
    EXPECT_SAYS(calculation, "Foundation 2 can build up by twos regardless of suit, counting on past the King from the 2.");
    EXPECT_SAYS(calculation, "never a card from another tableau pile");

    const auto pyramid = Worded("Pyramid");
    EXPECT_SAYS(pyramid, "whose ranks add up to 13");
    EXPECT_SAYS(pyramid, "a King is removed by itself");
    EXPECT_SAYS(pyramid, "three passes through the stock");
    for (const auto& section : WordRules(RulesOf("Pyramid")))
        EXPECT_NE(section.heading, "Building") << "nothing is built in a game of removals";

    EXPECT_SAYS(Worded("Monte Carlo"), "two cards of the same rank that touch");
    EXPECT_SAYS(Worded("Gaps"), "You win when each row holds one suit in order from the 2 to the King.");
    EXPECT_SAYS(Worded("Gaps"), "you may do this twice.");
    EXPECT_SAYS(Worded("Free Parking"), "or the card one rank below the card on its right, in the same suit. A gap at the "
                                        "left end of a row takes only a 2.");
    const auto maze = Worded("Maze");
    EXPECT_SAYS(maze, "The Kings are then taken out, each leaving a gap in its place");
    EXPECT_SAYS(maze, "the last cell into the first");
    EXPECT_SAYS(maze, "an Ace may also follow any Queen");
    EXPECT_SAYS(maze, "four runs from the Ace to the Queen");
    const auto sieben = Worded("Sieben bis As");
    EXPECT_SAYS(sieben, "then goes from the rows to a foundation, each leaving a gap");
    EXPECT_SAYS(sieben, "an Ace coming after a King");
    EXPECT_SAYS(sieben, "takes only the card one rank below the card on its right");
    EXPECT_SAYS(sieben, "only when the cell on its left is empty");
    EXPECT_SAYS(Worded("Golf"), "Click the top card of a tableau pile to play it onto the waste pile.");
}

TEST(RulesPage, WordsSetsOfFourTheUnderStockRedealAndCourtSlots)
{
    EXPECT_SAYS(Worded("Perpetual Motion"), "take the four cards of a rank together, which leave the tableau by themselves");
    const auto valentine = Worded("Valentine");
    EXPECT_SAYS(valentine, "when the waste is empty: it holds one card.");
    EXPECT_SAYS(valentine, "a click on the stock puts every tableau card under the stock");
    EXPECT_SAYS(valentine, "An empty tableau pile takes no card by hand.");
    EXPECT_EQ(valentine.find("stays empty"), std::string::npos) << "the stock fills its empty piles";
    EXPECT_SAYS(valentine, "You win when each tableau pile holds one whole suit");
    const auto suitElevens = Worded("Suit Elevens");
    EXPECT_SAYS(suitElevens, "two cards of one suit from Ace to 10 that add up to 11");
    EXPECT_SAYS(suitElevens, "goes into a court slot");
}

TEST(RulesPage, WordsTheRoundsOfPlacing)
{
    const auto slyFox = Worded("Sly Fox");
    EXPECT_SAYS(slyFox, "while a round of placing is under way, they take no card from the tableau piles");
    EXPECT_SAYS(slyFox, "starts a round of placing: 20 cards must go from the waste onto the piles");
    EXPECT_SAYS(slyFox, "cards played from the waste to a foundation do not count");
    EXPECT_SAYS(slyFox, "Until the first card is placed from the waste onto a pile, an empty tableau pile is filled at "
                        "once with the top card of the waste");
    EXPECT_SAYS(slyFox, "You win when all 104 cards are on the foundations.");
    EXPECT_EQ(Worded("Colorado").find("round of placing"), std::string::npos) << "only Sly Fox plays in rounds";
}

// Camelot's page says where each court goes, when sets may leave, when the stock turns and how
// the game is won.
TEST(RulesPage, WordsThePlacingAndRemovingPhasesOfCamelot)
{
    const auto camelot = Worded("Camelot");
    EXPECT_SAYS(camelot, "a King only to a corner");
    EXPECT_SAYS(camelot, "Once every place holds a card, click a 10 to remove it, or two cards that add up to 10");
    EXPECT_SAYS(camelot, "once you turn the next card, nothing more leaves until the square is full again");
    EXPECT_SAYS(camelot, "only while the waste is empty and a place of the square is free");
    EXPECT_SAYS(camelot, "only the twelve court cards are left, framing the square");
}

bool HasSection(const RuleVector& rules, const std::string& heading)
{
    const auto sections = WordRules(rules);
    return std::any_of(sections.begin(), sections.end(), [&](const auto& s) { return s.heading == heading; });
}

// The page words clicks instead of building exactly for the games the engine plays by clicks: the
// selection games (a selection mode, or the pyramids) and the memory games. A pairing code alone,
// without a selection mode, is played by dragging, and its page says how the piles build.
// Stripped packs end their runs on the ranks they hold, and the steps past four are named.
TEST(RulesPage, WordsStrippedPacksAndLongerSteps)
{
    const auto thirty = Worded("Thirty");
    EXPECT_SAYS(thirty, "The foundations build up in suit from the Ace to the King.");
    EXPECT_SAYS(thirty, "the next rank up is the next one the pack holds");
    const auto xerxes = Worded("Xerxes");
    EXPECT_SAYS(xerxes, "The 2s to 8s are taken out, leaving 24 cards in each pack.");
    EXPECT_SAYS(xerxes, "every 9 goes to the next foundation");
    EXPECT_SAYS(Worded("Imaginary Thirteen"), "Foundation 8 can build up by eights regardless of suit, counting on past the King from the 8.");
    EXPECT_SAYS(Worded("Sticko"), "one rank down in the other suit of its colour");
    EXPECT_SAYS(Worded("Doublets"), "twice the rank of their top card");
    EXPECT_SAYS(Worded("Royal Cotillion"), "build up in suit by twos");
}

TEST(RulesPage, WordsClicksForTheGamesPlayedByClicks)
{
    EXPECT_FALSE(HasSection(RulesOf("Concentration"), "Building"));
    EXPECT_EQ(Worded("Concentration").find("only one pass through the stock"), std::string::npos);
    EXPECT_FALSE(HasSection(RulesOf("Monte Carlo"), "Building"));

    auto dragged = RulesOf("Monte Carlo");
    dragged[rule::SelectionMode] = 0;
    EXPECT_TRUE(HasSection(dragged, "Building"));
    EXPECT_SAYS(Worded(dragged), "There is only one pass through the stock: no redeal.");
    EXPECT_EQ(Worded(dragged).find("two cards of the same rank that touch"), std::string::npos);
}

// Every game won by a test of its own says what that goal is; the row games, the hands of
// Baccarat and the codes decided alike are worded from the rules alone.
TEST(RulesPage, WordsTheGoalOfEveryGameWonByItsOwnTest)
{
    EXPECT_SAYS(Worded("Aces Up"), "You win when the stock is out and each tableau pile holds only an Ace.");
    const auto baccarat = Worded("Baccarat");
    EXPECT_SAYS(baccarat, "deal a hand of two cards onto the first two tableau piles");
    EXPECT_SAYS(baccarat, "The game ends, won, when the whole pack has been played out in hands");

    auto row = RulesOf("Aces Up");
    row[rule::TableauCount] = 1;
    row[rule::SpecialGame] = 21;
    EXPECT_SAYS(Worded(row), "lying between two cards of the same suit or the same rank");
    EXPECT_SAYS(Worded(row), "only two cards are left in the row");
    row[rule::SpecialGame] = 22;
    EXPECT_SAYS(Worded(row), "the two lie side by side, every other card gone");
    for (const int code : {9, 21, 22, 27, 31, 41, 43, 45, 48, 49, 52, 55, 57, 58, 62, 64, 65, 70, 72, 73, 74, 83, 85}) {
        row[rule::SpecialGame] = static_cast<std::int16_t>(code);
        EXPECT_EQ(Worded(row).find("goal of its own"), std::string::npos) << code;
        EXPECT_FALSE(wording::OwnGoal(row).empty()) << code;
    }
}

// The row games deal onto one fanned row; Royal Marriage's Queen of hearts comes out of the stock.
TEST(RulesPage, WordsTheDealOfTheRowGames)
{
    const auto pushPin = Worded("Push Pin");
    EXPECT_SAYS(pushPin, "Click the stock to deal one card face up onto the right end of the row");
    EXPECT_SAYS(pushPin, "The other 51 cards form the stock, face down.");

    const auto marriage = Worded("Royal Marriage");
    EXPECT_SAYS(marriage, "The Queen of hearts starts the tableau pile, face up");
    EXPECT_SAYS(marriage, "The other 51 cards form the stock, face down.");
    EXPECT_EQ(marriage.find("starts empty"), std::string::npos);
    EXPECT_EQ(marriage.find("All 52 cards"), std::string::npos);

    auto column = RulesOf("Push Pin");
    column[rule::TableauStyle] = pile_style::FannedDown;
    EXPECT_SAYS(Worded(column), "deal one card face up onto the tableau pile, as long as the stock lasts");
}

TEST(RulesPage, FollowsChangedRulesOfACustomGame)
{
    auto rules = RulesOf("Klondike");
    rules[rule::PassesAllowed] = 3;
    rules[rule::DrawCount] = 3;
    for (int k = 0; k < 7; ++k)
        rules.Of(rule::TableauBaseRank, k) = -1;
    const auto worded = Worded(rules);
    EXPECT_SAYS(worded, "You have three passes through the stock");
    EXPECT_SAYS(worded, "(two redeals)");
    EXPECT_SAYS(worded, "turn three cards");
    EXPECT_SAYS(worded, "An empty tableau pile may be filled with any card or run.");

    rules[rule::PassesAllowed] = 1;
    EXPECT_SAYS(Worded(rules), "There is only one pass through the stock: no redeal.");
}

TEST(RulesPage, EveryShippedPageSaysHowToWinInWholeSentences)
{
    for (const auto& game : Shipped().games) {
        const auto sections = WordRules(RulesOf(game.name));
        const bool saysHowToWin = std::any_of(sections.begin(), sections.end(),
                                              [](const RulesSection& s) { return s.heading == "How to win"; });
        EXPECT_TRUE(saysHowToWin) << game.name;
        for (const auto& section : sections)
            for (const auto& sentence : section.sentences) {
                EXPECT_TRUE(sentence.back() == '.') << game.name << ": " << sentence;
                EXPECT_TRUE(sentence.front() >= 'A' && sentence.front() <= 'Z') << game.name << ": " << sentence;
                EXPECT_EQ(sentence.find("  "), std::string::npos) << game.name << ": " << sentence;
                EXPECT_EQ(sentence.find("own (point"), std::string::npos) << game.name << " needs words for its rule";
            }
    }
}

TEST(RulesPage, PageCarriesTheNotesAndEscapesItsText)
{
    RulesPageNotes notes;
    notes.introduction = {"Play <carefully> & well."};
    notes.strategy = {"Free the \"Aces\" first."};
    const auto html = RulesPageHtml("Cats & <Dogs>", RulesOf("FreeCell"), notes);
    EXPECT_SAYS(html, "<title>Cats &amp; &lt;Dogs&gt;</title>");
    EXPECT_SAYS(html, "<h1>Cats &amp; &lt;Dogs&gt;</h1>");
    EXPECT_SAYS(html, "Play &lt;carefully&gt; &amp; well.");
    EXPECT_SAYS(html, "<h2>Hints</h2>");
    EXPECT_SAYS(html, "Free the &quot;Aces&quot; first.");
    EXPECT_SAYS(html, "<a href=\"contents.html\">Contents</a>");
    EXPECT_LT(html.find("Play &lt;carefully"), html.find("<h2>The cards")) << "the introduction comes first";
    EXPECT_EQ(RulesPageHtml("FreeCell", RulesOf("FreeCell")).find("<h2>Hints</h2>"), std::string::npos);
}

TEST(HelpPages, CompilerWritesATopicPerGameAndTheContents)
{
    testing::TempFolder folder;
    ASSERT_TRUE(gamec::WriteHelpPages(folder / "help", Shipped().games, Shipped().sources));
    const auto freecell = ReadText(folder / "help" / "3001.html");
    EXPECT_SAYS(freecell, "<h1>FreeCell</h1>");
    EXPECT_SAYS(freecell, "<p class=\"intro\">") << "the hand-written paragraph of freecell.game";
    EXPECT_SAYS(freecell, "<h2>Hints</h2>");
    EXPECT_SAYS(ReadText(folder / "help" / "3002.html"), "<h1>Klondike</h1>");

    const auto contents = ReadText(folder / "help" / "contents.html");
    for (const auto& game : Shipped().games) {
        EXPECT_TRUE(std::filesystem::exists(folder / "help" / HelpTopicFileName(kRulesTopicBase + game.number)));
        EXPECT_SAYS(contents, "\"" + std::to_string(kRulesTopicBase + game.number) + ".html\">");
    }
    EXPECT_LT(contents.find(">Baker's Dozen<"), contents.find(">Yukon<")) << "games in name order";
    for (const char* key : {"Ctrl+Z", "Ctrl+Y", "F2", "Ctrl+F12", "F7", "F11", "Space", "Double click", "F4", "Ctrl+L"})
        EXPECT_SAYS(contents, key);
    // The customize dialog's "&?" opens its topic, which leads back to the contents.
    EXPECT_SAYS(ReadText(folder / "help" / "1019.html"), "<h1>Customize</h1>");
    EXPECT_SAYS(ReadText(folder / "help" / "1019.html"), "href=\"contents.html\"");
}

} // namespace
} // namespace marlowe
