#pragma once
// A data folder of its own for a command-line session, removed at its end, so that a session
// never touches the player's preferences.

#include <cstdlib>
#include <unistd.h>
#include <filesystem>
#include <string>
#include <system_error>

namespace marlowe {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "marlowe-play-XXXXXX").string();
        if (::mkdtemp(pattern.data()))
            path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code error;
        if (!path_.empty())
            std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};


} // namespace marlowe
