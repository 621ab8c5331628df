#pragma once
// Changes to several record files that take effect together or not at all. The new contents
// are gathered in memory first; Commit writes each of them to a temporary file beside its
// record file and only when every one is written do they take their files' places, one rename
// each. Should a rename fail, the files already replaced get their old contents back, so the
// record files never disagree with each other and never hold part of a line.

#include "records/records_io.h"

#include "app/text_file.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace marlowe {

// What Commit could not do: the file that could not be written and, when an old content could
// not be put back after a failed rename, the file left changed.
struct BatchFailure {
    std::filesystem::path file;
    std::optional<std::filesystem::path> notRestored;
};

class RecordBatch {
public:
    explicit RecordBatch(const FileOperations& operations) : operations_(operations) {}

    // The content file will have: what was set for it, else what it holds on disk (empty when
    // it is missing). Nothing when the file exists but cannot be read; such a file is never
    // changed, and Commit then fails naming it.
    std::optional<std::string> Text(const std::filesystem::path& file);
    // The content the file takes at Commit.
    void Set(const std::filesystem::path& file, std::string text);
    // The file is deleted at Commit.
    void Remove(const std::filesystem::path& file);

    // Puts every change in place, or none. Nothing when all were made.
    std::optional<BatchFailure> Commit();

private:
    struct Entry {
        std::filesystem::path file;
        std::optional<std::string> before; // nothing: missing on disk
        std::optional<std::string> after;  // nothing: deleted at commit
        bool changed = false;
        std::filesystem::path temp;
    };

    // The entry of file, read from disk the first time; nothing when it cannot be read.
    Entry* EntryOf(const std::filesystem::path& file);
    // A temporary file beside file holding text, with the access file has; empty on failure.
    std::filesystem::path WrittenTemp(const std::filesystem::path& file, const std::string& text);
    // Gives file its content from before the batch again.
    bool Restore(const Entry& entry);
    void RemoveTemps();

    const FileOperations& operations_;
    std::vector<Entry> entries_;
    std::optional<std::filesystem::path> unreadable_; // the first file that could not be read
};

} // namespace marlowe
