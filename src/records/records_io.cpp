#include "records/records_io.h"

#include "app/system_helpers.h"

#include <fstream>

namespace marlowe {

FileOperations::FileOperations()
    : createTemp([](const std::filesystem::path& folder, std::string_view prefix) { return TempFileName(folder, prefix); }),
      write([](const std::filesystem::path& file, const std::string& text) {
          std::ofstream out(file, std::ios::binary | std::ios::trunc);
          out.write(text.data(), static_cast<std::streamsize>(text.size()));
          out.close();
          return static_cast<bool>(out);
      }),
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
