#include "records/record_batch.h"

namespace marlowe {

RecordBatch::Entry* RecordBatch::EntryOf(const std::filesystem::path& file)
{
    for (Entry& entry : entries_)
        if (entry.file == file)
            return &entry;
    Entry entry{file, std::nullopt, std::nullopt, false, {}};
    std::error_code error;
    const bool exists = std::filesystem::exists(file, error);
    if (exists)
        entry.before = ReadFileBytes(file);
    if (error || (exists && !entry.before)) {
        if (!unreadable_)
            unreadable_ = file;
        return nullptr;
    }
    entry.after = entry.before;
    entries_.push_back(std::move(entry));
    return &entries_.back();
}

std::optional<std::string> RecordBatch::Text(const std::filesystem::path& file)
{
    const Entry* entry = EntryOf(file);
    if (!entry)
        return std::nullopt;
    return entry->after.value_or(std::string());
}

void RecordBatch::Set(const std::filesystem::path& file, std::string text)
{
    if (Entry* entry = EntryOf(file)) {
        entry->after = std::move(text);
        entry->changed = true;
    }
}

void RecordBatch::Remove(const std::filesystem::path& file)
{
    if (Entry* entry = EntryOf(file); entry && entry->before) {
        entry->after.reset();
        entry->changed = true;
    }
}

std::filesystem::path RecordBatch::WrittenTemp(const std::filesystem::path& file, const std::string& text)
{
    const auto temp = operations_.createTemp(file.parent_path(), "rpl");
    if (temp.empty())
        return {};
    if (!operations_.write(temp, text)) {
        operations_.remove(temp);
        return {};
    }
    // A temporary file is private to its owner; the record file keeps the access it had.
    std::error_code error;
    const auto access = std::filesystem::status(file, error).permissions();
    if (!error)
        std::filesystem::permissions(temp, access, error);
    return temp;
}

void RecordBatch::RemoveTemps()
{
    for (Entry& entry : entries_)
        if (!entry.temp.empty()) {
            operations_.remove(entry.temp);
            entry.temp.clear();
        }
}

bool RecordBatch::Restore(const Entry& entry)
{
    if (!entry.before)
        return operations_.remove(entry.file);
    const auto temp = WrittenTemp(entry.file, *entry.before);
    if (temp.empty())
        return false;
    if (operations_.rename(temp, entry.file))
        return true;
    operations_.remove(temp);
    return false;
}

std::optional<BatchFailure> RecordBatch::Commit()
{
    if (unreadable_)
        return BatchFailure{*unreadable_, std::nullopt};
    for (Entry& entry : entries_) {
        if (!entry.changed || !entry.after)
            continue;
        entry.temp = WrittenTemp(entry.file, *entry.after);
        if (entry.temp.empty()) {
            RemoveTemps();
            return BatchFailure{entry.file, std::nullopt};
        }
    }
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        Entry& entry = entries_[i];
        if (!entry.changed)
            continue;
        const bool done = entry.after ? operations_.rename(entry.temp, entry.file) : operations_.remove(entry.file);
        if (done) {
            entry.temp.clear();
            continue;
        }
        // The temporary files not yet used go first: they hold the room the old contents need.
        RemoveTemps();
        BatchFailure failure{entry.file, std::nullopt};
        for (std::size_t j = 0; j < i; ++j)
            if (entries_[j].changed && !Restore(entries_[j]) && !failure.notRestored)
                failure.notRestored = entries_[j].file;
        return failure;
    }
    return std::nullopt;
}

} // namespace marlowe
