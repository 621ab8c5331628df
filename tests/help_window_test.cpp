// The help window over the pages the game compiler writes: a game's rules topic, the contents,
// a custom game worded at run time, a missing page, and finding text.

#include "catalogue/custom_games.h"
#include "catalogue/rules_page.h"
#include "test_support.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QDir>
#include <QTextBrowser>
#include <QUrl>

#include <gtest/gtest.h>

#include <filesystem>

namespace marlowe {
namespace {

const std::filesystem::path kHelpFolder = std::filesystem::path(MARLOWE_BUILD_DIR) / kHelpFolderName;

QString Shown(const HelpWindow& window)
{
    return window.Browser()->toPlainText();
}

TEST(HelpWindow, ShowsTopicsContentsAndACustomGame)
{
    HelpWindow window(kHelpFolder);
    window.resize(700, 620);

    window.ShowContents();
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(Shown(window).contains("FreeCell"));
    EXPECT_TRUE(Shown(window).contains("How to play"));

    emit window.Browser()->anchorClicked(QUrl("3002.html")); // the contents' link to Klondike
    EXPECT_TRUE(Shown(window).contains("only the top card of each face up"));
    EXPECT_TRUE(window.Browser()->isBackwardAvailable()) << "Back returns to the contents";
    window.Browser()->backward();
    EXPECT_TRUE(Shown(window).contains("How to play"));
    window.ShowTopic(kRulesTopicBase + 2);
    EXPECT_TRUE(window.windowTitle().contains("Klondike"));

    RuleVector custom;
    custom[rule::PackSize] = 52;
    custom[rule::FoundationCount] = 4;
    custom[rule::TableauCount] = 7;
    custom[rule::PassesAllowed] = 3;
    window.ShowRulesOf(kFirstCustomGameNumber, "My Klondike", custom);
    EXPECT_TRUE(Shown(window).contains("My Klondike"));
    EXPECT_TRUE(Shown(window).contains("custom game"));
    EXPECT_TRUE(window.windowTitle().contains("My Klondike"));

    window.ShowRulesOf(1, "FreeCell", RuleVector());
    EXPECT_TRUE(Shown(window).contains("four free cells")) << "a built-in game shows its written page";
    EXPECT_TRUE(window.windowTitle().contains("FreeCell"));

    EXPECT_TRUE(window.Find("free cells"));
    EXPECT_TRUE(window.Find("free cells")) << "the search wraps round the page";
    EXPECT_FALSE(window.Find("no such words on the page"));

    // The picture of the window, for looking at.
    window.Browser()->moveCursor(QTextCursor::Start);
    QApplication::processEvents();
    const auto shots = std::filesystem::path(MARLOWE_BUILD_DIR) / "ui-shots";
    std::filesystem::create_directories(shots);
    EXPECT_TRUE(window.grab().save(QString::fromStdString((shots / "help-freecell.png").string())));
}

TEST(HelpWindow, AMissingPageLeavesAMessage)
{
    testing::TempFolder empty;
    HelpWindow window(empty.path());
    window.ShowTopic(kRulesTopicBase + 1);
    EXPECT_TRUE(Shown(window).contains("Page not found"));
    EXPECT_TRUE(Shown(window).contains("3001.html"));
    window.ShowContents();
    EXPECT_TRUE(Shown(window).contains("contents.html"));
    emit window.Browser()->anchorClicked(QUrl("3002.html"));
    EXPECT_TRUE(Shown(window).contains("3002.html")) << "a link to a missing page is reported the same way";
}

} // namespace
} // namespace marlowe
