#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "sys/TextCodec.h"

namespace tavor {

// An INI file read whole and written back whole. Sections and keys compare without regard to
// case, as the system's profile functions do; every line it does not change (other sections,
// other keys, comments, even garbled lines) is written back as it was read.
class IniFile {
public:
    // A missing or unreadable file gives an empty one; reading never fails.
    explicit IniFile(std::filesystem::path file);

    std::u16string readString(std::u16string_view section, std::u16string_view key,
                              const std::u16string& fallback) const;
    // A value that is no whole number gives the fallback.
    int readInteger(std::u16string_view section, std::u16string_view key, int fallback) const;
    // Written as 1 or 0, read as an integer: any value other than 0 is true.
    bool readBool(std::u16string_view section, std::u16string_view key, bool fallback) const;

    void writeString(std::u16string_view section, std::u16string_view key,
                     const std::u16string& value);
    void writeInteger(std::u16string_view section, std::u16string_view key, int value);
    void writeBool(std::u16string_view section, std::u16string_view key, bool value);

    // Writes the file in the encoding it was read in (a new file: the system's default).
    bool save() const;

private:
    struct Line {
        std::u16string raw;
        std::u16string section;  // the section the line belongs to
        std::u16string key;      // empty unless the line is key=value
        // The line's bytes as read, while the line is unchanged (byte-oriented encodings only),
        // so that a line that is no valid text is written back as it was, not as U+FFFD.
        std::optional<std::string> bytes;
    };
    const Line* find(std::u16string_view section, std::u16string_view key) const;

    std::filesystem::path file_;
    TextEncoding encoding_;
    std::vector<Line> lines_;
};

}  // namespace tavor
