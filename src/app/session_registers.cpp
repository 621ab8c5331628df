#include "app/session_registers.h"

#include "app/text_helpers.h"

namespace marlowe {

namespace {
constexpr std::size_t kAreaLength = 250;
}

void SessionRegisters::Reset()
{
    for (auto& area : areas_)
        area.assign(kAreaLength, ' ');
    Set(reg::PreferencesFileName, "Cfg.dat");
}

bool SessionRegisters::Locate(int position, int& area, std::size_t& offset)
{
    for (std::size_t i = 0; i < kRegisterAreas.size(); ++i) {
        if (kRegisterAreas[i].Holds(position)) {
            area = static_cast<int>(i);
            offset = static_cast<std::size_t>(position - kRegisterAreas[i].first);
            return true;
        }
    }
    return false;
}

void SessionRegisters::Set(RegisterField field, std::string_view value)
{
    int area = 0;
    std::size_t offset = 0;
    if (field.Width() <= 0 || !Locate(field.Position(), area, offset))
        return;
    const std::string padded = PadRight(TrimLeft(value), field.Width());
    std::string& text = areas_[static_cast<std::size_t>(area)];
    if (text.size() < offset + padded.size())
        text.resize(offset + padded.size(), ' ');
    text.replace(offset, padded.size(), padded);
}

void SessionRegisters::Set(RegisterField field, long long number)
{
    Set(field, std::to_string(number));
}

std::string SessionRegisters::Get(RegisterField field) const
{
    int area = 0;
    std::size_t offset = 0;
    if (field.Width() <= 0 || !Locate(field.Position(), area, offset))
        return {};
    const std::string& text = areas_[static_cast<std::size_t>(area)];
    if (offset >= text.size())
        return {};
    return TrimRight(text.substr(offset, static_cast<std::size_t>(field.Width())));
}

long long SessionRegisters::GetNumber(RegisterField field, long long fallback) const
{
    return ParseInteger(Get(field)).value_or(fallback);
}

} // namespace marlowe
