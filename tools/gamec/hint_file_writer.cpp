#include "hint_file_writer.h"

#include "engine/hint_file.h"

#include <fstream>

namespace marlowe::gamec {

namespace {

constexpr const char* kLineEnd = "\r\n";

} // namespace

std::string HintFileText(const std::vector<CompiledGame>& games)
{
    std::string text = std::string(kHintSection) + kLineEnd;
    for (const auto& game : games)
        for (const auto& [key, hint] : game.hints)
            text += StoredHintLine(HintPlainKey(game.number, key.first, key.second), hint) + kLineEnd;
    return text;
}

bool WriteHintFile(const std::filesystem::path& path, const std::vector<CompiledGame>& games)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    out << HintFileText(games);
    out.flush();
    return static_cast<bool>(out);
}

} // namespace marlowe::gamec
