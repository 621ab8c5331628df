// Contact sheets of everything the board draws cards with, written to build/contact-sheets for
// people to look at: every card style and card set at every size with its joker, every back,
// every mark and every texture. While composing them the test checks what a look would catch
// first: a missing or placeholder picture, two cards cut from the same cell.

#include "board/resource_modules.h"

#include <QDir>
#include <QPainter>

#include <gtest/gtest.h>

#include <functional>
#include <set>

using namespace marlowe;

namespace {

const QString kSheetFolder = QString(MARLOWE_BUILD_DIR) + "/contact-sheets";
constexpr int kGap = 4;
const QColor kFelt(0, 110, 40);

// Pictures laid out in rows on felt, as on the board.
class ContactSheet {
public:
    void AddRow(std::vector<QImage> row) { rows_.push_back(std::move(row)); }
    bool Save(const QString& name) const
    {
        int width = 0;
        int height = kGap;
        for (const auto& row : rows_) {
            int rowWidth = kGap;
            int rowHeight = 0;
            for (const QImage& image : row) {
                rowWidth += image.width() + kGap;
                rowHeight = std::max(rowHeight, image.height());
            }
            width = std::max(width, rowWidth);
            height += rowHeight + kGap;
        }
        QImage sheet(width, height, QImage::Format_RGB32);
        sheet.fill(kFelt);
        QPainter painter(&sheet);
        int y = kGap;
        for (const auto& row : rows_) {
            int x = kGap;
            int rowHeight = 0;
            for (const QImage& image : row) {
                painter.drawImage(x, y, image);
                x += image.width() + kGap;
                rowHeight = std::max(rowHeight, image.height());
            }
            y += rowHeight + kGap;
        }
        painter.end();
        QDir().mkpath(kSheetFolder);
        return sheet.save(kSheetFolder + "/" + name + ".png");
    }

private:
    std::vector<std::vector<QImage>> rows_;
};

// A picture the generator could not make is filled with pure magenta.
bool IsPlaceholder(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            if (rgb.pixel(x, y) != qRgb(255, 0, 255))
                return false;
    return true;
}

QImage Cell(const QImage& sheet, int index, int width, int height, int firstRow = 0)
{
    return sheet.copy((index % 5) * width, (firstRow + index / 5) * height, width, height);
}

class ContactSheetsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        modules = new ResourceModules(MARLOWE_BUILD_DIR);
        for (ResourceModule module : {ResourceModule::Standard, ResourceModule::ExtraLarge,
                                      ResourceModule::AdditionalCardSets, ResourceModule::AdditionalBacks,
                                      ResourceModule::AdditionalBackgrounds})
            ASSERT_TRUE(modules->Open(module));
    }
    static void TearDownTestSuite()
    {
        delete modules;
        modules = nullptr;
    }

    // One row per suit of thirteen faces, all different, none a placeholder.
    static void AddSuitRows(ContactSheet& sheet, const std::string& label,
                            const std::function<QImage(int suit, int rank)>& face)
    {
        std::set<QByteArray> seen;
        for (int suit = 0; suit < 4; ++suit) {
            std::vector<QImage> row;
            for (int rank = 1; rank <= 13; ++rank) {
                QImage card = face(suit, rank);
                EXPECT_FALSE(IsPlaceholder(card)) << label << " suit " << suit << " rank " << rank;
                const QByteArray pixels(reinterpret_cast<const char*>(card.constBits()), card.sizeInBytes());
                EXPECT_TRUE(seen.insert(pixels).second)
                    << label << ": suit " << suit << " rank " << rank << " repeats another card";
                row.push_back(std::move(card));
            }
            sheet.AddRow(std::move(row));
        }
    }

    static ResourceModules* modules;
};

ResourceModules* ContactSheetsTest::modules = nullptr;

}  // namespace

TEST_F(ContactSheetsTest, EveryCardStyleAtEverySize)
{
    for (const std::string& style : CardStyles()) {
        ContactSheet sheet;
        for (char size : kCardSizeLetters) {
            const CardPixelSize card = CardSizeOf(size);
            const std::string label = std::string("style ") + style + " size " + size;
            AddSuitRows(sheet, label, [&](int suit, int rank) {
                return Cell(modules->Image(CardSheetName(size, style, "HDCS"[suit])), rank - 1, card.width, card.height);
            });
            sheet.AddRow({modules->Image(JokerName(size)), modules->Image(CardBackName(size, "011"))});
        }
        EXPECT_TRUE(sheet.Save(QString::fromStdString("cards-" + style)));
    }
}

TEST_F(ContactSheetsTest, EveryAdditionalCardSetAtEverySize)
{
    for (const ListedResource& set : ListedResources(ResourceModule::AdditionalCardSets)) {
        ContactSheet sheet;
        for (char size : std::string_view("XSBM")) {
            const CardPixelSize card = CardSizeOf(size);
            const QImage whole = modules->Image(set.resourceName + "_" + size);
            AddSuitRows(sheet, set.displayName + " size " + size, [&](int suit, int rank) {
                return Cell(whole, rank - 1, card.width, card.height, suit * 3);
            });
        }
        EXPECT_TRUE(sheet.Save(QString::fromStdString("set-" + set.resourceName)));
    }
}

TEST_F(ContactSheetsTest, EveryBackMarkAndTexture)
{
    ContactSheet backs;
    for (char size : kCardSizeLetters) {
        std::vector<QImage> row;
        for (const std::string& back : CardBackNumbers()) {
            row.push_back(modules->Image(CardBackName(size, back)));
            EXPECT_FALSE(IsPlaceholder(row.back())) << CardBackName(size, back);
        }
        backs.AddRow(std::move(row));
    }
    std::vector<QImage> additional;
    for (const ListedResource& back : ListedResources(ResourceModule::AdditionalBacks))
        additional.push_back(modules->Image(back.resourceName).scaled(71, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    backs.AddRow(std::move(additional));
    EXPECT_TRUE(backs.Save("backs"));

    ContactSheet marks;
    for (char size : kCardSizeLetters) {
        std::vector<QImage> row;
        for (const ResourceEntry& entry : AllResourceEntries())
            if (entry.family == ResourceFamily::Mark && entry.sizeLetter == size) {
                row.push_back(modules->Image(entry.name));
                EXPECT_FALSE(IsPlaceholder(row.back())) << entry.name;
            }
        marks.AddRow(std::move(row));
    }
    EXPECT_TRUE(marks.Save("marks"));

    // Each texture tiled two by two, so a seam between tiles shows.
    ContactSheet textures;
    std::vector<QImage> row;
    auto tiled = [](const QImage& tile) {
        QImage twice(tile.width() * 2, tile.height() * 2, QImage::Format_RGB32);
        QPainter painter(&twice);
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 2; ++x)
                painter.drawImage(x * tile.width(), y * tile.height(), tile);
        painter.end();
        return twice;
    };
    for (const std::string& texture : TextureNumbers()) {
        const QImage tile = modules->Image("B" + texture);
        EXPECT_FALSE(IsPlaceholder(tile)) << texture;
        row.push_back(tiled(tile));
    }
    for (const ListedResource& background : ListedResources(ResourceModule::AdditionalBackgrounds))
        row.push_back(tiled(QImage::fromData(modules->Data(background.resourceName), "JPG")));
    textures.AddRow(std::move(row));
    EXPECT_TRUE(textures.Save("textures"));
}
