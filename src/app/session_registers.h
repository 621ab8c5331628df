#pragma once
// The session registers: three fixed-position text areas that hold the settings and the
// current game's values while the program runs. Every field is one of the named fields of
// register_fields.h.

#include "app/register_fields.h"

#include <array>
#include <string>
#include <string_view>

namespace marlowe {

class SessionRegisters {
public:
    SessionRegisters() { Reset(); }

    // Every area back to 250 spaces, with the preferences file name in its field.
    void Reset();

    // Stores value (leading spaces stripped, cut or space-padded to the width) into the field.
    void Set(RegisterField field, std::string_view value);
    void Set(RegisterField field, long long number);

    // The field's text without trailing spaces; empty for a field never written.
    std::string Get(RegisterField field) const;
    // The field read as a decimal integer; fallback when it holds no number.
    long long GetNumber(RegisterField field, long long fallback = 0) const;
    // True when the field holds exactly "Y".
    bool IsYes(RegisterField field) const { return Get(field) == "Y"; }

private:
    // Which area a position addresses and the 0-based offset inside it; false outside every area.
    static bool Locate(int position, int& area, std::size_t& offset);

    std::array<std::string, 3> areas_;
};

} // namespace marlowe
