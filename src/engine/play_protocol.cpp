#include "engine/play_protocol.h"

#include "engine/autoplay.h"
#include "engine/game_won.h"
#include "engine/lifecycle.h"
#include "engine/pile_hints.h"
#include "engine/play_actions.h"
#include "engine/table.h"
#include "engine/table_text.h"

namespace marlowe {

namespace {

std::string Answer(bool done)
{
    return done ? "ok" : "refused";
}

ActionKind ClickKind(Command command)
{
    return command == Command::RightClick    ? ActionKind::RightClick
           : command == Command::DoubleClick ? ActionKind::DoubleClick
                                             : ActionKind::Click;
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
    const ReadCommand read = ReadPlayCommand(line, TableauCellsArePlaces(context_));
    const std::string answer = read.error.empty() ? Dispatch(read.command) : read.error;
    ReportMessages();
    return answer;
}

std::string PlayProtocol::Dispatch(const PlayCommand& command)
{
    switch (command.command) {
    case Command::State: return State();
    case Command::Drop:
        return Answer(PerformAction(context_, PlayAction{ActionKind::Drop, command.card, command.target.pile,
                                                         command.target.cell}));
    case Command::Stock: return Answer(PerformAction(context_, PlayAction{ActionKind::Stock}));
    case Command::Press:
        return Answer(PerformAction(context_, PlayAction{ActionKind::Press, 0, command.target.pile}));
    case Command::Click:
    case Command::DoubleClick:
    case Command::RightClick:
        return Answer(PerformAction(context_, PlayAction{ClickKind(command.command), command.card}));
    case Command::Undo: return Answer(Undo(context_));
    case Command::Redo: return Answer(Redo(context_));
    case Command::Autoplay:
        SetAutoplay(context_, preferences_, command.on);
        return "ok";
    case Command::Hint: return Hint(command.target.pile);
    }
    return {};
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

std::string PlayProtocol::Hint(PileRef pile)
{
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
