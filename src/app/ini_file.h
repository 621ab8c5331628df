#pragma once
// One INI file opened for a batch of reads or writes: read whole when opened, changed in
// memory, written back whole by Save. Section and key names are matched without regard to
// case, and a key that is written keeps the spelling it already has in the file, so a file
// holding "Background_Def" is updated in place when "Background_def" is written.

// Narrow text only: the file is read and written byte for byte, with no Unicode conversion
// (the system package ships no conversion library for the wide-character variant).
#ifndef SI_NO_CONVERSION
#define SI_NO_CONVERSION
#endif
#include <SimpleIni.h>

#include <filesystem>
#include <string>
#include <string_view>

namespace marlowe {

class IniFile {
public:
    // Reads the file; a missing file opens empty, ready to be created by Save.
    explicit IniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    // The key's value; fallback when the section or key is missing.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback) const;
    // The key's value as a decimal integer; fallback when missing or not a number that fits.
    int ReadInt(std::string_view section, std::string_view key, int fallback) const;
    bool HasKey(std::string_view section, std::string_view key) const;
    // Whether the file held text that is neither a section, a key, a comment nor blank (a NUL
    // byte, a line without "="): a save would lose it.
    bool Damaged() const { return damaged_; }

    // Change the value in memory; line breaks in value become spaces, since they would
    // split the line in the file.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    void WriteInt(std::string_view section, std::string_view key, int value);

    // Writes everything back. The new text goes to a temporary file in the same folder that
    // then replaces the file, so a failure never leaves it half written. False when the file
    // cannot be written, or when it exists but could not be read (saving would lose its keys).
    bool Save();

private:
    std::filesystem::path path_;
    CSimpleIniA ini_; // the "A" variant compares names without regard to case ("CaseA" would not)
    bool unreadable_ = false;
    bool damaged_ = false;
};

} // namespace marlowe
