#include "preview_file_writer.h"

#include "app/text_file.h"
#include "app/text_helpers.h"
#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/pile_text.h"
#include "engine/recording_presentation.h"
#include "engine/shuffle.h"
#include "layout/board_layout.h"
#include "layout/card_positions.h"
#include "layout/empty_marks.h"

#include <algorithm>
#include <map>

namespace marlowe::gamec {

namespace {

// The smallest cards fan 3 pixels apart, as the ready-made fan pieces are drawn.
constexpr int kPieceStep = 3;

// The mark pictures 55-63 in record order: WL001 WL002 WL004 WL005 WL007 WL008 WL009 WL010 WL011.
constexpr int kEmptyPlaceMark = miniature::FirstMark;         // WL001
constexpr int kFoundationMark = miniature::FirstMark + 2;     // WL004
constexpr int kStockDownMark = miniature::FirstMark + 3;      // WL005
constexpr int kCourtMark = miniature::FirstMark + 6;          // WL009: J, Q or K
constexpr int kAceMark = miniature::FirstMark + 7;            // WL010
constexpr int kKingMark = miniature::FirstMark + 8;           // WL011

// The miniature of an empty pile's mark; 0 when the pile shows none.
int MarkPicture(const std::string& mark)
{
    static const std::map<std::string, int> pictures = {
        {"StockUp", miniature::RedealMark}, {"StockStop", miniature::StopMark}, {"stockdown", kStockDownMark},
        {"empty-stock", miniature::EmptyPlace}, {"StockVisible", kEmptyPlaceMark}, {"FoundationA", kAceMark},
        {"Foundation13", kKingMark}, {"emptypositionjqk", kCourtMark}, {"EmptyPosition", kEmptyPlaceMark},
        {"Position", miniature::EmptyPlace},
    };
    if (mark.empty())
        return 0;
    if (const auto found = pictures.find(mark); found != pictures.end())
        return found->second;
    return kFoundationMark; // the other foundation ranks and the tableau's own rank rules
}

// The face of a card as the game shows it: games of one or two suits draw every card with the
// pictures of those suits.
int FacePicture(int code, const RuleVector& rules)
{
    if (IsJoker(code))
        return miniature::Joker;
    int suit = CardSuit(code);
    if (rules[rule::SuitSheetMode] == 1)
        suit = 3;
    else if (rules[rule::SuitSheetMode] == 2)
        suit = suit < 2 ? 0 : 3;
    return miniature::FirstFace + suit * 13 + CardRank(code) - 1;
}

int CardPicture(const GameContext& context, int code)
{
    return context.cards.IsFaceDown(code) ? miniature::Back : FacePicture(code, context.rules);
}

int StockPicture(const RuleVector& rules)
{
    return rules[rule::PackSize] > 52 ? miniature::DoubleStock : miniature::Stock;
}

// The fan piece that covers the first `length` elements when they step exactly as the pieces
// do; 0 otherwise.
int FanPiece(const std::vector<Place>& places, int length)
{
    if (length < 2)
        return 0;
    const int dx = places[1].x - places[0].x;
    const int dy = places[1].y - places[0].y;
    const bool down = dx == 0 && dy == kPieceStep;
    const bool right = dx == kPieceStep && dy == 0;
    if (!down && !right)
        return 0;
    for (int i = 2; i < length; ++i)
        if (places[static_cast<std::size_t>(i)].x - places[static_cast<std::size_t>(i - 1)].x != dx ||
            places[static_cast<std::size_t>(i)].y - places[static_cast<std::size_t>(i - 1)].y != dy)
            return 0;
    return (down ? miniature::FirstFanDown : miniature::FirstFanRight) + length - 1;
}

void Add(std::vector<PreviewRecord>& records, int picture, Place at)
{
    records.push_back({picture, std::max(at.x, 0), std::max(at.y, 0)});
}

void AddPile(const GameContext& context, const BoardGeometry& board, PileRef pile, std::vector<PreviewRecord>& records)
{
    const Place home = board.PlaceOf(pile);
    if (!IsPlaced(home.x) || !IsPlaced(home.y))
        return;
    const std::vector<int> codes = PileCodes(context.piles[pile]);
    const int count = static_cast<int>(codes.size());
    if (std::none_of(codes.begin(), codes.end(), [](int code) { return code > 0; })) {
        if (const int mark = MarkPicture(EmptyMarkName(context, pile)))
            Add(records, mark, home);
        return;
    }
    const int top = codes.back();
    if (pile == PileRef{PileGroup::StockGroup, kStockSlot} && context.cards.IsFaceDown(top)) {
        Add(records, StockPicture(context.rules), home);
        return;
    }

    std::vector<Place> places;
    for (int i = 0; i < count; ++i)
        places.push_back(CardPosition(context, board, pile, count - 1 - i, false));
    const bool squared = std::all_of(places.begin(), places.end(), [&](Place p) { return p == places.front(); });
    if (squared && count >= 2) {
        if (context.cards.IsFaceDown(top)) {
            Add(records, miniature::Stock, home);
            return;
        }
        Add(records, miniature::SquaredFaceUp, home);
        Add(records, CardPicture(context, top), places.back());
        return;
    }

    // A run of face-down cards at the bottom becomes one piece; its face-up top is then covered
    // by the pile's own card at that place.
    int faceDown = 0;
    while (faceDown < count && codes[static_cast<std::size_t>(faceDown)] > 0 &&
           context.cards.IsFaceDown(codes[static_cast<std::size_t>(faceDown)]))
        ++faceDown;
    int first = 0;
    if (faceDown >= 1) {
        const int length = std::min({faceDown + 1, miniature::FanLengths, count});
        if (const int piece = FanPiece(places, length)) {
            Add(records, piece, places.front());
            first = length - 1;
        }
    }
    for (int i = first; i < count; ++i) {
        const int code = codes[static_cast<std::size_t>(i)];
        const auto covered = std::find(places.begin() + i + 1, places.end(), places[static_cast<std::size_t>(i)]);
        if (code > 0 && covered == places.end())
            Add(records, CardPicture(context, code), places[static_cast<std::size_t>(i)]);
    }
}

} // namespace

std::vector<PreviewRecord> PreviewRecordsOf(const CompiledGame& game)
{
    RecordingPresentation presentation;
    GameContext context(presentation);
    for (int index = 0; index < kRuleVectorSize; ++index)
        context.rules[index] = game.rules[static_cast<std::size_t>(index)];
    context.rules.SaveRuleCopy();
    PrepareTableForDeal(context);
    context.registers.Set(reg::DealNumber, kPreviewDealNumber);
    context.registers.Set(reg::ScoringType, "01");
    SeededRandom random(1); // only the deal family that empties a pile at random draws from it
    DealGame(context, random);

    // The layout sees the miniature less its margins, as its own small screen.
    BoardGeometry board;
    board.SetCardSize('L', false, context.rules);
    LayoutRequest request;
    request.frame = PreviewFrame(kPreviewWidth - 2 * kPreviewOffsetX, kPreviewHeight - 2 * kPreviewOffsetY);
    request.screenWidth = request.frame.width;
    request.screenHeight = request.frame.outerHeight;
    ComputeBoardLayout(context.rules, request, board);

    std::vector<PreviewRecord> records;
    for (const PileRef pile : PilesOnBoard(context.rules))
        AddPile(context, board, pile, records);
    return records;
}

std::vector<std::string> PreviewFileLines(const std::vector<CompiledGame>& games)
{
    std::vector<std::string> lines;
    for (const auto& game : games) {
        const auto index = static_cast<std::size_t>(game.number);
        if (lines.size() <= index)
            lines.resize(index + 1);
        lines[index] = ScrambleAdd(PreviewLineText(PreviewRecordsOf(game)), kPreviewKey);
    }
    return lines;
}

bool WritePreviewFile(const std::filesystem::path& path, const std::vector<CompiledGame>& games)
{
    return WriteTextLines(path, PreviewFileLines(games));
}

} // namespace marlowe::gamec
