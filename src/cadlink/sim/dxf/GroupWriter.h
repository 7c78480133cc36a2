#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include "cadlink/sim/dxf/GroupStream.h"

namespace tavor::cad::sim::dxf {

// Makes the bytes of groups in the format of the file they go into: its code padding and line
// ending for ASCII, its code width for binary. String values are bytes already encoded.
class GroupWriter {
public:
    explicit GroupWriter(const GroupStream& stream) : s_(stream) {}

    std::string text(std::int32_t code, std::string_view value) const;
    std::string real(std::int32_t code, double value) const;
    std::string integer(std::int32_t code, std::int64_t value) const;

    // Group i with another value: its code line, padding and line ending stay as they were.
    std::string replacedText(std::size_t i, std::string_view value) const;
    std::string replacedReal(std::size_t i, double value) const;
    std::string replacedInteger(std::size_t i, std::int64_t value) const;

private:
    std::string codeBytes(std::int32_t code) const;
    std::string withValue(std::size_t i, std::string_view asciiValue,
                          const std::string& binaryValue) const;
    std::string binaryInteger(std::int32_t code, std::int64_t value) const;

    const GroupStream& s_;
};

// Changes to a stream, by group index: groups left out, groups given new bytes, and bytes
// written after a group. The stream itself stays as read.
struct StreamPatch {
    enum class Change { Drop, Replace };
    std::map<std::size_t, std::pair<Change, std::string>> groups;
    std::map<std::size_t, std::string> after;

    void drop(std::size_t i) { groups[i] = {Change::Drop, {}}; }
    void replace(std::size_t i, std::string bytes) {
        groups[i] = {Change::Replace, std::move(bytes)};
    }
    void append(std::size_t i, std::string_view bytes) { after[i] += bytes; }
    bool dropped(std::size_t i) const {
        const auto it = groups.find(i);
        return it != groups.end() && it->second.first == Change::Drop;
    }
};

using ByteSink = std::function<void(std::string_view)>;

// The stream's bytes with the patch applied, handed to `sink` in long runs.
void writePatched(const GroupStream& stream, const StreamPatch& patch, const ByteSink& sink);

// The real as the shortest text that reads back as the same double.
std::string formatReal(double value);

}  // namespace tavor::cad::sim::dxf
