#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "cadlink/Point.h"
#include "cadlink/sim/dxf/DxfText.h"
#include "cadlink/sim/dxf/GroupStream.h"

namespace tavor::cad::sim {

// A record of the stream: the groups from its 0 group up to the next one.
struct GroupRange {
    std::uint32_t first = 0, end = 0;
};

// Where the groups that the simulated drawing reads lie in one entity record: the first group
// of each code, outside 102 brackets and xdata, and before an embedded object (code 101).
class EntityFields {
public:
    static constexpr std::array<std::int32_t, 20> kCodes = {1,  2,  3,  5,  7,  8,  10, 20, 30, 11,
                                                            21, 31, 40, 62, 66, 67, 70, 72, 73, 74};

    EntityFields(const dxf::GroupStream& stream, GroupRange range);

    // The group index of the code's value; nullopt when the record has none.
    std::optional<std::size_t> at(std::int32_t code) const;
    // The first 330 outside brackets: the owner's handle.
    std::optional<std::size_t> owner() const { return owner_; }
    // The 101 group that starts an embedded MTEXT (multi-line attributes).
    std::optional<std::size_t> embedded() const { return embedded_; }

    double real(std::int32_t code, double otherwise = 0) const;
    std::int64_t integer(std::int32_t code, std::int64_t otherwise = 0) const;
    // A string group's bytes (ASCII: the whole line), or `otherwise`.
    std::string_view bytes(std::int32_t code, std::string_view otherwise = {}) const;
    Point point(std::int32_t xCode) const;

private:
    const dxf::GroupStream& s_;
    std::array<std::int32_t, kCodes.size()> at_;
    std::optional<std::size_t> owner_, embedded_;
};

// The record's own handle (its 5 group); nullopt for a record written without one.
std::optional<std::uint64_t> handleOf(const dxf::GroupStream& stream, const EntityFields& f);

// The alignment code of the automation model from a text's horizontal (72) and vertical (73;
// 74 in attributes) justification, and back.
std::int32_t alignmentOf(std::int64_t horizontal, std::int64_t vertical);
std::pair<std::int32_t, std::int32_t> justificationOf(std::int32_t alignment);

// The text of an embedded MTEXT (its 3 groups, then its 1 group), as stored.
std::string embeddedText(const dxf::GroupStream& stream, GroupRange range, std::size_t marker);

// MTEXT contents as plain lines: paragraph breaks become LF, format codes and braces go.
std::u16string plainMText(std::u16string_view text);

}  // namespace tavor::cad::sim
