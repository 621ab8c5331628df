#pragma once
// Writes the hint file "solr.dat" from the hints of the compiled games: a "[Main]" line, then one
// scrambled "key=value" line per hint, every line ended by CR LF. A file without hints holds the
// section line only.

#include "game_compiler.h"

#include <filesystem>
#include <string>
#include <vector>

namespace marlowe::gamec {

// The bytes of the hint file.
std::string HintFileText(const std::vector<CompiledGame>& games);
// Writes them to path; false when the file cannot be written.
bool WriteHintFile(const std::filesystem::path& path, const std::vector<CompiledGame>& games);

} // namespace marlowe::gamec
