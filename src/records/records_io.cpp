#include "records/records_io.h"

#include "app/system_helpers.h"

namespace marlowe {

FileOperations::FileOperations()
    : createTemp([](const std::filesystem::path& folder, std::string_view prefix) { return TempFileName(folder, prefix); }),
      remove([](const std::filesystem::path& file) { return DeleteFileNamed(file); }),
      rename([](const std::filesystem::path& from, const std::filesystem::path& to) {
          // Replaces an existing file at to in one step, so the old file is never missing.
          std::error_code error;
          std::filesystem::rename(from, to, error);
          return !error;
      })
{
}

} // namespace marlowe
