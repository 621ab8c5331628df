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
    Set(1, 20, "Cfg.dat");
}

bool SessionRegisters::Locate(int position, int& area, std::size_t& offset)
{
    if (position >= 1 && position <= 249) {
        area = 0;
        offset = static_cast<std::size_t>(position - 1);
    } else if (position >= 251 && position <= 499) {
        area = 1;
        offset = static_cast<std::size_t>(position - 251);
    } else if (position >= 501 && position <= 999) {
        area = 2;
        offset = static_cast<std::size_t>(position - 501);
    } else {
        return false;
    }
    return true;
}

void SessionRegisters::Set(int position, int width, std::string_view value)
{
    int area = 0;
    std::size_t offset = 0;
    if (width <= 0 || !Locate(position, area, offset))
        return;
    const std::string field = PadRight(TrimLeft(value), width);
    std::string& text = areas_[static_cast<std::size_t>(area)];
    if (text.size() < offset + field.size())
        text.resize(offset + field.size(), ' ');
    text.replace(offset, field.size(), field);
}

void SessionRegisters::Set(int position, int width, long long number)
{
    Set(position, width, std::to_string(number));
}

std::string SessionRegisters::Get(int position, int width) const
{
    int area = 0;
    std::size_t offset = 0;
    if (width <= 0 || !Locate(position, area, offset))
        return {};
    const std::string& text = areas_[static_cast<std::size_t>(area)];
    if (offset >= text.size())
        return {};
    return TrimRight(text.substr(offset, static_cast<std::size_t>(width)));
}

long long SessionRegisters::GetNumber(int position, int width, long long fallback) const
{
    return ParseInteger(Get(position, width)).value_or(fallback);
}

} // namespace marlowe
