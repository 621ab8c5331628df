#include "engine/play_protocol.h"

#include "app/text_helpers.h"
#include "engine/autoplay.h"
#include "engine/game_won.h"
#include "engine/lifecycle.h"
#include "engine/pile_hints.h"
#include "engine/play_actions.h"
#include "engine/table_text.h"

#include <optional>
#include <sstream>

namespace marlowe {

namespace {

std::optional<int> CardOf(const std::string& text)
{
    const auto code = ParseInteger(text);
    if (!code || *code < 1 || *code > 212)
        return std::nullopt;
    return static_cast<int>(*code);
}

std::string Answer(bool done)
{
    return done ? "ok" : "refused";
}

} // namespace

PlayProtocol::PlayProtocol(const TMainGame& mainGame, const std::filesystem::path& dataFolder, std::ostream& out,
                           std::ostream& messages)
    : context_(presentation_), preferences_(dataFolder, context_.registers, presentation_), random_(1), out_(out),
      messages_(messages)
{
    context_.mainGame = mainGame;
    context_.mainGame.dataFolder = dataFolder;
    preferences_.ReadAllPreferences(context_.mainGame, DisplayFacts{});
    context_.registers.Set(reg::ConfirmQuitGame, "N"); // never ask before abandoning
    hints_ = LoadHintFile(mainGame.programFolder, presentation_);
}

bool PlayProtocol::Start(int game, const std::string& dealNumber, bool autoplay)
{
    context_.registers.Set(reg::GameNumber, game);
    context_.registers.Set(reg::GameName, context_.mainGame.GameName(game));
    context_.registers.Set(reg::DealNumber, dealNumber);
    context_.autoplayOn = autoplay;
    const Outcome dealt = NewGame(context_, preferences_, random_, 1);
    if (!dealt)
        messages_ << "marlowe-cli: " << dealt.message() << "\n";
    ReportMessages();
    return dealt.ok();
}

std::string PlayProtocol::Run(const std::string& line)
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

std::string PlayProtocol::Dispatch(const std::string& command, const std::vector<std::string>& arguments)
{
    const auto expect = [&](std::size_t count) { return arguments.size() == count; };
    if (command == "state" && expect(0))
        return State();
    if (command == "drop" && expect(2))
        return Drop(arguments[0], arguments[1]);
    if (command == "stock" && expect(0))
        return Answer(PerformAction(context_, PlayAction{ActionKind::Stock}));
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

std::string PlayProtocol::State()
{
    PrintTable(context_, out_);
    out_ << "score=" << context_.registers.Get(reg::Score) << '\n'
         << "won=" << (IsGameWon(context_) ? 1 : 0) << '\n'
         << "redeals=" << context_.mainGame.RedealsDone << '\n'
         << "undo=" << context_.undoHistory.Size() << '\n';
    return "ok";
}

std::string PlayProtocol::Drop(const std::string& cardText, const std::string& pileText)
{
    const auto card = CardOf(cardText);
    const auto target = ParsePileCellName(pileText);
    if (!card || !target)
        return "error: drop takes a card code and a pile name";
    return Answer(PerformAction(context_, PlayAction{ActionKind::Drop, *card, target->pile, target->cell}));
}

std::string PlayProtocol::Click(const std::string& command, const std::string& cardText)
{
    const auto card = CardOf(cardText);
    if (!card)
        return "error: " + command + " takes a card code";
    const ActionKind kind = command == "rclick"     ? ActionKind::RightClick
                            : command == "dblclick" ? ActionKind::DoubleClick
                                                    : ActionKind::Click;
    return Answer(PerformAction(context_, PlayAction{kind, *card}));
}

std::string PlayProtocol::Hint(const std::string& pileText)
{
    const auto pile = ParsePileName(pileText);
    if (!pile)
        return "error: hint takes a pile name";
    const PileHintTexts texts = ComputePileHint(context_, pile, hints_);
    out_ << texts.kind << '\t' << texts.pileCount << '\t' << texts.cardCount << '\t' << texts.hint << '\t'
         << texts.redeals << '\n';
    return "ok";
}

// What the engine said to the player goes to the message stream.
void PlayProtocol::ReportMessages()
{
    for (const auto& event : presentation_.events)
        if (event.rfind("info: ", 0) == 0 || event.rfind("error: ", 0) == 0)
            messages_ << "marlowe-cli: " << event << "\n";
    presentation_.events.clear();
}

} // namespace marlowe
