// Values in the INI-like record files. The values are fixed-width, so a changed value is
// written over the old one in place; only a value of another width, a new key or a new section
// changes the rest of the file, and then the whole file goes through the safe rewrite.

#include "records/statistics_files.h"

#include "app/text_file.h"
#include "records/ini_text.h"
#include "records/record_batch.h"

#include <fstream>

namespace marlowe {

bool StatisticsFiles::WriteIniValue(const std::filesystem::path& file, std::string_view section,
                                    std::string_view key, std::string_view value)
{
    const auto path = Resolved(file);
    std::error_code error;
    std::string content;
    if (std::filesystem::exists(path, error)) {
        auto read = ReadFileBytes(path);
        if (!read) {
            Inform(CannotOpenMessage(path));
            return false;
        }
        content = std::move(*read);
    } else if (!std::filesystem::is_directory(path.parent_path(), error)) {
        Inform(CannotOpenMessage(path));
        return false;
    }
    const IniEdit edit = EditIniValue(content, section, key, value);
    if (!edit.inPlaceAt)
        return CommitLines(path, edit.lines, {});

    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    if (!out) {
        Inform(CannotOpenMessage(path));
        return false;
    }
    out.seekp(static_cast<std::streamoff>(*edit.inPlaceAt));
    out.write(value.data(), static_cast<std::streamsize>(value.size()));
    out.flush();
    if (!out) {
        Inform("Write error on file " + path.string());
        return false;
    }
    return true;
}

std::vector<std::string> StatisticsFiles::ReadIniValues(const std::filesystem::path& file, std::string_view section,
                                                        const std::vector<std::string>& keys,
                                                        const std::vector<std::string>& defaults) const
{
    const auto lines = ReadTextLines(Resolved(file));
    return IniValuesIn(lines ? *lines : std::vector<std::string>{}, section, keys, defaults);
}

} // namespace marlowe
