#include "records/player_list.h"

#include "app/session_registers.h"
#include "app/system_helpers.h"
#include "app/text_helpers.h"
#include "engine/preferences.h"

#include <algorithm>

namespace marlowe {
namespace {

constexpr const char* kPreference = "Preference";
constexpr const char* kUsers = "Users";

bool IsContinuationByte(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// A name as the list keeps it: it must fit the player's register and the name columns of the
// records, cut where no character of the UTF-8 text is split.
std::string StoredName(std::string_view name)
{
    std::string stored = Trim(name);
    if (stored.size() > static_cast<std::size_t>(kLongestPlayerName)) {
        std::size_t end = kLongestPlayerName;
        while (end > 0 && IsContinuationByte(stored[end]))
            --end;
        stored = TrimRight(stored.substr(0, end));
    }
    return stored;
}

} // namespace

std::string PlayerKey(int n)
{
    return "User" + ZeroPad(n, 3);
}

PlayerList::PlayerList(std::vector<std::string> names) : names_(std::move(names))
{
    Sort();
}

PlayerList PlayerList::Read(const Preferences& preferences)
{
    std::vector<std::string> names;
    for (int n = 1; n <= kMostStoredPlayers; ++n)
        if (std::string name = Trim(preferences.ReadString(kUsers, PlayerKey(n), "")); !name.empty())
            names.push_back(std::move(name));
    return PlayerList(std::move(names));
}

int PlayerList::IndexOf(std::string_view name) const
{
    const std::string wanted = Trim(name);
    for (std::size_t i = 0; i < names_.size(); ++i)
        if (EqualsNoCase(names_[i], wanted))
            return static_cast<int>(i);
    return -1;
}

std::string PlayerList::CheckNewName(std::string_view name) const
{
    if (Trim(name).empty())
        return kNameEmptyMessage;
    if (!IsValidFileName(name))
        return kNameForbiddenMessage;
    if (Contains(name))
        return kNameExistsMessage;
    return {};
}

std::optional<std::string> PlayerList::FirstUnusableName() const
{
    for (const auto& name : names_)
        if (!IsValidFileName(name))
            return name;
    return std::nullopt;
}

std::string PlayerList::Add(std::string_view name)
{
    std::string stored = StoredName(name);
    if (std::find(names_.begin(), names_.end(), stored) == names_.end()) {
        names_.push_back(stored);
        Sort();
    }
    changed_ = true;
    return stored;
}

std::string PlayerList::Rename(std::string_view oldName, std::string_view newName)
{
    std::string stored = StoredName(newName);
    const auto entry = std::find(names_.begin(), names_.end(), oldName);
    if (entry != names_.end()) {
        *entry = stored;
        Sort();
        changed_ = true;
    }
    return stored;
}

void PlayerList::Remove(std::string_view name)
{
    const auto entry = std::find(names_.begin(), names_.end(), name);
    if (entry == names_.end())
        return;
    names_.erase(entry);
    changed_ = true;
}

void PlayerList::Save(Preferences& preferences, SessionRegisters& registers, const std::string& currentPlayer) const
{
    registers.Set(reg::Player, currentPlayer);
    if (changed_) {
        for (int n = 1; n <= kMostStoredPlayers; ++n) {
            const std::size_t index = static_cast<std::size_t>(n - 1);
            preferences.WriteString(kUsers, PlayerKey(n), index < names_.size() ? names_[index] : "");
        }
    }
    preferences.WriteString(kPreference, "UserDefault", currentPlayer);
}

void PlayerList::Sort()
{
    std::stable_sort(names_.begin(), names_.end(), [](const std::string& a, const std::string& b) {
        return LessNoCase(a, b);
    });
}

} // namespace marlowe
