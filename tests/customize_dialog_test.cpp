// The customize dialog on a started run with a fresh data folder: what it shows on opening,
// what OK stores for each kind of back and background and how the board and the toolbar follow,
// and that Cancel leaves the preferences file as it was. Pictures of its pages go to
// build/ui-shots for people to look at.

#include "board/board_background.h"
#include "board/resource_modules.h"
#include "test_support.h"
#include "ui/customize_dialog.h"
#include "ui/customize_trees.h"
#include "ui/main_window.h"
#include "ui/table_session.h"
#include "ui/tool_band.h"
#include "window_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace marlowe {
namespace {

class CustomizeDialogTest : public ::testing::Test {
protected:
    CustomizeDialogTest() : session(MARLOWE_BUILD_DIR, data.path())
    {
        testing::StartTestRun(session);
        testing::DealFixedGame(session, 1, "0000000000001");
    }

    std::string Preference(const char* key) { return session.preferences().ReadString("Preference", key, ""); }
    SessionRegisters& registers() { return session.context().registers; }

    std::string PreferencesFile()
    {
        std::ifstream file(session.preferences().FilePath(), std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    // Reads the preferences into the registers again, as a new run would.
    void RestartRun()
    {
        session.preferences().ReadAllPreferences(session.context().mainGame, DisplayFacts{1280, 1024, 16777216});
    }

    static QCheckBox* Box(TfrmCustomize_Freeware& dialog, const char* name)
    {
        return dialog.findChild<QCheckBox*>(name);
    }
    static QTreeWidget* Tree(TfrmCustomize_Freeware& dialog, const char* name)
    {
        return dialog.findChild<QTreeWidget*>(name);
    }
    static void Choose(TfrmCustomize_Freeware& dialog, const char* tree, int number)
    {
        QTreeWidgetItem* node = FindChoice(Tree(dialog, tree), number);
        ASSERT_NE(node, nullptr) << number;
        Tree(dialog, tree)->setCurrentItem(node);
    }
    static void Press(TfrmCustomize_Freeware& dialog, const char* button)
    {
        dialog.findChild<QPushButton*>(button)->click();
    }
    // Opens the dialog, lets change act on it and confirms with OK.
    void ChangeAndConfirm(const std::function<void(TfrmCustomize_Freeware&)>& change)
    {
        TfrmCustomize_Freeware dialog(session, nullptr);
        change(dialog);
        Press(dialog, "btnOK");
    }

    QRgb BoardPixel() { return session.painter().BackgroundImage().pixel(2, 2); }

    testing::TempFolder data;
    TableSession session;
};

QStringList LeafTexts(QTreeWidget* tree)
{
    QStringList texts;
    for (QTreeWidgetItemIterator it(tree); *it; ++it)
        if (IsChoice(*it))
            texts << QString("%1 %2").arg((*it)->text(0)).arg(NodeNumber(*it));
    return texts;
}

}  // namespace

TEST_F(CustomizeDialogTest, OpeningShowsTheDefaultsOfAFreshRun)
{
    TfrmCustomize_Freeware dialog(session, nullptr);
    EXPECT_EQ(dialog.windowTitle(), "Customize");
    EXPECT_EQ(dialog.size(), QSize(400, 301));
    const auto* pages = dialog.findChild<QTabWidget*>("TabbedNotebook1");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->currentIndex(), 0);
    EXPECT_EQ(pages->tabText(1), "&Decks  ");
    for (const char* on : {"chkTBLargeIcons", "chkTBFlatBtn", "chkShowTime", "chkShowScore", "chkWinningAnimation",
                           "chkFadeBackground"})
        EXPECT_TRUE(Box(dialog, on)->isChecked()) << on;
    for (const char* off :
         {"chkConfirmQuitGame", "chkConfirmOnExit", "chkSoundsEnabled", "chkDisableStatistics", "chkWinnableDeals"})
        EXPECT_FALSE(Box(dialog, off)->isChecked()) << off;
    EXPECT_FALSE(Box(dialog, "chkTBLargeIcons")->isVisibleTo(&dialog)) << "its group is not shown";
    // A fresh file asks for back 11 and the fixed green.
    EXPECT_EQ(Tree(dialog, "trvCardBack")->currentItem()->text(0), "Plaiting 1");
    EXPECT_EQ(Tree(dialog, "trvBackGround")->currentItem()->text(0), "Green");
    EXPECT_EQ(dialog.findChild<QLabel*>("lblBackGround")->text(), "Green");
}

TEST_F(CustomizeDialogTest, OpeningShowsStoredChoicesOnTheRequestedPage)
{
    Preferences& preferences = session.preferences();
    for (auto [key, value] : {std::pair{"Show_Time", "N"}, {"Show_Score", "N"}, {"Winning_Animation", "N"},
                              {"ConfirmQuitGame", "Y"}, {"ConfirmQuit", "Y"}, {"Fade_Background", "N"},
                              {"Sounds_Enabled", "N"}, {"Disable_Statistics", "Y"}, {"Back_Card", "19"},
                              {"Background_bmp", "304"}, {"ToolBar_Large", "N"}})
        preferences.WriteString("Preference", key, value);
    RestartRun();
    TfrmCustomize_Freeware dialog(session, nullptr, TfrmCustomize_Freeware::Backgrounds);
    EXPECT_EQ(dialog.findChild<QTabWidget*>("TabbedNotebook1")->currentIndex(), 2);
    for (const char* off : {"chkTBLargeIcons", "chkShowTime", "chkShowScore", "chkWinningAnimation", "chkFadeBackground"})
        EXPECT_FALSE(Box(dialog, off)->isChecked()) << off;
    for (const char* on : {"chkConfirmQuitGame", "chkConfirmOnExit", "chkSoundsEnabled", "chkDisableStatistics"})
        EXPECT_TRUE(Box(dialog, on)->isChecked()) << on;
    EXPECT_EQ(NodeNumber(Tree(dialog, "trvCardBack")->currentItem()), 19);
    EXPECT_EQ(Tree(dialog, "trvBackGround")->currentItem()->text(0), "Brick wall 1");
    dialog.ShowPage(3);
    EXPECT_EQ(dialog.findChild<QTabWidget*>("TabbedNotebook1")->currentIndex(), 3);
}

TEST_F(CustomizeDialogTest, TreesOfferOnlyWhatTheModuleHoldsWithTheirNumbers)
{
    TfrmCustomize_Freeware dialog(session, nullptr);
    EXPECT_EQ(LeafTexts(Tree(dialog, "trvCardBack")),
              (QStringList{"Tropical fish 19", "Snowman 3", "Classic blue 7", "Mondrian 1", "Roses 14", "Plaiting 1 11",
                           "Plaiting 2 6", "Lake 20"}));
    EXPECT_EQ(LeafTexts(Tree(dialog, "trvBackGround")),
              (QStringList{"Default (green table) 0", "Blue 16711680", "Green 32768", "Navy 8388608", "Olive 32896",
                           "Teal 8421376", "White 16777215", "Other color 1", "Metal gold 287", "Meadow 324",
                           "Moquette 1 296", "Brick wall 1 304", "Parquet 311", "Moquette 102"}));
    EXPECT_FALSE(IsChoice(Tree(dialog, "trvBackGround")->topLevelItem(1))) << "a group is no choice";

    // Without the module no back or texture is offered, and no group is left empty.
    ResourceModules none(data.path());
    QTreeWidget backs;
    QTreeWidget backgrounds;
    FillCardBackTree(&backs, none);
    FillBackgroundTree(&backgrounds, none);
    EXPECT_EQ(backs.topLevelItemCount(), 0);
    EXPECT_EQ(backgrounds.topLevelItemCount(), 2) << "the default and the colours";
}

TEST_F(CustomizeDialogTest, SamplesFollowTheSelectionAndTheFade)
{
    TfrmCustomize_Freeware dialog(session, nullptr);
    auto* sample = dialog.findChild<QLabel*>("imgSfondoEsempio");
    auto* back = dialog.findChild<QLabel*>("imgDorsoEsempio");
    const auto bottom = [sample] {
        const QImage image = sample->pixmap().toImage();
        return image.pixel(image.width() / 2, image.height() - 3);
    };
    Choose(dialog, "trvBackGround", 8388608);
    EXPECT_EQ(dialog.findChild<QLabel*>("lblBackGround")->text(), "Navy");
    const QRgb faded = bottom();
    Box(dialog, "chkFadeBackground")->setChecked(false);
    EXPECT_EQ(bottom(), qRgb(0, 0, 128));
    EXPECT_NE(faded, bottom());

    const QImage before = back->pixmap().toImage();
    Choose(dialog, "trvCardBack", 20);
    EXPECT_NE(back->pixmap().toImage(), before);
    EXPECT_EQ(back->pixmap().size(), QSize(71, 96));
}

TEST_F(CustomizeDialogTest, EachKindOfBackgroundIsStoredAndDrawnOnTheBoard)
{
    const long long openedColour = registers().GetNumber(reg::BackgroundColour);
    ChangeAndConfirm([](auto& dialog) {
        Choose(dialog, "trvBackGround", 8388608);
        Box(dialog, "chkFadeBackground")->setChecked(false);
    });
    EXPECT_EQ(Preference("Background_bmp"), "0");
    EXPECT_EQ(Preference("Background_Fixed_Col"), "8388608");
    EXPECT_EQ(Preference("Fade_Background"), "N");
    EXPECT_EQ(registers().Get(reg::FixedBackgroundColour), "8388608");
    EXPECT_EQ(BoardPixel(), qRgb(0, 0, 128));

    ChangeAndConfirm([](auto& dialog) { Choose(dialog, "trvBackGround", 0); });
    EXPECT_EQ(Preference("Background_Def"), "Y");
    EXPECT_EQ(Preference("Background_bmp"), "0");
    EXPECT_EQ(Preference("Background_Fixed_Col"), "0");
    EXPECT_EQ(Preference("Background_Col"), std::to_string(openedColour));
    EXPECT_EQ(BoardPixel(), qRgb(0, 128, 0));

    // Leaving the default takes effect: the default green no longer covers the texture.
    ChangeAndConfirm([](auto& dialog) { Choose(dialog, "trvBackGround", 304); });
    EXPECT_EQ(Preference("Background_bmp"), "304");
    EXPECT_EQ(Preference("Background_Fixed_Col"), "0");
    EXPECT_EQ(Preference("Background_Def"), "N");
    EXPECT_EQ(registers().Get(reg::BackgroundPicture), "304");
    EXPECT_EQ(ChooseBackground(registers(), session.preferences()).kind, BackgroundKind::Texture);

    ChangeAndConfirm([](auto& dialog) { dialog.ChoosePlainColour(QColor(10, 20, 30)); });
    EXPECT_EQ(Preference("Background_Col"), std::to_string(10 + 20 * 256 + 30 * 65536));
    EXPECT_EQ(Preference("Background_bmp"), "0");
    EXPECT_EQ(Preference("Background_Fixed_Col"), "0");
    EXPECT_EQ(BoardPixel(), qRgb(10, 20, 30));

    // The stored choice is what the next run shows.
    RestartRun();
    TfrmCustomize_Freeware again(session, nullptr);
    EXPECT_EQ(Tree(again, "trvBackGround")->currentItem()->text(0), "Other color");
}

TEST_F(CustomizeDialogTest, APictureOfThePlayersStaysUntilAnotherBackgroundIsChosen)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(200, 10, 10));
    ASSERT_TRUE(picture.save(QString::fromStdString((data / "mine.bmp").string()), "BMP"));
    session.preferences().WriteString("Preference", "Customized_Background", "mine");
    RestartRun();
    session.ApplyLookChange();
    ASSERT_EQ(BoardPixel(), qRgb(200, 10, 10));

    ChangeAndConfirm([](auto& dialog) {
        EXPECT_EQ(Tree(dialog, "trvBackGround")->currentItem(), nullptr);
        EXPECT_EQ(dialog.template findChild<QLabel*>("lblBackGround")->text(), "mine");
        Choose(dialog, "trvBackGround", 304);
        Tree(dialog, "trvBackGround")->setCurrentItem(Tree(dialog, "trvBackGround")->topLevelItem(1));
    });
    EXPECT_EQ(Preference("Customized_Background"), "mine") << "a group selected keeps the background";
    EXPECT_EQ(BoardPixel(), qRgb(200, 10, 10));

    ChangeAndConfirm([](auto& dialog) { Choose(dialog, "trvBackGround", 311); });
    EXPECT_EQ(Preference("Customized_Background"), "");
    EXPECT_EQ(ChooseBackground(registers(), session.preferences()).kind, BackgroundKind::Texture);
    EXPECT_NE(BoardPixel(), qRgb(200, 10, 10));
}

TEST_F(CustomizeDialogTest, ABackNodeStoresItsNumberAndTheBoardTakesTheBack)
{
    const QImage before = session.images().Back();
    ChangeAndConfirm([](auto& dialog) { Choose(dialog, "trvCardBack", 1); });
    EXPECT_EQ(registers().Get(reg::CardBack), "001");
    EXPECT_EQ(Preference("Back_Card"), "1");
    EXPECT_NE(session.images().Back(), before);

    ChangeAndConfirm([](auto& dialog) {
        Tree(dialog, "trvCardBack")->setCurrentItem(Tree(dialog, "trvCardBack")->topLevelItem(0));
    });
    EXPECT_EQ(registers().Get(reg::CardBack), "001") << "a group selected keeps the back";
}

TEST_F(CustomizeDialogTest, SoundsBoxIsTheInverseOfTheMasterSwitch)
{
    ChangeAndConfirm([](auto& dialog) { Box(dialog, "chkSoundsEnabled")->setChecked(true); });
    EXPECT_EQ(Preference("Sounds_Enabled"), "N");
    EXPECT_EQ(registers().Get(reg::SoundsEnabled), "N") << "silent from now on, not from the next run";
    ChangeAndConfirm([](auto& dialog) {
        EXPECT_TRUE(Box(dialog, "chkSoundsEnabled")->isChecked());
        Box(dialog, "chkSoundsEnabled")->setChecked(false);
    });
    EXPECT_EQ(Preference("Sounds_Enabled"), "Y");
    EXPECT_EQ(registers().Get(reg::SoundsEnabled), "Y");
}

TEST_F(CustomizeDialogTest, OkSwitchesTheStatisticsAndTheWinnableDealsOnAndOff)
{
    ChangeAndConfirm([](auto& dialog) {
        Box(dialog, "chkDisableStatistics")->setChecked(true);
        Box(dialog, "chkWinnableDeals")->setChecked(true);
    });
    EXPECT_EQ(Preference("Disable_Statistics"), "Y");
    EXPECT_TRUE(session.context().mainGame.StatisticsDisabled);
    EXPECT_EQ(Preference("Winnable_Deals_Only"), "Y");
    ChangeAndConfirm([](auto& dialog) {
        EXPECT_TRUE(Box(dialog, "chkDisableStatistics")->isChecked());
        EXPECT_TRUE(Box(dialog, "chkWinnableDeals")->isChecked());
        Box(dialog, "chkDisableStatistics")->setChecked(false);
        Box(dialog, "chkWinnableDeals")->setChecked(false);
    });
    EXPECT_EQ(Preference("Disable_Statistics"), "N");
    EXPECT_FALSE(session.context().mainGame.StatisticsDisabled);
    EXPECT_EQ(Preference("Winnable_Deals_Only"), "N");
}

TEST_F(CustomizeDialogTest, OkAppliesThePanelsAndConfirmationsAtOnce)
{
    MainWindow window(session);
    ToolBand* band = window.toolBand();
    ASSERT_TRUE(band->TimeShown());
    TfrmCustomize_Freeware dialog(session, band);
    Box(dialog, "chkShowTime")->setChecked(false);
    Box(dialog, "chkShowScore")->setChecked(false);
    Box(dialog, "chkConfirmQuitGame")->setChecked(true);
    Box(dialog, "chkConfirmOnExit")->setChecked(true);
    Box(dialog, "chkWinningAnimation")->setChecked(false);
    Press(dialog, "btnOK");
    EXPECT_FALSE(band->TimeShown());
    EXPECT_FALSE(band->ScoreShown());
    EXPECT_EQ(registers().Get(reg::ShowTime), "N");
    EXPECT_EQ(registers().Get(reg::ShowScore), "N");
    EXPECT_EQ(Preference("Show_Time"), "N");
    EXPECT_EQ(Preference("ConfirmQuit"), "Y");
    EXPECT_EQ(Preference("ConfirmQuitGame"), "Y");
    EXPECT_EQ(registers().Get(reg::ConfirmQuitGame), "Y") << "the next abandoned game asks";
    EXPECT_EQ(Preference("Winning_Animation"), "N");
    EXPECT_EQ(Preference("ToolBar_Large"), "Y");
    EXPECT_EQ(Preference("ToolBar_Flat"), "Y");
}

TEST_F(CustomizeDialogTest, CancelAfterChangingEveryPageWritesNothing)
{
    const std::string before = PreferencesFile();
    const std::string backBefore = registers().Get(reg::CardBack);
    TfrmCustomize_Freeware dialog(session, nullptr);
    std::vector<int> topics;
    dialog.SetHelpHandler([&topics](int topic) { topics.push_back(topic); });
    for (const char* name : {"chkShowTime", "chkShowScore", "chkWinningAnimation", "chkConfirmQuitGame",
                             "chkConfirmOnExit", "chkDisableStatistics", "chkWinnableDeals", "chkFadeBackground",
                             "chkSoundsEnabled"})
        Box(dialog, name)->toggle();
    Choose(dialog, "trvCardBack", 3);
    Choose(dialog, "trvBackGround", 296);
    dialog.ChoosePlainColour(QColor(1, 2, 3));
    Press(dialog, "btnAiuto");
    Press(dialog, "btnAnnulla");
    EXPECT_EQ(topics, std::vector<int>{1019});
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(PreferencesFile(), before);
    EXPECT_EQ(registers().Get(reg::CardBack), backBefore);
    EXPECT_FALSE(session.context().mainGame.StatisticsDisabled);
}

TEST_F(CustomizeDialogTest, PicturesOfThePagesForPeopleToLookAt)
{
    const QString folder = QString(MARLOWE_BUILD_DIR) + "/ui-shots";
    QDir().mkpath(folder);
    TfrmCustomize_Freeware dialog(session, nullptr);
    dialog.show();
    Choose(dialog, "trvCardBack", 19);
    Choose(dialog, "trvBackGround", 304);
    const char* const names[] = {"general", "decks", "backgrounds", "sounds"};
    for (int page = 0; page < 4; ++page) {
        dialog.ShowPage(page);
        QApplication::processEvents();
        EXPECT_TRUE(dialog.grab().save(folder + "/customize-" + names[page] + ".png"));
    }
}

}  // namespace marlowe
