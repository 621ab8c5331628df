#include "engine/play_command.h"

#include "app/text_helpers.h"
#include "engine/cards.h"

#include <cstdio>
#include <sstream>
#include <vector>

namespace marlowe {

namespace {

constexpr std::size_t kQuotedCharacters = 80;

enum class Argument { CardCode, Target, Pile, Switch };

struct CommandShape {
    std::string_view name;
    Command command;
    std::vector<Argument> arguments;
};

const CommandShape kCommands[] = {
    {"state", Command::State, {}},
    {"drop", Command::Drop, {Argument::CardCode, Argument::Target}},
    {"stock", Command::Stock, {}},
    {"click", Command::Click, {Argument::CardCode}},
    {"dblclick", Command::DoubleClick, {Argument::CardCode}},
    {"rclick", Command::RightClick, {Argument::CardCode}},
    {"press", Command::Press, {Argument::Pile}},
    {"undo", Command::Undo, {}},
    {"redo", Command::Redo, {}},
    {"autoplay", Command::Autoplay, {Argument::Switch}},
    {"hint", Command::Hint, {Argument::Pile}},
};

std::string_view ArgumentName(Argument argument)
{
    switch (argument) {
    case Argument::CardCode: return "card code";
    case Argument::Target:
    case Argument::Pile: return "pile name";
    case Argument::Switch: return "on or off";
    }
    return {};
}

// The bytes of a UTF-8 character by its first byte; 0 for a byte that cannot start one.
std::size_t Utf8Length(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead <= 0xdf)
        return 2;
    if (lead >= 0xe0 && lead <= 0xef)
        return 3;
    if (lead >= 0xf0 && lead <= 0xf4)
        return 4;
    return 0;
}

// The length of the well-formed UTF-8 character at the start of text when it is printable
// (no control character of either range), else 0.
std::size_t PrintableCharacterLength(std::string_view text)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const std::size_t length = Utf8Length(byte(0));
    if (length == 0 || text.size() < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
    const bool c0Control = byte(0) < 0x20 || byte(0) == 0x7f;
    const bool c1Control = byte(0) == 0xc2 && byte(1) < 0xa0;
    return c0Control || c1Control ? 0 : length;
}

// At most the first 80 characters of a line: printable characters as they are, every other
// byte as \xNN, and "..." when the line goes on.
std::string Excerpt(std::string_view line)
{
    std::string shown;
    std::size_t at = 0;
    for (std::size_t characters = 0; at < line.size() && characters < kQuotedCharacters; ++characters) {
        const std::size_t length = PrintableCharacterLength(line.substr(at));
        if (length > 0) {
            shown += line.substr(at, length);
            at += length;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", static_cast<unsigned char>(line[at++]));
            shown += escaped;
        }
    }
    return at < line.size() ? shown + "..." : shown;
}

bool IsDigits(std::string_view text)
{
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// Each reader takes one word into the command and returns what is wrong with it, or nothing.
std::string ReadCardCode(std::string_view word, PlayCommand& command)
{
    const auto code = ParseInteger(word);
    if (code && *code >= 1 && *code <= kLastJoker) {
        command.card = static_cast<int>(*code);
        return {};
    }
    return code || IsDigits(word) ? "card code out of range 1-" + std::to_string(kLastJoker) : "not a card code";
}

std::string ReadPile(std::string_view word, PlayCommand& command)
{
    const auto pile = ParsePileName(word);
    if (!pile)
        return "unknown pile";
    command.target = {*pile, -1};
    return {};
}

std::string ReadTarget(std::string_view word, bool tableauCellsArePlaces, PlayCommand& command)
{
    const std::size_t colon = word.find(':');
    const auto pile = ParsePileName(word.substr(0, colon));
    if (!pile)
        return "unknown pile";
    if (colon != std::string_view::npos && !(pile->group == PileGroup::Tableaus && tableauCellsArePlaces))
        return "pile " + PileName(*pile) + " has no cells";
    const auto target = ParsePileCellName(word);
    if (!target)
        return "not a cell number";
    command.target = *target;
    return {};
}

std::string ReadSwitch(std::string_view word, PlayCommand& command)
{
    if (word != "on" && word != "off")
        return "autoplay is on or off";
    command.on = word == "on";
    return {};
}

std::string ReadArgument(Argument argument, std::string_view word, bool tableauCellsArePlaces, PlayCommand& command)
{
    switch (argument) {
    case Argument::CardCode: return ReadCardCode(word, command);
    case Argument::Target: return ReadTarget(word, tableauCellsArePlaces, command);
    case Argument::Pile: return ReadPile(word, command);
    case Argument::Switch: return ReadSwitch(word, command);
    }
    return {};
}

} // namespace

ReadCommand ReadPlayCommand(std::string_view line, bool tableauCellsArePlaces)
{
    const auto fail = [&](const std::string& what) {
        return ReadCommand{{}, "error: " + what + ": '" + Excerpt(Trim(line)) + "'"};
    };
    std::istringstream split{std::string(line)};
    std::vector<std::string> words;
    for (std::string word; split >> word;)
        words.push_back(word);
    const CommandShape* shape = nullptr;
    for (const CommandShape& candidate : kCommands)
        if (!words.empty() && words.front() == candidate.name)
            shape = &candidate;
    if (!shape)
        return fail("unknown command");
    const std::size_t given = words.size() - 1;
    if (given < shape->arguments.size())
        return fail("missing " + std::string(ArgumentName(shape->arguments[given])));
    if (given > shape->arguments.size())
        return fail("too many arguments");
    ReadCommand read{{shape->command}, {}};
    for (std::size_t i = 0; i < given; ++i) {
        const std::string fault = ReadArgument(shape->arguments[i], words[i + 1], tableauCellsArePlaces, read.command);
        if (!fault.empty())
            return fail(fault);
    }
    return read;
}

} // namespace marlowe
