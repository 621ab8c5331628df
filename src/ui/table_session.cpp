#include "ui/table_session.h"

#include "app/register_settings.h"
#include "board/board_animator.h"
#include "catalogue/main_game.h"
#include "catalogue/rule_parameters.h"
#include "engine/cards.h"
#include "engine/event_sounds.h"
#include "engine/move_finder.h"
#include "engine/pile_text.h"
#include "engine/table.h"
#include "layout/auto_card_size.h"
#include "layout/board_layout.h"
#include "layout/card_positions.h"
#include "records/finished_game.h"
#include "ui/board_widget.h"
#include "ui/input_gate.h"
#include "ui/memory_summary_box.h"

#include <QApplication>
#include <QStandardPaths>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>

namespace marlowe {
namespace {

constexpr const char* kProgramName = "Marlowe 2002";
// How long the board's size rests before stand-in faces are drawn exactly.
constexpr int kExactFacesDelayMs = 250;

// The element index of a card in a pile, or -1 when the pile does not hold it.
int IndexIn(const std::string& pile, int card)
{
    for (int i = ElementCount(pile) - 1; i >= 0; --i)
        if (ElementAt(pile, i) == card)
            return i;
    return -1;
}

// A message of the program as a box shows it: its "\r" line breaks become real ones.
QString MessageText(const std::string& text)
{
    return QString::fromStdString(text).replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Where the next action of a winning line points: a drop names its card and target, the stock its
// top card (none when a click turns the stock over), a click its card. Nothing for a card that lies
// on no pile.
std::optional<PointedMove> PointedAction(const GameContext& context, const PlayAction& action)
{
    const PileRef stock{PileGroup::StockGroup, kStockSlot};
    if (action.kind == ActionKind::Stock)
        return PointedMove{TopElement(context.piles[stock]), stock, std::nullopt};
    const std::optional<PileRef> from = PileHolding(context, action.card);
    if (!from)
        return std::nullopt;
    PointedMove pointed{action.card, *from, std::nullopt};
    if (action.kind == ActionKind::Drop)
        pointed.to = action.target;
    return pointed;
}

// The piles a deal fills, in the order the cards are seen to arrive: the stock keeps its cards.
std::vector<PileRef> DealtPiles(const PileStore& piles)
{
    std::vector<PileRef> dealt;
    for (PileGroup group : {PileGroup::Tableaus, PileGroup::Reserves, PileGroup::Foundations, PileGroup::StockGroup})
        for (int slot = 0; slot < PileStore::SlotCount(group); ++slot)
            if (!(group == PileGroup::StockGroup && slot == kStockSlot) && !piles.Slot(group, slot).empty())
                dealt.push_back({group, slot});
    return dealt;
}

}  // namespace

class TableSession::NestedLoop {
public:
    explicit NestedLoop(TableSession& session) : session_(session) { ++session_.nestedLoops_; }
    ~NestedLoop()
    {
        if (--session_.nestedLoops_ == 0)
            session_.winnability_.Look();
    }
    NestedLoop(const NestedLoop&) = delete;
    NestedLoop& operator=(const NestedLoop&) = delete;

private:
    TableSession& session_;
};

TableSession::TableSession(std::filesystem::path programFolder, std::filesystem::path dataFolder)
    : context_(*this),
      preferences_(dataFolder, context_.registers, *this),
      modules_(programFolder),
      random_(SeededRandom::FromClock())
{
    context_.mainGame.programFolder = std::move(programFolder);
    context_.mainGame.dataFolder = std::move(dataFolder);
    exactFacesTimer_ = new QTimer(this);
    exactFacesTimer_->setSingleShot(true);
    exactFacesTimer_->setInterval(kExactFacesDelayMs);
    connect(exactFacesTimer_, &QTimer::timeout, this, &TableSession::DrawExactFaces);
    RecordsFeedback feedback;
    feedback.inform = [this](const std::string& message) { ShowInfo(message); };
    feedback.busy = [](bool on) {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    feedback.wait = [this](int milliseconds) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        Wait(milliseconds, true);
        QApplication::restoreOverrideCursor();
    };
    statistics_ = std::make_unique<StatisticsFiles>(context_.mainGame.dataFolder, std::move(feedback));
    records_ = std::make_unique<GameRecords>(*statistics_);
    context_.recordGame = RecordingHook(*records_);
}

TableSession::~TableSession() = default;

Outcome TableSession::Start(const DisplayFacts& display)
{
    display_ = display;
    screenSize_ = QSize(display.screenWidth, display.screenHeight);
    if (const Outcome opened = modules_.Open(ResourceModule::Standard); !opened)
        return opened;
    // A preferences file without a card size has never seen this program start.
    const bool firstStart = preferences_.ReadString("Preference", "Card_Size", "").empty();
    preferences_.ReadAllPreferences(context_.mainGame, display);
    preferences_.EnsureDefaultPlayers();
    runCount_ = preferences_.CountRun();
    PlaySoundOnce(context_, "Splash", SoundWanted(context_, SoundSwitch::Splash));
    TMainGame& game = context_.mainGame;
    game.CardSizeNoted = 2;
    if (const Outcome loaded = game.LoadCatalogue(); !loaded)
        return loaded;
    game.CheckStoredGame(context_.registers);
    if (game.AutoPlayMode == 1)
        context_.autoplayOn = preferences_.ReadString("Preference", "AutoPlay") == "Y";
    else if (game.AutoPlayMode == 2)
        context_.autoplayOn = preferences_.ReadAutoplaySwitch(game, context_.CurrentGameNumber());

    images_ = std::make_unique<CardImages>(modules_, context_.registers, preferences_, *this, game.dataFolder,
                                           display.colourCount);
    images_->SetArtCacheFolder(
        std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::CacheLocation).toStdString()) / "cards");
    if (firstStart) {
        images_->ChooseFirstCardSize(display.screenWidth);
    } else {
        const std::string size = context_.registers.Get(reg::CardSize);
        images_->SetCardSize(size.empty() ? 'B' : size[0]);
    }
    painter_ = std::make_unique<BoardPainter>(context_, geometry_, *images_);
    background_ = std::make_unique<BoardBackground>(modules_, context_.registers, preferences_, *this, game.dataFolder,
                                                    display.colourCount);
    hints_ = LoadHintFile(game.programFolder, *this);
    WriteVersionFileIfMissing(game.programFolder);
    ReadLook();
    return Outcome::Success();
}

void TableSession::ReadLook()
{
    if (!painter_)
        return;
    painter_->SetLook(BoardLook{ShowsCardShadows(context_.registers), context_.mainGame.FoundationMarkStyle,
                                context_.mainGame.FoundationMarkColour});
}

void TableSession::SetBoardSize(QSize size, QSize screen, double pixelRatio)
{
    boardSize_ = size;
    screenSize_ = screen;
    if (!images_) {
        Relayout();
        return;
    }
    images_->SetPixelRatio(pixelRatio);
    images_->AllowStandIns(true);
    Relayout();
    images_->AllowStandIns(false);
    if (images_->HasStandIns())
        exactFacesTimer_->start();
}

void TableSession::DrawExactFaces()
{
    if (!images_ || !images_->HasStandIns())
        return;
    images_->DrawExactFaces();
    Relayout();
}

void TableSession::Relayout()
{
    if (!painter_)
        return;
    // Preparing a game may have chosen another card size for the screen, and the game may draw
    // its suits with other suits' pictures.
    const std::string size = context_.registers.Get(reg::CardSize);
    const char letter = size.empty() ? images_->SizeLetter() : size[0];
    const int suitSheetMode = context_.rules[rule::SuitSheetMode];
    const bool shadows = ShowsCardShadows(context_.registers);
    geometry_.screenWidth = screenSize_.width();
    LayoutRequest layout;
    layout.frame = MainBoardFrame(WindowFrame{boardSize_.width(), boardSize_.height(), boardSize_.height()});
    layout.screenWidth = screenSize_.width();
    layout.screenHeight = screenSize_.height();
    layout.scrollPosition = geometry_.scrollOffset;
    // "Auto" takes the largest card at which this board holds the game, before any picture is drawn.
    // A fixed size too wide for this board gives way to a smaller one, or to the card of "Auto";
    // the player's own and the additional card sets come in their sizes only.
    char drawn = letter;
    if (letter == kAutoSizeLetter)
        images_->SetAutoCardWidth(AutoCardWidth(context_.rules, layout, shadows, geometry_));
    else if (!context_.registers.IsYes(reg::CustomisedCardSetFile) &&
             !context_.registers.IsYes(reg::AdditionalCardSetFile))
        drawn = FittingFixedSize(context_.rules, layout, letter, shadows, geometry_);
    if (drawn == kAutoSizeLetter && letter != kAutoSizeLetter)
        images_->SetAutoCardWidth(geometry_.card.cardWidth);
    if (drawn != images_->SizeLetter() || suitSheetMode != images_->SuitSheetMode()) {
        if (drawn == letter)
            images_->SetCardSize(letter, suitSheetMode);
        else
            images_->DrawAtFallbackSize(drawn, suitSheetMode);
    }
    if (images_->IsAutoSize())
        geometry_.SetCardWidth(images_->cardWidth(), shadows, context_.rules);
    else
        geometry_.SetCardSize(images_->SizeLetter(), shadows, context_.rules);
    ComputeBoardLayout(context_.rules, layout, geometry_);
    painter_->Resize(boardSize_);
    PaintBackground();
    painter_->DrawBoard();
    // A table taller than the board is drawn whole; the window scrolls over it.
    if (const int extent = painter_->DrawnExtent(); extent > boardSize_.height()) {
        painter_->Resize(QSize(boardSize_.width(), extent));
        PaintBackground();
        painter_->DrawBoard();
    }
    if (onExtent)
        onExtent(painter_->DrawnExtent());
    Repaint(painter_->BoardRect());
}

void TableSession::ApplyLookChange(bool cards)
{
    if (!images_)
        return;
    if (cards) {
        const std::string size = context_.registers.Get(reg::CardSize);
        images_->SetCardSize(size.empty() ? 'B' : size[0], context_.rules[rule::SuitSheetMode]);
    }
    images_->LoadCardBack();
    Relayout();
}

void TableSession::SetScrollPosition(int position)
{
    if (position == geometry_.scrollOffset)
        return;
    geometry_.scrollOffset = position;
    Repaint(painter_ ? painter_->BoardRect() : QRect());
}

void TableSession::PaintBackground()
{
    background_->Paint(painter_->BackgroundImage(), ChooseBackground(context_.registers, preferences_));
}

void TableSession::Repaint(QRect boardArea)
{
    if (view_ && !boardArea.isEmpty())
        view_->BoardChanged(boardArea);
}

void TableSession::ShowInfo(const std::string& message)
{
    const NestedLoop asking(*this);
    QMessageBox::information(QApplication::activeWindow(), kProgramName, MessageText(message));
}

void TableSession::ShowError(const std::string& title, const std::string& message)
{
    const NestedLoop asking(*this);
    QMessageBox::critical(QApplication::activeWindow(), QString::fromStdString(title), MessageText(message));
}

void TableSession::ShowMemorySummary(const MemorySummary& summary)
{
    const NestedLoop asking(*this);
    MemorySummaryBox(summary, QApplication::activeWindow()).exec();
}

bool TableSession::Confirm(const std::string& question)
{
    const NestedLoop asking(*this);
    return QMessageBox::question(QApplication::activeWindow(), kProgramName, MessageText(question),
                                 QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok) == QMessageBox::Ok;
}

bool TableSession::Ask(const std::string& question)
{
    const NestedLoop asking(*this);
    return QMessageBox::question(QApplication::activeWindow(), kProgramName, MessageText(question)) ==
           QMessageBox::Yes;
}

bool TableSession::ShowAdvice(const std::string& message)
{
    const NestedLoop asking(*this);
    QMessageBox box(QMessageBox::Information, QObject::tr("Information"), MessageText(message),
                    QMessageBox::Ok, QApplication::activeWindow());
    auto* dontShow = new QCheckBox(QObject::tr("&Don't show this message box again"));
    box.setCheckBox(dontShow);
    box.exec();
    return dontShow->isChecked();
}

int TableSession::ScreenWidth() const
{
    return screenSize_.width();
}

void TableSession::ShowScore(int score)
{
    if (onScore)
        onScore(score);
}

void TableSession::SetTitle(const std::string& title)
{
    if (onTitle)
        onTitle(title);
}

void TableSession::UpdateCommands()
{
    if (onCommandsChanged)
        onCommandsChanged();
}

void TableSession::DrawTable(bool animateDeal)
{
    // A new deal may change the card size, the fan steps and the places: lay everything out.
    // Clicks and keys that arrive meanwhile are dropped, not played on a half-drawn table.
    dealing_ = true;
    geometry_.scrollOffset = 0;
    Relayout();
    if (animateDeal && DealAnimated())
        AnimateDeal();
    if (view_)
        view_->ShowNow();
    dealing_ = false;
    winnability_.Look();
}

bool TableSession::DealAnimated() const
{
    // A window not yet shown would only make the player wait for a deal nobody sees.
    return painter_ && view_ && view_->isVisible() && context_.registers.Get(reg::DealAnimation) == "Y" &&
           AnimatesCardMoves(context_.registers);
}

void TableSession::AnimateDeal()
{
    const InputGate dropped(InputGate::Mode::Drop);
    const PileStore dealt = context_.piles;
    const std::vector<PileRef> filled = DealtPiles(dealt);
    for (PileRef pile : filled)
        context_.piles[pile].clear();
    Repaint(painter_->DrawBoard());

    const Place stock = geometry_.PlaceOf({PileGroup::StockGroup, kStockSlot});
    const QPoint origin = IsPlaced(stock.x) && IsPlaced(stock.y) ? QPoint(stock.x, stock.y) : QPoint(0, 0);
    BoardAnimator animator(context_, geometry_, *painter_, *images_, preferences_, *view_, random_);
    for (PileRef pile : filled) {
        const std::string& cards = dealt[pile];
        for (int i = 0; i < ElementCount(cards); ++i) {
            // The pile holds the card from now on, the board image only once it has landed.
            context_.piles[pile] = cards.substr(0, 3 * static_cast<std::size_t>(i + 1));
            const int card = ElementAt(cards, i);
            const Place place = CardPosition(context_, geometry_, pile, 0, false);
            if (card > 0 && IsPlaced(place.x) && IsPlaced(place.y)) {
                const QImage& face = context_.cards.IsFaceDown(card) ? images_->Back() : images_->Face(FaceImageIndex(card));
                animator.GlideCards(face, origin, QPoint(place.x, place.y), GlideOptions{.fast = true});
            }
            Repaint(painter_->DrawPile(pile));
            view_->ClearOverlay();
        }
        // The window lives on between piles; what the player clicks or types meanwhile is dropped.
        QCoreApplication::processEvents();
    }
    context_.piles = dealt;
    Repaint(painter_->DrawBoard());
}

void TableSession::DrawPile(PileRef pile)
{
    if (painter_)
        Repaint(painter_->DrawPile(pile));
    winnability_.Look();
}

void TableSession::GlideCard(int card, PileRef from, PileRef to)
{
    if (!painter_ || !view_)
        return;
    // The engine may glide a card before or after it moves it in the table: start where the
    // card lies (or lay), end where it lies (or will lie).
    const std::string& source = context_.piles[from];
    const int sourceIndex = IndexIn(source, card);
    const int above = sourceIndex < 0 ? 0 : ElementCount(source) - sourceIndex;
    const Place start = sourceIndex < 0 ? CardPosition(context_, geometry_, from, 0, true)
                                        : CardPosition(context_, geometry_, from, above - 1, false);
    const std::string& target = context_.piles[to];
    const int targetIndex = IndexIn(target, card);
    const Place end = targetIndex < 0 ? CardPosition(context_, geometry_, to, 0, true)
                                      : CardPosition(context_, geometry_, to, ElementCount(target) - 1 - targetIndex, false);
    if (!IsPlaced(start.x))
        return;
    const QImage moving = context_.cards.IsFaceDown(card) ? images_->Back() : images_->Face(FaceImageIndex(card));
    if (above > 0)
        Repaint(painter_->DrawPile(from, above));
    const int scroll = geometry_.scrollOffset;
    BoardAnimator animator(context_, geometry_, *painter_, *images_, preferences_, *view_, random_);
    animator.GlideCards(moving, QPoint(start.x, start.y + scroll), QPoint(end.x, end.y + scroll), GlideOptions{});
    view_->ClearOverlay();
    if (above > 0)
        Repaint(painter_->DrawPile(from));
}

void TableSession::FlipCard(int /*card*/, PileRef pile)
{
    DrawPile(pile);
}

void TableSession::DrawStockButton(PileRef place, bool pressed)
{
    if (painter_)
        Repaint(painter_->DrawStockButton(place, pressed));
}

void TableSession::HighlightCard(int card, PileRef pile, bool on)
{
    if (painter_)
        Repaint(painter_->DrawSelectedCard(card, pile, on));
}

void TableSession::PlaySound(std::string_view name, SoundMode mode)
{
    sounds_.Play(name, mode);
}

void TableSession::StopSound()
{
    sounds_.Stop();
}

void TableSession::Beep()
{
    QApplication::beep();
}

void TableSession::ShowStatusNote(const std::string& note)
{
    if (onStatusNote)
        onStatusNote(note);
}

void TableSession::Wait(int milliseconds, bool pumping)
{
    if (milliseconds <= 0)
        return;
    // The window paints and its timers run meanwhile; the window system keeps the player's input
    // queued until the wait is over. A wait that does not pump also holds input sent or posted
    // meanwhile, so that no action of the player starts inside the engine's.
    std::optional<InputGate> held;
    if (!pumping)
        held.emplace(InputGate::Mode::Hold);
    const NestedLoop waiting(*this);
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    // While the winning animation runs, a pumping wait lets the player's click through to stop it.
    loop.exec(pumping && celebrating_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void TableSession::ShowBusy(bool on)
{
    // The engine works on without the window's events: what it changes meanwhile is not the
    // player's table yet. The pointer is put on the screen before the work starts.
    if (on) {
        ++nestedLoops_;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    } else {
        QApplication::restoreOverrideCursor();
        --nestedLoops_;
    }
}

void TableSession::CelebrateWin()
{
    if (!painter_ || !view_)
        return;
    // A click or a key stops the animation and does nothing else meanwhile.
    const InputGate stopper(InputGate::Mode::Interrupt, [this] { context_.flags.Clear(WinAnimationRunning); });
    celebrating_ = true;
    BoardAnimator animator(context_, geometry_, *painter_, *images_, preferences_, *view_, random_);
    animator.PlayWinningAnimation("", 0);
    celebrating_ = false;
    Repaint(painter_->DrawBoard());
    if (context_.mainGame.CloseRequested == 1 && onCloseAfterWin)
        onCloseAfterWin();
}

void TableSession::OpenGameSelection()
{
    const NestedLoop choosing(*this);
    if (onOpenGameSelection)
        onOpenGameSelection();
}

std::optional<PointedMove> TableSession::MoveToPointOut()
{
    if (const std::optional<PlayAction> next = winnability_.NextWinningAction())
        if (std::optional<PointedMove> pointed = PointedAction(context_, *next))
            return pointed;
    const std::optional<FoundMove> move = FindLegalMove(context_);
    const std::optional<PileRef> from = move ? PileHolding(context_, move->card) : std::nullopt;
    if (!move || !from)
        return std::nullopt;
    return PointedMove{move->card, *from, DestinationPile(move->destination)};
}

void TableSession::PointOutLegalMove()
{
    if (!painter_)
        return;
    const std::optional<PointedMove> move = MoveToPointOut();
    if (!move) {
        ShowInfo("There is no legal move.");
        return;
    }
    Repaint(move->card > 0 ? painter_->DrawSelectedCard(move->card, move->from, true)
                           : painter_->DrawStockButton(move->from, true));
    const int target = move->to ? TopElement(context_.piles[*move->to]) : 0;
    if (target > 0)
        Repaint(painter_->DrawSelectedCard(target, *move->to, true));
    Wait(900, true);
    Repaint(painter_->DrawPile(move->from));
    if (move->to)
        Repaint(painter_->DrawPile(*move->to));
}

}  // namespace marlowe
