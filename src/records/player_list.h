#pragma once
// The players who share the program: the list kept in section "Users" of the preferences file
// (keys "User001".."User020"), the rules a player name must meet, and the saving of the list and
// of the current player when the players dialog closes.
//
// Names are kept trimmed: the records and the current-player register know a player only by the
// trimmed name, so an entry with surrounding spaces would stand for a player nobody could find.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace marlowe {

class Preferences;
class SessionRegisters;

inline constexpr int kMostStoredPlayers = 20;
inline constexpr int kLongestPlayerName = 30;

inline constexpr const char* kNameEmptyMessage = "Please enter at least 1 character.";
inline constexpr const char* kNameForbiddenMessage =
    "A Player name cannot contain any of the following characters: \\ / : * ? \" < > |";
inline constexpr const char* kNameExistsMessage = "This player name already exists.";

// The preference key of the n-th stored player (1-based): "User001".."User020".
std::string PlayerKey(int n);

class PlayerList {
public:
    explicit PlayerList(std::vector<std::string> names = {});
    // The names of the twenty "User" keys, empty keys skipped.
    static PlayerList Read(const Preferences& preferences);

    // The names in list order: sorted without regard to case.
    const std::vector<std::string>& Names() const { return names_; }
    bool Changed() const { return changed_; }

    // The entry that stands for name: compared trimmed and without regard to case, as the data
    // folder matches the player's file names; -1 when there is none.
    int IndexOf(std::string_view name) const;
    bool Contains(std::string_view name) const { return IndexOf(name) >= 0; }

    // The message of the first rule a new name breaks, in the order they are tested (empty, a
    // character a file name cannot hold, already in the list); empty when the name is fine.
    std::string CheckNewName(std::string_view name) const;
    // The first entry that holds a character a file name cannot hold.
    std::optional<std::string> FirstUnusableName() const;

    // Adds the name (trimmed, at most kLongestPlayerName bytes) unless an identical entry
    // exists, and marks the list changed. The name as the list keeps it.
    std::string Add(std::string_view name);
    // Replaces the entry of oldName by newName and sorts the list again. The new name as the
    // list keeps it.
    std::string Rename(std::string_view oldName, std::string_view newName);
    void Remove(std::string_view name);

    // What closing the players dialog stores: the current player in register (77, 30) and in
    // "UserDefault"; when the list changed, the first twenty names in the "User" keys, the keys
    // left over written empty.
    void Save(Preferences& preferences, SessionRegisters& registers, const std::string& currentPlayer) const;

private:
    void Sort();

    std::vector<std::string> names_;
    bool changed_ = false;
};

} // namespace marlowe
