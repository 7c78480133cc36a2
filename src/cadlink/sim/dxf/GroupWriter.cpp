#include "cadlink/sim/dxf/GroupWriter.h"

#include <charconv>
#include <cstring>
#include <set>

namespace tavor::cad::sim::dxf {

namespace {

template <class T>
std::string littleEndian(T value) {
    std::string out(sizeof value, '\0');
    std::memcpy(out.data(), &value, sizeof value);
    return out;
}

}  // namespace

std::string formatReal(double value) {
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
    std::string out(buf, ec == std::errc() ? end : buf);
    // Readers of old releases expect a decimal point in a real.
    if (out.find_first_of(".eEn") == std::string::npos)
        out += ".0";
    return out;
}

std::string GroupWriter::codeBytes(std::int32_t code) const {
    if (s_.format() == Format::Binary) {
        if (!s_.oneByteCodes())
            return littleEndian(static_cast<std::int16_t>(code));
        if (code < 255)
            return std::string(1, static_cast<char>(code));
        return '\xFF' + littleEndian(static_cast<std::int16_t>(code));
    }
    std::string c = std::to_string(code);
    if (static_cast<int>(c.size()) < s_.codeWidth())
        c.insert(0, static_cast<std::size_t>(s_.codeWidth()) - c.size(), ' ');
    return c + std::string(s_.lineEnding());
}

std::string GroupWriter::binaryInteger(std::int32_t code, std::int64_t value) const {
    switch (valueTypeOf(code)) {
        case ValueType::Int16:
            return littleEndian(static_cast<std::int16_t>(value));
        case ValueType::Int32:
            return littleEndian(static_cast<std::int32_t>(value));
        case ValueType::Bool:
            return std::string(1, static_cast<char>(value));
        case ValueType::Real:
            return littleEndian(static_cast<double>(value));
        case ValueType::String:
        case ValueType::Chunk:
            return std::to_string(value) + '\0';
        case ValueType::Int64:
            break;
    }
    return littleEndian(value);
}

std::string GroupWriter::text(std::int32_t code, std::string_view value) const {
    if (s_.format() == Format::Binary)
        return codeBytes(code) + std::string(value) + '\0';
    return codeBytes(code) + std::string(value) + std::string(s_.lineEnding());
}

std::string GroupWriter::real(std::int32_t code, double value) const {
    if (s_.format() == Format::Binary)
        return codeBytes(code) + littleEndian(value);
    return codeBytes(code) + formatReal(value) + std::string(s_.lineEnding());
}

std::string GroupWriter::integer(std::int32_t code, std::int64_t value) const {
    if (s_.format() == Format::Binary)
        return codeBytes(code) + binaryInteger(code, value);
    std::string v = std::to_string(value);
    if (s_.codeWidth() > 0 && v.size() < 6)
        v.insert(0, 6 - v.size(), ' ');  // as the padded writers align their integers
    return codeBytes(code) + v + std::string(s_.lineEnding());
}

std::string GroupWriter::withValue(std::size_t i, std::string_view asciiValue,
                                   const std::string& binaryValue) const {
    const std::string_view raw = s_.raw(i);
    const std::size_t valueOffset = static_cast<std::size_t>(s_.value(i).data() - raw.data());
    if (s_.format() == Format::Binary)
        return codeBytes(s_.code(i)) + binaryValue;
    const std::size_t rest = valueOffset + s_.value(i).size();
    return std::string(raw.substr(0, valueOffset)) + std::string(asciiValue) +
           std::string(raw.substr(rest));
}

std::string GroupWriter::replacedText(std::size_t i, std::string_view value) const {
    return withValue(i, value, std::string(value) + '\0');
}

std::string GroupWriter::replacedReal(std::size_t i, double value) const {
    return withValue(i, formatReal(value), littleEndian(value));
}

std::string GroupWriter::replacedInteger(std::size_t i, std::int64_t value) const {
    std::string v = std::to_string(value);
    // Keep the width of a padded integer, so only the digits change.
    const std::string_view old = s_.value(i);
    if (v.size() < old.size() && !old.empty() && old.front() == ' ')
        v.insert(0, old.size() - v.size(), ' ');
    return withValue(i, v, binaryInteger(s_.code(i), value));
}

void writePatched(const GroupStream& s, const StreamPatch& patch, const ByteSink& sink) {
    const std::string_view all = s.bytes();
    if (patch.groups.empty() && patch.after.empty()) {
        sink(all);
        return;
    }
    std::set<std::size_t> touched;
    for (const auto& [i, change] : patch.groups)
        touched.insert(i);
    for (const auto& [i, bytes] : patch.after)
        touched.insert(i);
    std::size_t runStart = 0;
    for (std::size_t i : touched) {
        const std::string_view raw = s.raw(i);
        const auto start = static_cast<std::size_t>(raw.data() - all.data());
        sink(all.substr(runStart, start - runStart));
        const auto g = patch.groups.find(i);
        if (g == patch.groups.end())
            sink(raw);
        else if (g->second.first == StreamPatch::Change::Replace)
            sink(g->second.second);
        if (const auto a = patch.after.find(i); a != patch.after.end())
            sink(a->second);
        runStart = start + raw.size();
    }
    sink(all.substr(runStart));
}

}  // namespace tavor::cad::sim::dxf
