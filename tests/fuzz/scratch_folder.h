#pragma once
// A folder of its own for one fuzzing process, where each input is written as the file the
// reader under test looks for. It lives as long as the process and is removed at exit.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace marlowe::fuzz {

// The process's scratch folder, created empty on first use.
const std::filesystem::path& ScratchFolder();

// Replaces the named file of the scratch folder with the bytes.
std::filesystem::path WriteScratchFile(std::string_view name, const std::uint8_t* data, std::size_t size);
std::filesystem::path WriteScratchFile(std::string_view name, std::string_view bytes);

// Removes every file of the scratch folder, so that one input cannot leave files for the next.
void ClearScratchFolder();

} // namespace marlowe::fuzz
