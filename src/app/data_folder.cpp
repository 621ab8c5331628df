#include "app/data_folder.h"

#include "app/text_file.h"
#include "app/text_helpers.h"

namespace marlowe {

namespace {

// The folder as text with one trailing separator.
std::string WithSeparator(std::string folder)
{
    if (folder.empty() || folder.back() != '/')
        folder += '/';
    return folder;
}

std::string DefaultFolder(const std::filesystem::path& programFolder, const std::filesystem::path& applicationData)
{
    if (applicationData.empty())
        return WithSeparator(programFolder.string()) + "Data/";
    return WithSeparator(applicationData.string()) + "Marlowe/";
}

} // namespace

DataFolderChoice ChooseDataFolder(const std::filesystem::path& programFolder,
                                  const std::filesystem::path& applicationData)
{
    DataFolderChoice choice;
    const std::filesystem::path folderFile = FindFileNoCase(programFolder, kFolderFileName);
    std::error_code error;
    std::string line;
    if (const auto lines = ReadTextLines(folderFile)) {
        line = lines->empty() ? std::string() : TrimRight((*lines)[0]);
    } else {
        const std::filesystem::path dataFolder = FindFileNoCase(programFolder, "data");
        const bool portable = std::filesystem::exists(FindFileNoCase(dataFolder, "cfg.dat"), error);
        line = portable ? WithSeparator(dataFolder.string()) : std::string(kDefaultDataFolderMark);
        if (!WriteTextLines(folderFile, {line}))
            choice.message = "Error saving the file: " + folderFile.string();
    }
    const std::string mark = kDefaultDataFolderMark;
    if (line.empty() || line.compare(0, mark.size(), mark) == 0)
        choice.folder = DefaultFolder(programFolder, applicationData);
    else
        choice.folder = WithSeparator(line);
    std::filesystem::create_directories(choice.folder, error);
    return choice;
}

} // namespace marlowe
