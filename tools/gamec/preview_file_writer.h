#pragma once
// Writes the preview file "solp.dat": for every game, its table dealt from deal number
// 0000000000001 and laid out with the smallest cards on the selection dialog's miniature, as
// records of miniature pictures. Cards show their real faces where the table shows them; runs
// of face-down cards, squared stocks and empty piles take the ready-made pieces and marks.

#include "game_compiler.h"

#include "catalogue/preview_file.h"

#include <filesystem>
#include <string>
#include <vector>

namespace marlowe::gamec {

inline constexpr const char* kPreviewDealNumber = "0000000000001";

// The miniature of one game.
std::vector<PreviewRecord> PreviewRecordsOf(const CompiledGame& game);
// The stored lines: line n scrambled for game number n, empty where no game has the number.
std::vector<std::string> PreviewFileLines(const std::vector<CompiledGame>& games);
// Writes them to path; false when the file cannot be written.
bool WritePreviewFile(const std::filesystem::path& path, const std::vector<CompiledGame>& games);

} // namespace marlowe::gamec
