// The choice of the data folder through "sol_fold.dat": written on the first start, read on
// every later one, the default folder under the application data, a portable program folder.

#include "app/data_folder.h"
#include "app/text_file.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace marlowe;
namespace fs = std::filesystem;

namespace {

class DataFolderTest : public ::testing::Test {
protected:
    DataFolderTest() { fs::create_directories(program.path()); }

    std::vector<std::string> FolderFile() const
    {
        return ReadTextLines(program / kFolderFileName).value_or(std::vector<std::string>{});
    }

    marlowe::testing::TempFolder program;
    marlowe::testing::TempFolder home;
};

} // namespace

TEST_F(DataFolderTest, AFirstStartWritesTheDefaultMarkAndCreatesTheDefaultFolder)
{
    const DataFolderChoice choice = ChooseDataFolder(program.path(), home.path());
    EXPECT_EQ(choice.folder, home.path() / "Marlowe/");
    EXPECT_TRUE(fs::is_directory(home / "Marlowe"));
    EXPECT_TRUE(choice.message.empty());
    EXPECT_EQ(FolderFile(), std::vector<std::string>{"[Default Data Folder]"});
    // The next start reads the mark and comes to the same folder.
    EXPECT_EQ(ChooseDataFolder(program.path(), home.path()).folder, home.path() / "Marlowe/");
}

TEST_F(DataFolderTest, AProgramFolderWithItsOwnPreferencesKeepsItsData)
{
    fs::create_directories(program / "data");
    program.Write("data/cfg.dat", {"[Preference]"});
    const DataFolderChoice choice = ChooseDataFolder(program.path(), home.path());
    EXPECT_EQ(choice.folder, program.path() / "data/");
    EXPECT_EQ(FolderFile(), std::vector<std::string>{(program.path() / "data/").string()});
}

TEST_F(DataFolderTest, TheFolderFileNamesTheFolderWithOrWithoutItsSeparator)
{
    const fs::path named = home.path() / "cards and scores";
    program.Write(kFolderFileName, {named.string() + "   ", "ignored"});
    EXPECT_EQ(ChooseDataFolder(program.path(), home.path()).folder, fs::path(named.string() + "/"));
    EXPECT_TRUE(fs::is_directory(named));

    // Anything after the mark still means the default folder; so does an empty line.
    program.Write(kFolderFileName, {"[Default Data Folder] moved"});
    EXPECT_EQ(ChooseDataFolder(program.path(), home.path()).folder, home.path() / "Marlowe/");
    program.Write(kFolderFileName, {""});
    EXPECT_EQ(ChooseDataFolder(program.path(), home.path()).folder, home.path() / "Marlowe/");
}

TEST_F(DataFolderTest, WithoutApplicationDataTheProgramFolderServes)
{
    EXPECT_EQ(ChooseDataFolder(program.path(), {}).folder, program.path() / "Data/");
}

TEST_F(DataFolderTest, AFolderFileThatCannotBeWrittenIsReportedAndTheStartGoesOn)
{
    // A program folder that cannot take the file (here: one that is not there at all).
    const fs::path unwritable = program.path() / "missing";
    const DataFolderChoice choice = ChooseDataFolder(unwritable, home.path());
    EXPECT_EQ(choice.folder, home.path() / "Marlowe/");
    EXPECT_TRUE(fs::is_directory(home / "Marlowe"));
    EXPECT_EQ(choice.message, "Error saving the file: " + (unwritable / kFolderFileName).string());
}
