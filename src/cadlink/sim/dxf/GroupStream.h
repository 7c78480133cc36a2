#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "cadlink/sim/dxf/GroupCodes.h"

namespace tavor::cad::sim::dxf {

enum class Format { Ascii, Binary };

// A DXF file read as a sequence of group codes and values, with every byte of the file kept:
// what comes before the first group (a byte-order mark, the binary sentinel), padding of the
// code lines, line endings, and whatever follows EOF. Reading checks the structure and raises
// DxfError naming the line; a stream is never half read.
class GroupStream {
public:
    static GroupStream read(std::string bytes);

    Format format() const { return format_; }
    // Binary files of R12 write a code in one byte (255 then two bytes for larger codes).
    bool oneByteCodes() const { return oneByteCodes_; }
    const std::string& bytes() const { return bytes_; }

    std::size_t size() const { return codes_.size(); }
    std::int32_t code(std::size_t i) const { return codes_[i]; }
    // The group's bytes as the file has them, code line and line endings included.
    std::string_view raw(std::size_t i) const;
    // ASCII: the value line as written; binary: the stored bytes (a string without its NUL).
    std::string_view value(std::size_t i) const;
    // A numeric value; raises DxfError naming the line when it is not a number.
    double real(std::size_t i) const;
    std::int64_t integer(std::size_t i) const;
    // Whether the value equals `s` (string groups), without surrounding blanks in ASCII files.
    bool is(std::size_t i, std::int32_t code, std::string_view s) const;

    // "line N" for ASCII files, "byte N" for binary ones: where group i begins.
    std::string placeOf(std::size_t i) const;
    // How the file ends its lines ("\r\n" or "\n"); empty for binary files.
    std::string_view lineEnding() const { return lineEnding_; }
    // Width to which the file pads its code lines on the left (0: no padding).
    int codeWidth() const { return codeWidth_; }

private:
    friend class AsciiReader;
    friend class BinaryReader;

    // A group's bytes run from its start to the next group's (the last group's to the end of
    // the file), so the groups and what precedes the first cover every byte. Six bytes a group,
    // as a large drawing holds millions: where the value begins and ends is found when asked.
    void add(std::size_t start, std::int32_t code) {
        starts_.push_back(static_cast<std::uint32_t>(start));
        codes_.push_back(static_cast<std::int16_t>(code));
    }
    void reserve(std::size_t groups) {
        starts_.reserve(groups);
        codes_.reserve(groups);
    }
    std::size_t endOf(std::size_t i) const;
    std::size_t valueStartOf(std::size_t i) const;

    std::string bytes_;
    std::vector<std::uint32_t> starts_;
    std::vector<std::int16_t> codes_;
    Format format_ = Format::Ascii;
    bool oneByteCodes_ = false;
    std::string lineEnding_;
    int codeWidth_ = 0;
};

// Bytes with no surrounding blanks (spaces, tabs, CR): how numbers and names are compared.
std::string_view trimBlanks(std::string_view s);

}  // namespace tavor::cad::sim::dxf
