// Every game of the catalogue dealt and drawn without a window at the normal and the small card
// size. The pictures go to build/board-renders for people to look at; the test checks that
// every pile with a place shows something there (a card or a mark) and that the board is drawn
// where the layout put it.

#include "board/board_snapshot.h"
#include "board/resource_modules.h"
#include "layout/auto_card_size.h"
#include "layout/board_layout.h"
#include "layout/empty_marks.h"
#include "play_test_support.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace marlowe;

namespace {

const QString kRenderFolder = QString(MARLOWE_BUILD_DIR) + "/board-renders";
const QRgb kDefaultGreen = qRgb(0, 128, 0);

QString FileName(int game, const std::string& name, char size)
{
    QString safe = QString::fromStdString(name).toLower();
    safe.replace(QRegularExpression("[^a-z0-9]+"), "-");
    return QString("%1-%2-%3.png").arg(game, 3, 10, QChar('0')).arg(safe).arg(size);
}

// True when some pixel of the rectangle is not the bare table.
bool ShowsSomething(const QImage& image, QRect area)
{
    area = area.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); y += 2)
        for (int x = area.left(); x <= area.right(); x += 2)
            if (image.pixel(x, y) != kDefaultGreen)
                return true;
    return false;
}

}  // namespace

TEST(BoardRenderTest, EveryGameDealtIsDrawnAtItsPlaces)
{
    const TMainGame mainGame = marlowe::testing::ShippedCatalogue();
    ResourceModules modules(MARLOWE_BUILD_DIR);
    ASSERT_TRUE(modules.Open(ResourceModule::Standard));
    QDir().mkpath(kRenderFolder);
    for (const std::string& line : mainGame.Catalogue()) {
        const int game = CatalogueLineNumber(line);
        marlowe::testing::ProtocolGame played(mainGame, game, "0000000000001");
        ASSERT_TRUE(played.started) << game;
        const GameContext& context = played.context();
        for (char size : {'B', 'M'}) {
            SnapshotRequest request;
            request.sizeLetter = size;
            const QImage table = RenderTable(context, modules, request);
            ASSERT_FALSE(table.isNull());
            EXPECT_TRUE(table.save(kRenderFolder + "/" + FileName(game, CatalogueLineName(line), size)));

            // The card the board is drawn with: the size asked for, or a smaller one where that is too wide.
            BoardGeometry geometry;
            geometry.screenWidth = request.width;
            FittingFixedSize(context.rules, PlainBoardRequest(request.width, request.height), size, request.shadows,
                             geometry);
            for (const PileRef pile : PilesOnBoard(context.rules)) {
                const Place place = geometry.PlaceOf(pile);
                if (!IsPlaced(place.x) || (context.piles[pile].empty() && EmptyMarkName(context, pile).empty()))
                    continue;
                const QRect card(place.x, place.y, geometry.card.cardWidth, geometry.card.cardHeight);
                EXPECT_TRUE(ShowsSomething(table, card))
                    << CatalogueLineName(line) << " size " << size << ": nothing drawn at " << PileName(pile);
            }
        }
    }
}
