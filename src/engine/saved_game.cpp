#include "engine/saved_game.h"

#include "engine/cards.h"
#include "engine/shuffle.h"

#include <charconv>
#include <cstdio>
#include <limits>
#include <tuple>

namespace marlowe {

namespace {

constexpr std::string_view kHeading = "Marlowe 2002 saved game";
constexpr std::string_view kEmptyPile = "-";
constexpr std::string_view kNoBookmark = "none";
// One snapshot on a line: its annotation, its words and its piles.
constexpr std::size_t kSnapshotTokens = 1 + std::tuple_size_v<decltype(Snapshot::words)> + kSnapshotPiles;

// ---- writing

std::string SnapshotText(const Snapshot& snapshot)
{
    std::string text = snapshot.annotation.empty() ? std::string(kEmptyPile) : snapshot.annotation;
    for (const std::int16_t word : snapshot.words)
        text += ' ' + std::to_string(word);
    for (const std::string& pile : snapshot.piles)
        text += ' ' + (pile.empty() ? std::string(kEmptyPile) : pile);
    return text;
}

template <typename Numbers>
std::string NumbersText(const Numbers& numbers)
{
    std::string text;
    for (const auto number : numbers)
        text += (text.empty() ? "" : " ") + std::to_string(number);
    return text;
}

// ---- reading

std::vector<std::string_view> Tokens(std::string_view line)
{
    std::vector<std::string_view> tokens;
    std::size_t at = 0;
    while (at < line.size()) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        if (end > at)
            tokens.push_back(line.substr(at, end - at));
        at = end + 1;
    }
    return tokens;
}

template <typename Number>
std::optional<Number> NumberIn(std::string_view token, Number low, Number high)
{
    long long value = 0;
    const auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    if (error != std::errc() || end != token.data() + token.size() || value < low || value > high)
        return std::nullopt;
    return static_cast<Number>(value);
}

std::optional<std::int16_t> Word(std::string_view token)
{
    return NumberIn<std::int16_t>(token, std::numeric_limits<std::int16_t>::min(),
                                  std::numeric_limits<std::int16_t>::max());
}

bool AllDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A pile as a snapshot keeps it: per card three digits of its code (000 a gap) and its face mark.
bool IsPileText(std::string_view pile)
{
    if (pile.size() % 4 != 0 || !AllDigits(pile))
        return false;
    for (std::size_t at = 0; at < pile.size(); at += 4) {
        const int code = *NumberIn<int>(pile.substr(at, 3), 0, 999);
        if (code > kLastJoker || (pile[at + 3] != '0' && pile[at + 3] != '1'))
            return false;
    }
    return true;
}

// The lines of the file, each taken with its key; a failure names the line and what was wrong.
class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    bool AtEnd() const { return at_ >= text_.size(); }
    int LineNumber() const { return line_; }

    // The next line, which must start with key and a space; the rest of the line.
    std::optional<std::string_view> Take(std::string_view key)
    {
        if (AtEnd()) {
            Fail("it ends before the line \"" + std::string(key) + "\" (the file is cut short)");
            return std::nullopt;
        }
        const std::string_view line = NextLine();
        if (line.size() <= key.size() || line.substr(0, key.size()) != key || line[key.size()] != ' ') {
            Fail("the line \"" + std::string(key) + " ...\" was expected");
            return std::nullopt;
        }
        return line.substr(key.size() + 1);
    }

    std::string_view NextLine()
    {
        ++line_;
        const std::size_t end = std::min(text_.find('\n', at_), text_.size());
        const std::string_view line = text_.substr(at_, end - at_);
        at_ = end + 1;
        return line;
    }

    void Fail(const std::string& what)
    {
        if (failure_.empty())
            failure_ = "line " + std::to_string(line_) + ": " + what;
    }
    bool Failed() const { return !failure_.empty(); }
    const std::string& Failure() const { return failure_; }

private:
    std::string_view text_;
    std::size_t at_ = 0;
    int line_ = 0;
    std::string failure_;
};

std::optional<Snapshot> SnapshotIn(LineReader& lines, std::string_view text)
{
    const std::vector<std::string_view> tokens = Tokens(text);
    if (tokens.size() != kSnapshotTokens) {
        lines.Fail("a table needs " + std::to_string(kSnapshotTokens) + " entries, it has " +
                   std::to_string(tokens.size()));
        return std::nullopt;
    }
    Snapshot snapshot;
    if (tokens[0] != kEmptyPile) {
        if (tokens[0].size() != 3 || !AllDigits(tokens[0])) {
            lines.Fail("\"" + std::string(tokens[0]) + "\" is no annotation");
            return std::nullopt;
        }
        snapshot.annotation = tokens[0];
    }
    std::size_t at = 1;
    for (std::int16_t& word : snapshot.words) {
        const std::optional<std::int16_t> value = Word(tokens[at++]);
        if (!value) {
            lines.Fail("\"" + std::string(tokens[at - 1]) + "\" is no counter of the game");
            return std::nullopt;
        }
        word = *value;
    }
    for (std::string& pile : snapshot.piles) {
        const std::string_view token = tokens[at++];
        if (token == kEmptyPile)
            continue;
        if (!IsPileText(token)) {
            lines.Fail("pile " + std::to_string(&pile - snapshot.piles.data() + 1) + " holds no cards that exist");
            return std::nullopt;
        }
        pile = token;
    }
    return snapshot;
}

template <std::size_t N>
bool WordsIn(LineReader& lines, std::string_view text, std::array<std::int16_t, N>& words, const char* what)
{
    const std::vector<std::string_view> tokens = Tokens(text);
    if (tokens.size() != N) {
        lines.Fail(std::string(what) + ": " + std::to_string(N) + " numbers expected, " +
                   std::to_string(tokens.size()) + " found");
        return false;
    }
    for (std::size_t i = 0; i < N; ++i) {
        const std::optional<std::int16_t> value = Word(tokens[i]);
        if (!value) {
            lines.Fail(std::string(what) + ": \"" + std::string(tokens[i]) + "\" is not a number in range");
            return false;
        }
        words[i] = *value;
    }
    return true;
}

bool HistoryIn(LineReader& lines, std::string_view key, std::vector<Snapshot>& history)
{
    const std::optional<std::string_view> count = lines.Take(key);
    if (!count)
        return false;
    const std::optional<int> n = NumberIn<int>(*count, 0, std::numeric_limits<int>::max());
    if (!n) {
        lines.Fail("\"" + std::string(*count) + "\" is no count of moves");
        return false;
    }
    for (int i = 0; i < *n; ++i) {
        const std::optional<std::string_view> text = lines.Take("move");
        if (!text)
            return false;
        std::optional<Snapshot> snapshot = SnapshotIn(lines, *text);
        if (!snapshot)
            return false;
        history.push_back(std::move(*snapshot));
    }
    return true;
}

Outcome Damaged(const std::string& why)
{
    return Outcome::Failure("The saved game is damaged (" + why + "). It was not opened.");
}

// Every line after the version, in the order the writer writes them.
Outcome ReadBody(LineReader& lines, SavedGame& game)
{
    auto fail = [&] { return Damaged(lines.Failure()); };
    const auto gameLine = lines.Take("game");
    if (!gameLine)
        return fail();
    const std::size_t space = gameLine->find(' ');
    const std::optional<int> number = NumberIn<int>(gameLine->substr(0, space), 0, 9999);
    if (!number || space == std::string_view::npos || space + 1 >= gameLine->size()) {
        lines.Fail("a game number from 0 to 9999 and the game's name were expected");
        return fail();
    }
    game.gameNumber = *number;
    game.gameName = gameLine->substr(space + 1);

    const auto player = lines.Take("player");
    if (!player)
        return fail();
    game.player = *player;

    const auto deal = lines.Take("deal");
    if (!deal)
        return fail();
    if (deal->size() != static_cast<std::size_t>(kDealNumberDigits) || !AllDigits(*deal)) {
        lines.Fail("a deal number has 13 digits");
        return fail();
    }
    game.dealNumber = *deal;

    const auto clock = lines.Take("clock");
    if (!clock)
        return fail();
    const std::optional<int> elapsed = NumberIn<int>(*clock, 0, 24 * 60 * 60 - 1);
    if (!elapsed) {
        lines.Fail("the playing time is seconds less than a day");
        return fail();
    }
    game.elapsedSeconds = *elapsed;

    const auto score = lines.Take("score");
    if (!score)
        return fail();
    const std::optional<int> points = NumberIn<int>(*score, -999999, 999999);
    if (!points) {
        lines.Fail("the score is a number of at most six digits");
        return fail();
    }
    game.score = *points;

    const auto autoplay = lines.Take("autoplay");
    if (!autoplay)
        return fail();
    if (*autoplay != "Y" && *autoplay != "N") {
        lines.Fail("autoplay is Y or N");
        return fail();
    }
    game.autoplayOn = *autoplay == "Y";

    const auto words = lines.Take("words");
    if (!words || !WordsIn(lines, *words, game.words, "the game's counters"))
        return fail();
    const auto rules = lines.Take("rules");
    if (!rules || !WordsIn(lines, *rules, game.rules, "the rules"))
        return fail();

    const auto table = lines.Take("table");
    if (!table)
        return fail();
    std::optional<Snapshot> current = SnapshotIn(lines, *table);
    if (!current)
        return fail();
    game.table = std::move(*current);

    if (!HistoryIn(lines, "undo", game.undo) || !HistoryIn(lines, "redo", game.redo))
        return fail();

    const auto bookmark = lines.Take("bookmark");
    if (!bookmark)
        return fail();
    if (*bookmark != kNoBookmark) {
        std::optional<Snapshot> marked = SnapshotIn(lines, *bookmark);
        if (!marked)
            return fail();
        game.bookmark = std::move(*marked);
    }
    return Outcome::Success();
}

} // namespace

std::string SavedGameChecksum(std::string_view body)
{
    // FNV-1a over the bytes: any changed, lost or added byte changes it.
    std::uint32_t hash = 2166136261u;
    for (const char c : body) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08x", hash);
    return digits;
}

std::string SavedGameText(const SavedGame& game)
{
    std::string body;
    auto line = [&](std::string_view key, const std::string& value) {
        body.append(key).append(" ").append(value).append("\n");
    };
    body.append(kHeading).append("\n");
    line("version", std::to_string(kSavedGameVersion));
    line("game", std::to_string(game.gameNumber) + " " + game.gameName);
    line("player", game.player);
    line("deal", game.dealNumber);
    line("clock", std::to_string(game.elapsedSeconds));
    line("score", std::to_string(game.score));
    line("autoplay", game.autoplayOn ? "Y" : "N");
    line("words", NumbersText(game.words));
    line("rules", NumbersText(game.rules));
    line("table", SnapshotText(game.table));
    for (const auto* history : {&game.undo, &game.redo}) {
        line(history == &game.undo ? "undo" : "redo", std::to_string(history->size()));
        for (const Snapshot& snapshot : *history)
            line("move", SnapshotText(snapshot));
    }
    line("bookmark", game.bookmark ? SnapshotText(*game.bookmark) : std::string(kNoBookmark));
    return body + "checksum " + SavedGameChecksum(body) + "\n";
}

SavedGameReading ReadSavedGame(std::string_view text)
{
    SavedGameReading reading;
    LineReader lines(text);
    if (lines.AtEnd() || lines.NextLine() != kHeading) {
        reading.outcome = Outcome::Failure("This file is not a saved game of Marlowe 2002. It was not opened.");
        return reading;
    }
    const auto version = lines.Take("version");
    const std::optional<int> number = version ? NumberIn<int>(*version, 1, 999999) : std::nullopt;
    if (!number) {
        reading.outcome = Damaged("its version is missing");
        return reading;
    }
    if (*number > kSavedGameVersion) {
        reading.outcome = Outcome::Failure("The saved game was written by a newer version of Marlowe 2002 (file version " +
                                           std::to_string(*number) + "). It was not opened.");
        return reading;
    }
    // The checksum line ends the file; the bytes before it must give its checksum.
    const std::size_t last = text.rfind("\nchecksum ");
    const std::string_view tail = last == std::string_view::npos ? std::string_view() : text.substr(last + 10);
    if (tail.empty() || tail.back() != '\n' || tail.find('\n') != tail.size() - 1) {
        reading.outcome = Damaged("it has no checksum at its end: the file is cut short or has been added to");
        return reading;
    }
    const std::string_view body = text.substr(0, last + 1);
    if (tail.substr(0, tail.size() - 1) != SavedGameChecksum(body)) {
        reading.outcome = Damaged("its checksum does not match: the file has been changed");
        return reading;
    }
    LineReader bodyLines(body);
    bodyLines.NextLine();
    bodyLines.NextLine();
    reading.outcome = ReadBody(bodyLines, reading.game);
    if (reading.outcome && !bodyLines.AtEnd()) {
        bodyLines.NextLine();
        bodyLines.Fail("a line follows the bookmark");
        reading.outcome = Damaged(bodyLines.Failure());
    }
    return reading;
}

} // namespace marlowe
