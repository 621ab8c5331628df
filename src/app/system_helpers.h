#pragma once
// System services the program needs, mapped onto Linux. Drawing and window services
// (information boxes, message pumping, opening documents) belong to the presentation layer.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>

namespace marlowe {

// A modern desktop: the "XP or later" behaviours apply, the Windows 95 ones never do.
constexpr bool IsWindowsXP() { return true; }
constexpr bool IsWindows95() { return false; }

// True when path names a folder that can be entered.
bool DirectoryExists(const std::filesystem::path& path);
// False when the name holds any of \ / : * ? " < > |.
bool IsValidFileName(std::string_view name);
// A new, empty file with a unique name in folder (the temporary folder when folder is empty),
// whose name starts with prefix; empty path when none could be created.
std::filesystem::path TempFileName(const std::filesystem::path& folder, std::string_view prefix);
// Deletes a file; a file that does not exist is no error. False when the file stays.
bool DeleteFileNamed(const std::filesystem::path& path);

// Milliseconds of a monotonic clock.
std::int64_t TickCount();
// The processor time the calling thread has used, so that work done side by side on threads is
// each charged with its own.
std::chrono::nanoseconds ThreadProcessorTime();
// Waits without letting anything else run.
void WaitBusy(int milliseconds);
// Waits by sleeping.
void WaitSleep(int milliseconds);

// Colours a display shows: 2^bitsPerPixel raised to the number of planes; 999999999 above 24 bits.
long long ScreenColourCount(int bitsPerPixel, int planes);

// One colour channel of band n (0..255) of a 256-band gradient from start to end.
int GradientBandChannel(int start, int end, int band);

} // namespace marlowe
