// The safe rewrite of a record file: the new text goes to an "rpl" temporary file beside the
// old one, which the temporary file then replaces by a rename. The rename replaces the old file
// in one step, so it is never deleted beforehand: whichever step fails, the old file stays as
// it was.

#include "records/statistics_files.h"

#include "app/text_file.h"
#include "app/text_helpers.h"

#include <algorithm>
#include <fstream>

namespace marlowe {

namespace {

// The hourglass for as long as a rewrite runs, whichever way it ends.
class BusyWhile {
public:
    explicit BusyWhile(const RecordsFeedback& feedback) : busy_(feedback.busy)
    {
        if (busy_)
            busy_(true);
    }
    ~BusyWhile()
    {
        if (busy_)
            busy_(false);
    }
    BusyWhile(const BusyWhile&) = delete;
    BusyWhile& operator=(const BusyWhile&) = delete;

private:
    const std::function<void(bool)>& busy_;
};

constexpr int kCounterStep = 10; // the counter label is repainted every so many lines

} // namespace

std::string StatisticsFiles::CannotOpenMessage(const std::filesystem::path& file)
{
    return "Cannot open file " + file.string();
}

bool StatisticsFiles::CommitLines(const std::filesystem::path& file, const std::vector<std::string>& lines,
                                  const LineCounter& counter)
{
    const BusyWhile busy(feedback_);
    const auto temp = operations_.createTemp(file.parent_path(), "rpl");
    if (temp.empty()) {
        Inform("Error creating temp file.");
        return false;
    }
    bool written = false;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        long long copied = 0;
        for (const auto& line : lines) {
            if (!out)
                break;
            out << line << '\n';
            if (++copied % kCounterStep == 0 && counter)
                counter(copied);
        }
        if (counter)
            counter(copied);
        out.flush();
        written = static_cast<bool>(out);
    }
    if (!written) {
        operations_.remove(temp);
        Inform("Write error on file");
        return false;
    }
    // A temporary file is private to its owner; the record file keeps the access it had.
    std::error_code error;
    const auto access = std::filesystem::status(file, error).permissions();
    if (!error)
        std::filesystem::permissions(temp, access, error);
    if (!operations_.rename(temp, file)) {
        operations_.remove(temp);
        Inform("Error in renaming the file: " + temp.string() + "\r" + "to:" + " " + file.string());
        return false;
    }
    return true;
}

bool StatisticsFiles::DeleteRecordFile(const std::filesystem::path& file)
{
    std::error_code error;
    if (!std::filesystem::exists(file, error) || operations_.remove(file))
        return true;
    Inform("Error in deleting the file: " + file.string());
    return false;
}

bool StatisticsFiles::RewriteFile(const std::filesystem::path& file,
                                  const std::function<std::vector<std::string>(const std::vector<std::string>&)>& edit)
{
    const auto path = Resolved(file);
    const auto lines = ReadTextLines(path);
    if (!lines) {
        Inform(CannotOpenMessage(path));
        return false;
    }
    return CommitLines(path, edit(*lines), {});
}

bool StatisticsFiles::ReplaceInFile(const std::filesystem::path& file, int column, std::string_view oldText,
                                    const LineCounter& counter, std::string_view newText)
{
    const auto path = Resolved(file);
    auto lines = ReadTextLines(path);
    if (!lines) {
        Inform(CannotOpenMessage(path));
        return false;
    }
    const auto first = static_cast<std::size_t>(std::max(column, 1));
    for (auto& line : *lines) {
        if (!oldText.empty() && TextColumns(line, first, oldText.size()) == oldText)
            line = ReplaceField(line, static_cast<int>(first), static_cast<int>(oldText.size()), newText);
    }
    return CommitLines(path, *lines, counter);
}

} // namespace marlowe
