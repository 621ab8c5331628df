#include "catalogue/game_file.h"

#include "app/text_file.h"
#include "app/text_helpers.h"

namespace marlowe {

std::filesystem::path GameFilePath(const std::filesystem::path& programFolder)
{
    return programFolder / kGameFileName;
}

Outcome ReadGameFile(const std::filesystem::path& programFolder, GameFile& file)
{
    const auto path = GameFilePath(programFolder);
    const auto lines = ReadTextLines(path);
    if (!lines) {
        return Outcome::Failure("Cannot find file:\n" + path.string() +
                                "\nCopy the file into the directory that above is specified\n"
                                "or reinstall the program.");
    }
    file.catalogueLines = ExtractSection(*lines, "[Sect1]");
    file.matrixLines = ExtractSection(*lines, "[Sect2]");
    file.selectionLines = ExtractSection(*lines, "[SectS]");
    return Outcome::Success();
}

} // namespace marlowe
