#include "app/system_helpers.h"

#include "app/text_helpers.h"

#include <chrono>
#include <ctime>
#include <thread>
#include <unistd.h>

namespace marlowe {

bool DirectoryExists(const std::filesystem::path& path)
{
    std::error_code error;
    return std::filesystem::is_directory(path, error) && ::access(path.c_str(), X_OK) == 0;
}

bool IsValidFileName(std::string_view name)
{
    return name.find_first_of("\\/:*?\"<>|") == std::string_view::npos;
}

std::filesystem::path TempFileName(const std::filesystem::path& folder, std::string_view prefix)
{
    std::error_code error;
    const auto base = folder.empty() ? std::filesystem::temp_directory_path(error) : folder;
    std::string pattern = (base / (std::string(prefix) + "XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        return {};
    ::close(fd);
    return pattern;
}

bool DeleteFileNamed(const std::filesystem::path& path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
    return !std::filesystem::exists(path, error);
}

std::int64_t TickCount()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

std::chrono::nanoseconds ThreadProcessorTime()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
}

void WaitBusy(int milliseconds)
{
    const auto end = TickCount() + milliseconds;
    while (TickCount() < end) {
    }
}

void WaitSleep(int milliseconds)
{
    if (milliseconds > 0)
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

long long ScreenColourCount(int bitsPerPixel, int planes)
{
    if (bitsPerPixel > 24)
        return 999999999;
    return IntPower(IntPower(2, bitsPerPixel), planes);
}

int GradientBandChannel(int start, int end, int band)
{
    return start + band * (end - start) / 256;
}

} // namespace marlowe
