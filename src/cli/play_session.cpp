#include "play_session.h"

#include "table_text.h"

#include "app/preferences.h"
#include "app/text_helpers.h"
#include "engine/autoplay.h"
#include "engine/game_won.h"
#include "engine/hint_file.h"
#include "engine/lifecycle.h"
#include "engine/move_history.h"
#include "engine/pile_hints.h"
#include "engine/pointer.h"
#include "engine/recording_presentation.h"
#include "engine/shuffle.h"

#include <sstream>
#include <unistd.h>

namespace marlowe {

namespace {

// A data folder of its own, so that a session never touches the player's preferences.
class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "marlowe-play-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code error;
        if (!path_.empty())
            std::filesystem::remove_all(path_, error);
    }
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

PileKind KindOf(PileRef pile)
{
    switch (pile.group) {
    case PileGroup::Foundations: return PileKind::Foundation;
    case PileGroup::Tableaus: return PileKind::Tableau;
    case PileGroup::Reserves: return PileKind::Reserve;
    case PileGroup::StockGroup:
        return pile.slot == kStockSlot ? PileKind::Stock : pile.slot == kWasteSlot ? PileKind::Waste : PileKind::SecondWaste;
    }
    return PileKind::None;
}

class PlaySession {
public:
    PlaySession(const TMainGame& mainGame, const std::filesystem::path& dataFolder, std::ostream& out,
                std::ostream& messages)
        : context_(presentation_), preferences_(dataFolder, context_.registers, presentation_), random_(1), out_(out),
          messages_(messages)
    {
        context_.mainGame = mainGame;
        context_.mainGame.dataFolder = dataFolder;
        preferences_.ReadAllPreferences(context_.mainGame, DisplayFacts{});
        context_.registers.Set(185, 1, "N"); // never ask before abandoning
        hints_ = LoadHintFile(mainGame.programFolder, presentation_);
    }

    bool Start(int game, const std::string& dealNumber, bool autoplay)
    {
        context_.registers.Set(62, 4, game);
        context_.registers.Set(189, 50, context_.mainGame.GameName(game));
        context_.registers.Set(153, 15, dealNumber);
        context_.autoplayOn = autoplay;
        const Outcome dealt = NewGame(context_, preferences_, random_, 1);
        if (!dealt)
            messages_ << "marlowe-cli: " << dealt.message() << "\n";
        ReportMessages();
        return dealt.ok();
    }

    // Runs one command line; returns its answer.
    std::string Run(const std::string& line)
    {
        std::istringstream words(line);
        std::string command;
        std::vector<std::string> arguments;
        words >> command;
        for (std::string word; words >> word;)
            arguments.push_back(word);
        const std::string answer = Dispatch(command, arguments);
        ReportMessages();
        return answer;
    }

private:
    std::string Dispatch(const std::string& command, const std::vector<std::string>& arguments)
    {
        const auto expect = [&](std::size_t count) { return arguments.size() == count; };
        if (command == "state" && expect(0))
            return State();
        if (command == "drop" && expect(2))
            return Drop(arguments[0], arguments[1]);
        if (command == "stock" && expect(0))
            return Changes([&] {
                PointerDown(context_, PointerButton::Left, false, PileRef{PileGroup::StockGroup, kStockSlot},
                            TopElementOfStock());
                PointerUp(context_, {});
            });
        if ((command == "click" || command == "dblclick" || command == "rclick") && expect(1))
            return Click(command, arguments[0]);
        if ((command == "undo" || command == "redo") && expect(0))
            return Answer(command == "undo" ? Undo(context_) : Redo(context_));
        if (command == "autoplay" && expect(1) && (arguments[0] == "on" || arguments[0] == "off")) {
            SetAutoplay(context_, preferences_, arguments[0] == "on");
            return "ok";
        }
        if (command == "hint" && expect(1))
            return Hint(arguments[0]);
        return "error: unknown or malformed command '" + command + "'";
    }

    std::string State()
    {
        PrintTable(context_, out_);
        out_ << "score=" << context_.registers.Get(122, 6) << '\n'
             << "won=" << (IsGameWon(context_) ? 1 : 0) << '\n'
             << "redeals=" << context_.mainGame.RedealsDone << '\n'
             << "undo=" << context_.undoHistory.Size() << '\n';
        return "ok";
    }

    std::optional<int> Card(const std::string& text) const
    {
        const auto code = ParseInteger(text);
        if (!code || *code < 1 || *code > 212)
            return std::nullopt;
        return static_cast<int>(*code);
    }

    std::string Drop(const std::string& cardText, const std::string& pileText)
    {
        const auto card = Card(cardText);
        const auto target = ParsePileName(pileText);
        if (!card || !target)
            return "error: drop takes a card code and a pile name";
        const auto source = PileHolding(context_, *card);
        if (!source)
            return "refused";
        return Changes([&] {
            if (PointerDown(context_, PointerButton::Left, false, source, *card) == PressResult::Picked)
                PointerMove(context_);
            PointerUp(context_, {DropCandidate{KindOf(*target), target->slot, 1}});
        });
    }

    std::string Click(const std::string& command, const std::string& cardText)
    {
        const auto card = Card(cardText);
        if (!card)
            return "error: " + command + " takes a card code";
        const auto source = PileHolding(context_, *card);
        if (!source)
            return "refused";
        return Changes([&] {
            const auto button = command == "rclick" ? PointerButton::Right : PointerButton::Left;
            PointerDown(context_, button, false, source, *card);
            PointerUp(context_, {});
            if (command == "dblclick")
                DoubleClickSend(context_, source, *card);
        });
    }

    std::string Hint(const std::string& pileText)
    {
        const auto pile = ParsePileName(pileText);
        if (!pile)
            return "error: hint takes a pile name";
        const PileHintTexts texts = ComputePileHint(context_, pile, hints_);
        out_ << texts.kind << '\t' << texts.pileCount << '\t' << texts.cardCount << '\t' << texts.hint << '\t'
             << texts.redeals << '\n';
        return "ok";
    }

    int TopElementOfStock() const
    {
        const std::string& stock = context_.piles.Stock();
        return stock.size() < 3 ? 0 : static_cast<int>(ParseInteger(stock.substr(stock.size() - 3)).value_or(0));
    }

    // "ok" when the action changed the table, "refused" otherwise.
    template <typename Action>
    std::string Changes(Action action)
    {
        const Snapshot before = TakeSnapshot(context_);
        action();
        return Answer(!(TakeSnapshot(context_) == before));
    }

    static std::string Answer(bool done) { return done ? "ok" : "refused"; }

    // What the engine said to the player goes to the message stream.
    void ReportMessages()
    {
        for (const auto& event : presentation_.events)
            if (event.rfind("info: ", 0) == 0 || event.rfind("error: ", 0) == 0)
                messages_ << "marlowe-cli: " << event << "\n";
        presentation_.events.clear();
    }

    RecordingPresentation presentation_;
    GameContext context_;
    Preferences preferences_;
    SeededRandom random_;
    HintFile hints_;
    std::ostream& out_;
    std::ostream& messages_;
};

} // namespace

int RunPlaySession(const TMainGame& mainGame, int game, const std::string& dealNumber, bool autoplay,
                   std::istream& in, std::ostream& out, std::ostream& messages)
{
    ScratchFolder folder;
    PlaySession session(mainGame, folder.path(), out, messages);
    if (!session.Start(game, dealNumber, autoplay))
        return 1;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (Trim(line).empty())
            continue;
        out << session.Run(line) << '\n' << std::flush;
    }
    return 0;
}

} // namespace marlowe
