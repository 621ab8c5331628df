#include "game_compiler.h"

#include "app/text_helpers.h"
#include "catalogue/rule_values.h"
#include "engine/hint_file.h"

#include <algorithm>
#include <map>
#include <set>

namespace marlowe::gamec {

namespace {

// A game while it is being resolved: its values and where each was set.
struct Draft {
    const GameSource* source = nullptr;
    CompiledGame game;
    std::map<int, SourceLocation> setAt;
    std::map<HintKey, SourceLocation> hintAt;
    SourceLocation numberAt;
};

SourceLocation FileStart(const GameSource& source)
{
    return {source.file, 1};
}

template <typename T, typename Field>
void Inherit(const std::optional<Located<T>>& own, Field& field)
{
    if (own)
        field = own->value;
}

class Resolver {
public:
    explicit Resolver(const std::vector<GameSource>& sources)
    {
        for (const auto& source : sources) {
            if (source.name)
                byName_[ToLowerAscii(source.name->value)] = &source;
            if (source.number)
                byNumber_[source.number->value] = &source;
        }
    }

    Draft Resolve(const GameSource& source)
    {
        if (!inProgress_.insert(&source).second)
            throw CompileError(source.derivesFrom->where, "the derivation of " + source.file + " runs in a circle");
        Draft draft;
        if (source.derivesFrom)
            draft = Resolve(Parent(source));
        inProgress_.erase(&source);

        draft.source = &source;
        draft.game.selected = false; // the selection list is chosen game by game
        Inherit(source.family, draft.game.family);
        Inherit(source.catalogueClass, draft.game.catalogueClass);
        Inherit(source.wideScreen, draft.game.wideScreen);
        Inherit(source.groupMark, draft.game.groupMark);
        Inherit(source.selected, draft.game.selected);
        if (!source.number)
            throw CompileError(FileStart(source), "the game has no Number");
        if (!source.name)
            throw CompileError(FileStart(source), "the game has no Name");
        if (!source.family && !source.derivesFrom)
            throw CompileError(FileStart(source), "the game has no Family");
        draft.game.number = source.number->value;
        draft.game.name = source.name->value;
        draft.numberAt = source.number->where;

        std::map<int, SourceLocation> ownAt;
        for (const auto& assignment : source.assignments) {
            if (const auto earlier = ownAt.find(assignment.index); earlier != ownAt.end())
                throw CompileError(assignment.where, RuleParameterName(assignment.index) + " is set twice (first at line " +
                                                         std::to_string(earlier->second.line) + ")");
            ownAt[assignment.index] = assignment.where;
            draft.game.rules[static_cast<std::size_t>(assignment.index)] = static_cast<std::int16_t>(assignment.value);
            draft.setAt[assignment.index] = assignment.where;
        }
        std::map<HintKey, SourceLocation> ownHintAt;
        for (const auto& hint : source.hints) {
            const HintKey key{hint.pileLetter, hint.pileNumber};
            if (const auto earlier = ownHintAt.find(key); earlier != ownHintAt.end())
                throw CompileError(hint.where, "the hint is given twice (first at line " +
                                                   std::to_string(earlier->second.line) + ")");
            ownHintAt[key] = hint.where;
            draft.game.hints[key] = hint.text;
            draft.hintAt[key] = hint.where;
        }
        return draft;
    }

private:
    const GameSource& Parent(const GameSource& source) const
    {
        const auto& wanted = source.derivesFrom->value;
        if (const auto number = ParseInteger(wanted)) {
            if (const auto found = byNumber_.find(static_cast<int>(*number)); found != byNumber_.end())
                return *found->second;
        } else if (const auto found = byName_.find(ToLowerAscii(wanted)); found != byName_.end()) {
            return *found->second;
        }
        throw CompileError(source.derivesFrom->where, "there is no game '" + wanted + "' to derive from");
    }

    std::map<std::string, const GameSource*> byName_;
    std::map<int, const GameSource*> byNumber_;
    std::set<const GameSource*> inProgress_;
};

int Rule(const Draft& draft, int index)
{
    return draft.game.rules[static_cast<std::size_t>(index)];
}

// Where a parameter was set, or the game's Number line when it was not.
SourceLocation Where(const Draft& draft, int index)
{
    const auto found = draft.setAt.find(index);
    return found != draft.setAt.end() ? found->second : draft.numberAt;
}

void CheckRange(const Draft& draft, int index, int low, int high)
{
    const int value = Rule(draft, index);
    if (value < low || value > high)
        throw CompileError(Where(draft, index), RuleParameterName(index) + " is " + std::to_string(value) +
                                                     "; it must lie in " + std::to_string(low) + ".." +
                                                     std::to_string(high));
}

// A family may only deal to piles the game has.
void CheckFamilyWithinPiles(const Draft& draft, int family, int size, int piles, const char* kind)
{
    for (int pile = piles; pile < size; ++pile) {
        if (Rule(draft, family + pile) != 0)
            throw CompileError(Where(draft, family + pile),
                               RuleParameterName(family + pile) + " deals to " + kind + " " + std::to_string(pile) +
                                   ", but the game has " + std::to_string(piles) + " " + kind + "s");
    }
}

// Cards a pile count takes from the pack: 1..1000 that many, 1001..1504 one card.
int CardsTaken(int count)
{
    if (count >= 1 && count <= 1000)
        return count;
    return count > 1000 && count <= 1504 ? 1 : 0;
}

// Cards the pack holds after stripping and the deal-family filters whose size is fixed.
std::optional<int> CardsInPack(const Draft& draft)
{
    const int decks = Rule(draft, rule::PackSize) / 52;
    int perDeck = stripped_pack::CardsPerDeck(Rule(draft, rule::StrippedPack));
    switch (Rule(draft, rule::DealFamily)) {
    case 9: case 11: case 12: case 14: return std::nullopt; // sized by the tableau count
    case 16: perDeck = std::min(perDeck, 44); break;
    case 21: perDeck = std::min(perDeck, 40); break;
    case deal_family::OneSuit: return 13;
    default: break;
    }
    const int jokers = Rule(draft, rule::JokersInPack) == 1 ? Rule(draft, rule::JokerCount) : 0;
    return decks * perDeck + jokers;
}

// Cards the deal places by count: piles, the stock group, foundation starters and start modes.
int CardsDealt(const Draft& draft)
{
    int cards = CardsTaken(Rule(draft, rule::StockCardCount)) + CardsTaken(Rule(draft, rule::WasteCardCount)) +
                CardsTaken(Rule(draft, rule::SecondWasteCardCount));
    for (int pile = 0; pile < kMaxTableaus; ++pile)
        cards += CardsTaken(Rule(draft, rule::TableauCardCount + pile));
    for (int pile = 0; pile < kMaxReserves; ++pile)
        cards += CardsTaken(Rule(draft, rule::ReserveCardCount + pile));
    const int foundations = Rule(draft, rule::FoundationCount);
    for (int pile = 0; pile < foundations; ++pile) {
        const int starter = Rule(draft, rule::FoundationStarter + pile);
        if (starter != 0 && starter != 92 && (starter < 96 || starter > 98))
            ++cards;
    }
    switch (Rule(draft, rule::FoundationStartMode)) {
    case 1: case 4: case 5: case 6: case 7: case 8: cards += 1; break;
    case 2: cards += foundations; break;
    default: break;
    }
    return cards + (Rule(draft, rule::ExtraFoundationCard) == 1 ? 1 : 0);
}

// A hint may only name piles the game has.
void CheckHintsWithinPiles(const Draft& draft)
{
    for (const auto& [key, where] : draft.hintAt) {
        const auto [letter, number] = key;
        int piles = 0;
        std::string kind;
        switch (letter) {
        case kTableauHintLetter: piles = Rule(draft, rule::TableauCount); kind = "tableau"; break;
        case kFoundationHintLetter: piles = Rule(draft, rule::FoundationCount); kind = "foundation"; break;
        case kReserveHintLetter: piles = Rule(draft, rule::ReserveCount); kind = "reserve"; break;
        default: continue;
        }
        if (piles == 0 || number > piles)
            throw CompileError(where, "the hint names " + (number == kEveryPileHint ? "every " + kind
                                                                                    : kind + " " + std::to_string(number - 1)) +
                                          ", but " + draft.game.name + " has " + std::to_string(piles) + " " + kind + "s");
    }
}

void CheckGame(const Draft& draft)
{
    const int pack = Rule(draft, rule::PackSize);
    if (pack != 52 && pack != 104 && pack != 156 && pack != 208)
        throw CompileError(Where(draft, rule::PackSize),
                           "PackSize is " + std::to_string(pack) + "; it must be 52, 104, 156 or 208");
    CheckRange(draft, rule::FoundationCount, 0, kMaxFoundations);
    CheckRange(draft, rule::TableauCount, 0, kMaxTableaus);
    CheckRange(draft, rule::ReserveCount, 0, kMaxReserves);
    CheckRange(draft, rule::SecondWasteCount, 0, 1);
    if (Rule(draft, rule::JokersInPack) == 1)
        CheckRange(draft, rule::JokerCount, 1, 4);
    CheckFamilyWithinPiles(draft, rule::TableauCardCount, kMaxTableaus, Rule(draft, rule::TableauCount), "tableau");
    CheckFamilyWithinPiles(draft, rule::ReserveCardCount, kMaxReserves, Rule(draft, rule::ReserveCount), "reserve");
    CheckFamilyWithinPiles(draft, rule::FoundationStarter, kMaxFoundations, Rule(draft, rule::FoundationCount),
                           "foundation");

    if (const auto available = CardsInPack(draft)) {
        const int needed = CardsDealt(draft);
        if (needed > *available)
            throw CompileError(draft.numberAt, "the deal of " + draft.game.name + " needs " + std::to_string(needed) +
                                                   " cards, but the pack holds " + std::to_string(*available));
    }
    CheckHintsWithinPiles(draft);
    if (draft.game.name.size() > 50)
        throw CompileError(draft.source->name->where, "the name is longer than 50 characters");
    if (draft.game.family < 0 || draft.game.family > 999)
        throw CompileError(draft.numberAt, "the family must be a number from 0 to 999");
}

} // namespace

std::vector<CompiledGame> CompileGames(const std::vector<GameSource>& sources)
{
    Resolver resolver(sources);
    std::vector<Draft> drafts;
    std::map<int, SourceLocation> numbers;
    std::map<std::string, SourceLocation> names;
    for (const auto& source : sources) {
        Draft draft = resolver.Resolve(source);
        CheckGame(draft);
        if (const auto [at, fresh] = numbers.emplace(draft.game.number, draft.numberAt); !fresh)
            throw CompileError(draft.numberAt, "game number " + std::to_string(draft.game.number) +
                                                   " is already used by " + at->second.Text());
        if (const auto [at, fresh] = names.emplace(ToLowerAscii(draft.game.name), source.name->where); !fresh)
            throw CompileError(source.name->where, "the name " + draft.game.name + " is already used by " +
                                                       at->second.Text());
        drafts.push_back(std::move(draft));
    }
    std::sort(drafts.begin(), drafts.end(),
              [](const Draft& a, const Draft& b) { return a.game.number < b.game.number; });
    std::vector<CompiledGame> games;
    for (auto& draft : drafts)
        games.push_back(std::move(draft.game));
    return games;
}

} // namespace marlowe::gamec
