#pragma once
// The session registers: three fixed-position text areas that hold the settings and the
// current game's values while the program runs. A field is addressed by (position, width):
// positions 1..249 lie in area 1, 251..499 in area 2, 501..999 in area 3.

#include <array>
#include <string>
#include <string_view>

namespace marlowe {

class SessionRegisters {
public:
    SessionRegisters() { Reset(); }

    // Every area back to 250 spaces, with the preferences file name in (1, 20).
    void Reset();

    // Stores value (leading spaces stripped, cut or space-padded to width) into the field.
    void Set(int position, int width, std::string_view value);
    void Set(int position, int width, long long number);

    // The field's text without trailing spaces; empty for a field never written.
    std::string Get(int position, int width) const;
    // The field read as a decimal integer; fallback when it holds no number.
    long long GetNumber(int position, int width, long long fallback = 0) const;
    // True when the field holds exactly "Y".
    bool IsYes(int position, int width = 1) const { return Get(position, width) == "Y"; }

private:
    // Which area a position addresses and the 0-based offset inside it; false outside every area.
    static bool Locate(int position, int& area, std::size_t& offset);

    std::array<std::string, 3> areas_;
};

} // namespace marlowe
