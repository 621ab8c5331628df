#include "engine/saved_game_file.h"

#include "app/text_file.h"

#include <fstream>
#include <system_error>

namespace marlowe {

std::filesystem::path HeldGamePath(const std::filesystem::path& dataFolder)
{
    return FindFileNoCase(dataFolder, "Held_game.sav");
}

Outcome WriteSavedGameFile(const std::filesystem::path& path, const SavedGame& game)
{
    const std::string text = SavedGameText(game);
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return Outcome::Failure("The game could not be saved in \"" + path.string() + "\".");
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return Outcome::Failure("The game could not be saved in \"" + path.string() + "\".");
    }
    return Outcome::Success();
}

SavedGameReading ReadSavedGameFile(const std::filesystem::path& path)
{
    const std::optional<std::string> text = ReadFileBytes(path);
    if (!text) {
        SavedGameReading reading;
        reading.outcome = Outcome::Failure("The file \"" + path.string() + "\" cannot be read.");
        return reading;
    }
    SavedGameReading reading = ReadSavedGame(*text);
    if (!reading.outcome)
        reading.outcome = Outcome::Failure("\"" + path.filename().string() + "\": " + reading.outcome.message());
    return reading;
}

} // namespace marlowe
