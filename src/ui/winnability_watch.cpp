#include "ui/winnability_watch.h"

#include "engine/engine_flags.h"
#include "engine/winnable_deal.h"

#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>

namespace marlowe {

namespace {

// The search gives the window's thread the way on a busy machine.
constexpr int kSearchNiceness = 10;

void YieldToTheWindow()
{
    setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kSearchNiceness);
}

QString LineOf(SolveVerdict verdict)
{
    switch (verdict) {
    case SolveVerdict::Won: return QObject::tr("This deal can be won");
    case SolveVerdict::Unwinnable: return QObject::tr("This deal can no longer be won");
    case SolveVerdict::Unknown: break;
    }
    return {};
}

} // namespace

WinnabilityWatch::WinnabilityWatch(const GameContext& context, std::function<bool()> engineBusy)
    : context_(context), engineBusy_(std::move(engineBusy))
{
    lookSoon_.setSingleShot(true);
    lookSoon_.setInterval(0);
    connect(&lookSoon_, &QTimer::timeout, this, &WinnabilityWatch::Compare);
}

WinnabilityWatch::~WinnabilityWatch()
{
    StopSearches();
    searches_.clear();
}

void WinnabilityWatch::Look()
{
    if (!lookSoon_.isActive())
        lookSoon_.start();
}

WinnabilityWatch::Position WinnabilityWatch::PositionNow() const
{
    Position position;
    position.game = context_.CurrentGameNumber();
    position.deal = context_.registers.Get(reg::DealNumber);
    position.table = TakeSnapshot(context_);
    position.judged = context_.flags[GameInProgress] && SolvesForThePlayer(context_);
    return position;
}

void WinnabilityWatch::Compare()
{
    // A table in the middle of an action is not the player's; the action's end asks again.
    if (engineBusy_ && engineBusy_())
        return;
    Position now = PositionNow();
    if (judged_ == now)
        return;
    const bool judged = now.judged;
    judged_ = std::move(now);
    ++generation_;
    answer_.reset();
    StopSearches();
    if (!judged) {
        Show({});
        return;
    }
    StartSearch();
    Show(tr("Solving..."));
}

void WinnabilityWatch::StartSearch()
{
    ForgetFinishedSearches();
    auto finished = std::make_shared<std::atomic<bool>>(false);
    // The copy is made here, on the window's thread; the search reads only its own copy.
    GameContext copy = PlayersCopy(context_, silent_);
    const unsigned generation = generation_;
    std::jthread thread([this, copy = std::move(copy), generation, finished](std::stop_token stop) {
        YieldToTheWindow();
        SolveResult result = Solve(copy, SolverOptions{.nodeLimit = kNodeBudget, .timeLimit = kTimeBudget,
                                                       .stop = std::move(stop)});
        QMetaObject::invokeMethod(
            this, [this, generation, result = std::move(result)]() mutable { Receive(generation, std::move(result)); },
            Qt::QueuedConnection);
        finished->store(true);
    });
    searches_.push_back(Search{std::move(thread), std::move(finished)});
}

void WinnabilityWatch::StopSearches()
{
    for (Search& search : searches_)
        search.thread.request_stop();
}

void WinnabilityWatch::ForgetFinishedSearches()
{
    // A finished search has nothing left to do but return, so its thread is joined at once.
    std::erase_if(searches_, [](const Search& search) { return search.finished->load(); });
}

void WinnabilityWatch::Receive(unsigned generation, SolveResult result)
{
    ForgetFinishedSearches();
    if (generation != generation_)
        return;
    answer_ = std::move(result);
    Show(LineOf(answer_->verdict));
}

std::optional<PlayAction> WinnabilityWatch::NextWinningAction() const
{
    if (!answer_ || !answer_->Won() || answer_->line.empty() || !judged_ || !(*judged_ == PositionNow()))
        return std::nullopt;
    return answer_->line.front();
}

void WinnabilityWatch::Show(const QString& line)
{
    if (line == line_)
        return;
    line_ = line;
    emit LineChanged(line_);
}

} // namespace marlowe
