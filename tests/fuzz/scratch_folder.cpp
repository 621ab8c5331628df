#include "scratch_folder.h"

#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace marlowe::fuzz {
namespace {

std::filesystem::path MakeScratchFolder()
{
    const auto folder = std::filesystem::temp_directory_path() /
                        ("marlowe-fuzz-" + std::to_string(static_cast<long>(getpid())));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    std::atexit([] { std::filesystem::remove_all(ScratchFolder()); });
    return folder;
}

} // namespace

const std::filesystem::path& ScratchFolder()
{
    static const std::filesystem::path folder = MakeScratchFolder();
    return folder;
}

std::filesystem::path WriteScratchFile(std::string_view name, std::string_view bytes)
{
    const auto file = ScratchFolder() / name;
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::filesystem::path WriteScratchFile(std::string_view name, const std::uint8_t* data, std::size_t size)
{
    return WriteScratchFile(name, std::string_view(reinterpret_cast<const char*>(data), size));
}

void ClearScratchFolder()
{
    for (const auto& entry : std::filesystem::directory_iterator(ScratchFolder()))
        std::filesystem::remove_all(entry.path());
}

} // namespace marlowe::fuzz
