#include "catalogue/main_game.h"

#include "app/session_registers.h"
#include "app/text_file.h"
#include "app/text_helpers.h"
#include "catalogue/game_file.h"

#include <algorithm>

namespace marlowe {

namespace {

constexpr int kCustomFamily = 800;
constexpr int kNarrowScreenWidth = 650;

} // namespace

int CatalogueLineNumber(const std::string& line)
{
    return static_cast<int>(ParseInteger(TextColumns(line, 5, 3)).value_or(-1));
}

std::string CatalogueLineName(const std::string& line)
{
    return TrimRight(TextColumns(line, 11, 50));
}

Outcome TMainGame::LoadCatalogue()
{
    GameFile file;
    if (auto read = ReadGameFile(programFolder, file); !read)
        return read;
    std::vector<std::string> lines;
    for (const auto& stored : file.catalogueLines) {
        std::string line = ShiftText(stored);
        const std::string catalogueClass = TextColumns(line, 8, 1);
        if (catalogueClass == "0" || catalogueClass == "2")
            lines.push_back(std::move(line));
    }
    catalogue_ = std::make_shared<const std::vector<std::string>>(std::move(lines));
    return Outcome::Success();
}

const std::vector<std::string>& TMainGame::Catalogue() const
{
    static const std::vector<std::string> none;
    return catalogue_ ? *catalogue_ : none;
}

const std::string* TMainGame::LineOf(int number) const
{
    if (number < 0 || number >= kFirstCustomGameNumber)
        return nullptr;
    const std::vector<std::string>& catalogue = Catalogue();
    const auto direct = static_cast<std::size_t>(number);
    if (direct < catalogue.size() && CatalogueLineNumber(catalogue[direct]) == number)
        return &catalogue[direct];
    for (const auto& line : catalogue)
        if (CatalogueLineNumber(line) == number)
            return &line;
    return nullptr;
}

std::string TMainGame::GameName(int number) const
{
    const auto* line = LineOf(number);
    return line ? CatalogueLineName(*line) : std::string();
}

int TMainGame::GameFamily(int number) const
{
    if (number >= kFirstCustomGameNumber)
        return kCustomFamily;
    const auto* line = LineOf(number);
    return line ? static_cast<int>(ParseInteger(TrimRight(TextColumns(*line, 1, 3))).value_or(-1)) : -1;
}

int TMainGame::CatalogueIndex(int number) const
{
    const auto* line = LineOf(number);
    return line ? static_cast<int>(line - Catalogue().data()) : -1;
}

int TMainGame::GameNumberByName(const std::string& name) const
{
    const std::string wanted = ToLowerAscii(TrimRight(name));
    for (const auto& line : Catalogue())
        if (ToLowerAscii(CatalogueLineName(line)) == wanted)
            return CatalogueLineNumber(line);
    return -1;
}

Outcome TMainGame::CanPlayOnScreen(int number, int screenWidth) const
{
    if (screenWidth >= kNarrowScreenWidth)
        return Outcome::Success();
    const int tested = number >= kFirstCustomGameNumber ? FindCustomGame(number).baseNumber : number;
    const auto* line = LineOf(tested);
    if (!line || TextColumns(*line, 9, 1) != "1")
        return Outcome::Success();
    std::string name = CatalogueLineName(*line);
    if (number >= kFirstCustomGameNumber)
        for (const auto& game : ListCustomGames().value_or(std::vector<CustomGame>{}))
            if (game.number == number)
                name = game.name;
    return Outcome::Failure("Your video card's display is 640x480 pixels.\nYou can't play: " + name +
                            "\nPlease set your screen resolution to 800x600 pixels or higher.");
}

std::vector<std::string> TMainGame::ListAllGameNames() const
{
    std::vector<std::string> names;
    for (const auto& line : Catalogue())
        names.push_back(TextColumns(line, 11, 50));
    if (const auto custom = ListCustomGames())
        for (const auto& game : *custom)
            names.push_back(game.name);
    std::stable_sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return LessNoCase(a, b); });
    return names;
}

std::optional<std::vector<CustomGame>> TMainGame::ListCustomGames() const
{
    return marlowe::ListCustomGames(dataFolder);
}

CustomGameRecord TMainGame::FindCustomGame(int number) const
{
    return marlowe::FindCustomGame(dataFolder, number);
}

void TMainGame::CheckStoredGame(SessionRegisters& registers) const
{
    const auto stored = ParseInteger(registers.Get(reg::GameNumber));
    if (!stored || *stored < 0 || !GameName(static_cast<int>(*stored)).empty())
        return;
    registers.Set(reg::GameNumber, ZeroPad(-1, reg::GameNumber.Width()));
    registers.Set(reg::GameName, "");
}

std::string FamilyResourceName(int family)
{
    static const char* const names[] = {
        "CANFIELD", "FORTYTHIEVES", "FREECELL", "KLONDIKE", "PAIRING", "SIMPLEGAMES", "SPIDER", "1DECK",
        "2DECK", "FAN", "BAKERSDOZEN", "ROW", "PUZZLE", "ADDITION", "MEMORY", "BELEAGUEREDCASTLE",
        "QUEENOFITALY", "YUKON", "MATHEMATICAL", "SIRTOMMY", "NONBUILDERS", "STRIPPEDDECK", "FOURSEASONS",
        "FAERIEQUEEN", "FLOWERGARDEN", "SLYFOX",
    };
    if (family == kCustomFamily)
        return "TREE5_CUSTOMIZED_GAMES";
    if (family < 2 || family > 27)
        return {};
    return std::string("TREE5_") + names[family - 2] + "_TYPE";
}

void WriteVersionFileIfMissing(const std::filesystem::path& programFolder)
{
    const std::string version = "1000";
    const auto path = programFolder / ("SOLV" + version + ".DAT");
    std::error_code error;
    if (!std::filesystem::exists(path, error))
        WriteTextLines(path, {"Kestrel version: " + version.substr(0, 2) + "." + version.substr(2)});
}

} // namespace marlowe
