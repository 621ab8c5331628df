// The preview file "solp.dat": written by the game compiler, read back by the selection dialog,
// and the miniatures of the shipped games kept inside the preview.

#include "catalogue/preview_file.h"
#include "play_test_support.h"
#include "game_source.h"
#include "preview_file_writer.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace marlowe {
namespace {

using testing::TempFolder;

// A game as the game compiler makes it from its shipped source.
gamec::CompiledGame ShippedGame(const std::string& file)
{
    std::ifstream in(std::string(MARLOWE_SOURCE_DIR) + "/data/games/" + file);
    std::ostringstream text;
    text << in.rdbuf();
    return gamec::CompileGames({gamec::ParseGameSource(text.str(), file)}).front();
}

TEST(PreviewFileTest, RecordsRoundTripThroughTheScrambledFile)
{
    TempFolder folder;
    const auto klondike = ShippedGame("klondike.game");
    const auto spider = ShippedGame("spider-two-suits.game");
    const auto lines = gamec::PreviewFileLines({klondike, spider});
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(spider.number + 1));
    EXPECT_TRUE(lines[0].empty() && lines[5].empty()) << "numbers without a game";
    EXPECT_EQ(lines[2].find_first_of("\r\n"), std::string::npos);
    ASSERT_TRUE(gamec::WritePreviewFile(folder / kPreviewFileName, {klondike, spider}));

    const auto records = ReadPreviewRecords(folder.path(), 2);
    ASSERT_TRUE(records);
    EXPECT_EQ(*records, gamec::PreviewRecordsOf(klondike));
    EXPECT_EQ(ReadPreviewRecords(folder.path(), spider.number), gamec::PreviewRecordsOf(spider));
    EXPECT_FALSE(ReadPreviewRecords(folder.path(), 5)) << "an empty line";
    EXPECT_FALSE(ReadPreviewRecords(folder.path(), spider.number + 1)) << "past the last line";
    EXPECT_FALSE(ReadPreviewRecords(folder.path(), -1));
    TempFolder empty;
    EXPECT_FALSE(ReadPreviewRecords(empty.path(), 2)) << "no file";
}

TEST(PreviewFileTest, TheDealtTableBecomesPiecesAndFaces)
{
    const auto records = gamec::PreviewRecordsOf(ShippedGame("klondike.game"));
    const auto count = [&](int low, int high) {
        return std::count_if(records.begin(), records.end(),
                             [&](const PreviewRecord& r) { return r.picture >= low && r.picture <= high; });
    };
    EXPECT_EQ(count(miniature::Stock, miniature::Stock), 1) << "the face-down stock";
    EXPECT_EQ(count(miniature::FirstMark + 7, miniature::FirstMark + 7), 4) << "four empty Ace foundations";
    // Columns 2..7 are one piece of their backs each; every column shows its real top card.
    for (int length = 2; length <= 7; ++length)
        EXPECT_EQ(count(miniature::FirstFanDown + length - 1, miniature::FirstFanDown + length - 1), 1) << length;
    EXPECT_EQ(count(miniature::FirstFace, miniature::FirstFace + 51), 7);
    // The top card lies where the piece shows its face: 3 pixels per card below the column's top.
    const auto piece = std::find_if(records.begin(), records.end(),
                                    [](const PreviewRecord& r) { return r.picture == miniature::FirstFanDown + 6; });
    ASSERT_NE(piece, records.end());
    const PreviewRecord top = *(piece + 1);
    EXPECT_EQ(top.x, piece->x);
    EXPECT_EQ(top.y, piece->y + 6 * 3);
}

TEST(PreviewFileTest, ARecordThatDoesNotConvertIsSkipped)
{
    const std::string line = "0004" "001010020" "0x1000000" "100005005" "054005005" "0990";
    EXPECT_EQ(ParsePreviewLine(line), (std::vector<PreviewRecord>{{1, 10, 20}, {54, 5, 5}}));
    EXPECT_EQ(PreviewLineText({{1, 10, 20}, {99, 1000, -4}}), "0002" "001010020" "099999000");
    EXPECT_TRUE(ParsePreviewLine("0000").empty());
}

TEST(PreviewFileTest, EveryShippedGameHasAMiniatureInsideThePreview)
{
    const TMainGame mainGame = testing::ShippedCatalogue();
    for (const std::string& line : mainGame.Catalogue()) {
        const int number = CatalogueLineNumber(line);
        const auto records = ReadPreviewRecords(MARLOWE_BUILD_DIR, number);
        ASSERT_TRUE(records) << number;
        // The smallest table is Robert's: a stock, its waste and one foundation.
        EXPECT_GE(records->size(), 3u) << number;
        for (const PreviewRecord& record : *records) {
            // Every picture is at least a card (25 x 32) from its corner.
            EXPECT_LE(record.x + kPreviewOffsetX + 25, kPreviewWidth) << number << " picture " << record.picture;
            EXPECT_LE(record.y + kPreviewOffsetY + 32, kPreviewHeight) << number << " picture " << record.picture;
        }
    }
}

} // namespace
} // namespace marlowe
