#include "cadlink/sim/dxf/GroupStream.h"

#include <charconv>
#include <cstring>
#include <limits>

#include "cadlink/sim/dxf/AsciiReader.h"
#include "cadlink/sim/dxf/BinaryReader.h"
#include "cadlink/sim/dxf/DxfError.h"
#include "cadlink/sim/dxf/StructureCheck.h"

namespace tavor::cad::sim::dxf {

namespace {

template <class T>
T littleEndian(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);  // the file is little-endian, as is every target
    return v;
}

}  // namespace

std::string_view trimBlanks(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

GroupStream GroupStream::read(std::string bytes) {
    if (bytes.size() > std::numeric_limits<std::uint32_t>::max() - 1)
        throw DxfError("The file is larger than 4 GB.");
    GroupStream s;
    s.bytes_ = std::move(bytes);
    if (isBinaryDxf(s.bytes_))
        BinaryReader::read(s);
    else
        AsciiReader::read(s);
    checkStructure(s);
    return s;
}

std::size_t GroupStream::endOf(std::size_t i) const {
    return i + 1 < starts_.size() ? starts_[i + 1] : bytes_.size();
}

std::size_t GroupStream::valueStartOf(std::size_t i) const {
    const std::size_t start = starts_[i];
    if (format_ == Format::Ascii) {
        // The code line's end: the reader saw one within the group.
        const void* nl = std::memchr(bytes_.data() + start, '\n', endOf(i) - start);
        return static_cast<std::size_t>(static_cast<const char*>(nl) - bytes_.data()) + 1;
    }
    std::size_t codeWidth = 2;
    if (oneByteCodes_)
        codeWidth = static_cast<unsigned char>(bytes_[start]) == 255 ? 3 : 1;
    // A binary chunk's length byte comes before its bytes.
    return start + codeWidth + (valueTypeOf(codes_[i]) == ValueType::Chunk ? 1 : 0);
}

std::string_view GroupStream::raw(std::size_t i) const {
    return std::string_view(bytes_).substr(starts_[i], endOf(i) - starts_[i]);
}

std::string_view GroupStream::value(std::size_t i) const {
    const std::size_t from = valueStartOf(i);
    const std::size_t end = endOf(i);
    const char* at = bytes_.data() + from;
    if (format_ == Format::Binary && valueTypeOf(codes_[i]) != ValueType::String)
        return {at, end - from};
    // A string ends at its NUL (binary) or its line's end (ASCII), CR LF or LF; what follows
    // belongs to the group too (the EOF group's trailing bytes).
    const void* stop = std::memchr(at, format_ == Format::Binary ? '\0' : '\n', end - from);
    std::size_t size =
        stop ? static_cast<std::size_t>(static_cast<const char*>(stop) - at) : end - from;
    if (format_ == Format::Ascii && stop && size > 0 && at[size - 1] == '\r')
        --size;
    return {at, size};
}

double GroupStream::real(std::size_t i) const {
    const std::string_view v = value(i);
    if (format_ == Format::Binary) {
        if (v.size() == 8)
            return littleEndian<double>(v.data());
        return static_cast<double>(integer(i));
    }
    const std::string_view t = trimBlanks(v);
    double d = 0;
    const char* first = t.data();
    if (!t.empty() && t.front() == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, t.data() + t.size(), d);
    if (ec != std::errc() || end != t.data() + t.size())
        throw DxfError(placeOf(i) + ": \"" + std::string(t) + "\" is not a number (group code " +
                       std::to_string(code(i)) + ").");
    return d;
}

std::int64_t GroupStream::integer(std::size_t i) const {
    const std::string_view v = value(i);
    if (format_ == Format::Binary) {
        switch (v.size()) {
            case 1:
                return static_cast<unsigned char>(v[0]);
            case 2:
                return littleEndian<std::int16_t>(v.data());
            case 4:
                return littleEndian<std::int32_t>(v.data());
            case 8:
                return littleEndian<std::int64_t>(v.data());
            default:
                break;
        }
    }
    const std::string_view t = trimBlanks(v);
    std::int64_t n = 0;
    const char* first = t.data();
    if (!t.empty() && t.front() == '+')
        ++first;
    const auto [end, ec] = std::from_chars(first, t.data() + t.size(), n);
    if (ec != std::errc() || end != t.data() + t.size())
        throw DxfError(placeOf(i) + ": \"" + std::string(t) + "\" is not an integer (group code " +
                       std::to_string(code(i)) + ").");
    return n;
}

bool GroupStream::is(std::size_t i, std::int32_t c, std::string_view s) const {
    if (codes_[i] != c)
        return false;
    return (format_ == Format::Ascii ? trimBlanks(value(i)) : value(i)) == s;
}

std::string GroupStream::placeOf(std::size_t i) const {
    const std::size_t offset = i < starts_.size() ? starts_[i] : bytes_.size();
    if (format_ == Format::Binary)
        return "byte " + std::to_string(offset);
    return "line " + std::to_string(lineAt(bytes_, offset));
}

}  // namespace tavor::cad::sim::dxf
