#pragma once
// What the record files need from around them: the file operations a rewrite uses (replaceable,
// so that tests can make each of them fail) and the feedback the player gets while records are
// written (information boxes, the hourglass, a short wait).

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace marlowe {

// The operations of a safe rewrite. The defaults work on the real file system.
struct FileOperations {
    // A new, empty file with a unique name starting with prefix in folder; empty path on failure.
    std::function<std::filesystem::path(const std::filesystem::path& folder, std::string_view prefix)> createTemp;
    // Writes text as the whole content of an existing file; false when not all of it was written.
    std::function<bool(const std::filesystem::path& file, const std::string& text)> write;
    // Deletes a file; false when it stays.
    std::function<bool(const std::filesystem::path& file)> remove;
    // Gives file from the name to; false on failure.
    std::function<bool(const std::filesystem::path& from, const std::filesystem::path& to)> rename;

    FileOperations(); // the real operations
};

// How the records talk to the player. Every member may be left empty (silent).
struct RecordsFeedback {
    std::function<void(const std::string& message)> inform = {}; // an information box
    std::function<void(bool on)> busy = {};                        // the hourglass cursor on or off
    std::function<void(int milliseconds)> wait = {};               // a wait with the hourglass shown
};

// The progress label of a long rewrite: called with the number of lines copied so far.
using LineCounter = std::function<void(long long lines)>;

} // namespace marlowe
