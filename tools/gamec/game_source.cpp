#include "game_source.h"

#include "app/text_helpers.h"
#include "catalogue/rule_parameters.h"
#include "catalogue/rule_values.h"
#include "engine/hint_file.h"

#include <cstdint>
#include <span>

namespace marlowe::gamec {

namespace {

bool EndsWith(std::string_view text, std::string_view tail)
{
    return text.size() >= tail.size() && text.substr(text.size() - tail.size()) == tail;
}

// The values of the parameter that a source may write by name.
std::span<const NamedRuleValue> SourceNamesOf(const RuleParameter& parameter)
{
    if (EndsWith(parameter.name, "BuildCode") || EndsWith(parameter.name, "RuleOverride"))
        return building::kSourceNames;
    if (EndsWith(parameter.name, "Direction"))
        return direction::kSourceNames;
    return {};
}

int ParseValue(const std::string& text, const RuleParameter& parameter, const SourceLocation& where)
{
    for (const NamedRuleValue& named : SourceNamesOf(parameter))
        if (named.name == text)
            return named.value;
    const auto value = ParseInteger(text);
    if (!value)
        throw CompileError(where, "'" + text + "' is not a value of " + std::string(parameter.name));
    if (*value < INT16_MIN || *value > INT16_MAX)
        throw CompileError(where, "the value " + text + " of " + std::string(parameter.name) +
                                      " does not fit in 16 bits");
    return static_cast<int>(*value);
}

std::vector<std::string> SplitList(const std::string& text)
{
    std::vector<std::string> items;
    std::size_t start = 0;
    while (true) {
        const auto comma = text.find(',', start);
        items.push_back(Trim(text.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos)
            return items;
        start = comma + 1;
    }
}

// A key "Name", or "Name[k]" naming pile k.
struct PileKey {
    std::string name;
    std::optional<int> pile;
};

PileKey SplitPileKey(const std::string& key, const SourceLocation& where)
{
    const auto open = key.find('[');
    if (open == std::string::npos)
        return {key, std::nullopt};
    const auto close = key.find(']', open);
    const auto number = close == std::string::npos ? std::nullopt
                                                    : ParseInteger(key.substr(open + 1, close - open - 1));
    if (!number || close + 1 != key.size())
        throw CompileError(where, "'" + key + "' is not a name with a pile number");
    return {Trim(key.substr(0, open)), static_cast<int>(*number)};
}

void AssignRule(GameSource& source, const std::string& key, const std::string& value, const SourceLocation& where)
{
    const auto [name, pile] = SplitPileKey(key, where);
    const auto parameter = FindRuleParameter(name);
    if (!parameter)
        throw CompileError(where, "unknown rule parameter '" + name + "'");

    if (pile) {
        if (parameter->count == 1)
            throw CompileError(where, std::string(parameter->name) + " is not a per-pile parameter");
        if (*pile < 0 || *pile >= parameter->count)
            throw CompileError(where, "pile " + std::to_string(*pile) + " is outside " + std::string(parameter->name) +
                                          "[0.." + std::to_string(parameter->count - 1) + "]");
        source.assignments.push_back({parameter->index + *pile, ParseValue(value, *parameter, where), where});
        return;
    }

    int next = 0;
    for (const auto& item : SplitList(value)) {
        int repeat = 1;
        std::string valueText = item;
        if (const auto star = item.find('*'); star != std::string::npos) {
            const auto count = ParseInteger(Trim(item.substr(star + 1)));
            if (!count || *count < 1)
                throw CompileError(where, "'" + item + "' is not a repeat of the form value*count");
            repeat = static_cast<int>(*count);
            valueText = Trim(item.substr(0, star));
        }
        const int parsed = ParseValue(valueText, *parameter, where);
        if (next + repeat > parameter->count)
            throw CompileError(where, std::string(parameter->name) + " lists more than " +
                                          std::to_string(parameter->count) + " values");
        for (int i = 0; i < repeat; ++i)
            source.assignments.push_back({parameter->index + next++, parsed, where});
    }
}

struct HintKind {
    std::string_view name;
    char pileLetter;
    int piles; // 0: the kind has no pile numbers
};

constexpr HintKind kHintKinds[] = {
    {"Hint.Tableau", kTableauHintLetter, kMaxTableaus},
    {"Hint.Foundation", kFoundationHintLetter, kMaxFoundations},
    {"Hint.Reserve", kReserveHintLetter, kMaxReserves},
    {"Hint.Stock", kStockHintLetter, 0},
    {"Hint.Waste", kWasteHintLetter, 0},
};

// "Hint.Kind" or "Hint.Kind[k]" with k 0-based; the hint file numbers piles from 1.
void AssignHint(GameSource& source, const std::string& key, const std::string& value, const SourceLocation& where)
{
    const auto [name, pile] = SplitPileKey(key, where);
    const HintKind* kind = nullptr;
    for (const auto& candidate : kHintKinds)
        if (candidate.name == name)
            kind = &candidate;
    if (!kind)
        throw CompileError(where, "unknown hint '" + name +
                                      "'; hints are Hint.Tableau, Hint.Foundation, Hint.Reserve, Hint.Stock and Hint.Waste");
    if (pile && kind->piles == 0)
        throw CompileError(where, name + " takes no pile number");
    if (pile && (*pile < 0 || *pile >= kind->piles))
        throw CompileError(where, "pile " + std::to_string(*pile) + " is outside " + name + "[0.." +
                                      std::to_string(kind->piles - 1) + "]");
    // The hint file keeps one text per line, scrambled by adding small numbers to each byte.
    for (const char c : value)
        if (static_cast<unsigned char>(c) < 32)
            throw CompileError(where, name + " holds a control character");
    source.hints.push_back({kind->pileLetter, pile ? *pile + 1 : kEveryPileHint, value, where});
}

template <typename T>
void SetOnce(std::optional<Located<T>>& field, T value, const std::string& key, const SourceLocation& where)
{
    if (field)
        throw CompileError(where, key + " is given twice (first at line " + std::to_string(field->where.line) + ")");
    field = Located<T>{std::move(value), where};
}

int HeaderNumber(const std::string& key, const std::string& value, const SourceLocation& where)
{
    const auto number = ParseInteger(value);
    if (!number || *number < 0 || *number > 999)
        throw CompileError(where, key + " must be a number from 0 to 999, not '" + value + "'");
    return static_cast<int>(*number);
}

bool HeaderFlag(const std::string& key, const std::string& value, const SourceLocation& where)
{
    if (value == "yes" || value == "1")
        return true;
    if (value == "no" || value == "0")
        return false;
    throw CompileError(where, key + " must be yes or no, not '" + value + "'");
}

char HeaderCharacter(const std::string& key, const std::string& value, const SourceLocation& where)
{
    if (value.size() != 1)
        throw CompileError(where, key + " must be one character, not '" + value + "'");
    return value.front();
}

} // namespace

GameSource ParseGameSource(std::string_view text, const std::string& fileName)
{
    GameSource source;
    source.file = fileName;
    int lineNumber = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const auto end = std::min(text.find('\n', start), text.size());
        std::string line(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        const SourceLocation where{fileName, lineNumber};

        if (const auto hash = line.find('#'); hash != std::string::npos)
            line.erase(hash);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        for (auto& c : line)
            if (c == '\t')
                c = ' ';
        line = Trim(line);
        if (line.empty())
            continue;
        const auto equals = line.find('=');
        if (equals == std::string::npos)
            throw CompileError(where, "expected 'Name = value', found '" + line + "'");
        const std::string key = Trim(line.substr(0, equals));
        const std::string value = Trim(line.substr(equals + 1));
        if (value.empty())
            throw CompileError(where, key + " has no value");

        if (key == "Number")
            SetOnce(source.number, HeaderNumber(key, value, where), key, where);
        else if (key == "Name")
            SetOnce(source.name, value, key, where);
        else if (key == "Family")
            SetOnce(source.family, HeaderNumber(key, value, where), key, where);
        else if (key == "Class")
            SetOnce(source.catalogueClass, HeaderCharacter(key, value, where), key, where);
        else if (key == "WideScreen")
            SetOnce(source.wideScreen, HeaderFlag(key, value, where), key, where);
        else if (key == "GroupMark")
            SetOnce(source.groupMark, HeaderCharacter(key, value, where), key, where);
        else if (key == "Selected")
            SetOnce(source.selected, HeaderFlag(key, value, where), key, where);
        else if (key == "DerivesFrom")
            SetOnce(source.derivesFrom, value, key, where);
        else if (key == "Rules.Text")
            source.rulesText.push_back(value);
        else if (key == "Rules.Strategy")
            source.rulesStrategy.push_back(value);
        else if (key.rfind("Hint.", 0) == 0)
            AssignHint(source, key, value, where);
        else
            AssignRule(source, key, value, where);
    }
    return source;
}

} // namespace marlowe::gamec
