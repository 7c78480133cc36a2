#pragma once

#include <cstddef>
#include <string_view>

#include "cadlink/sim/dxf/GroupStream.h"

namespace tavor::cad::sim::dxf {

// 1-based number of the line that holds the byte at `offset`.
std::size_t lineAt(std::string_view bytes, std::size_t offset);

// Splits an ASCII file into groups: a code line, then a value line, up to the EOF group.
class AsciiReader {
public:
    static void read(GroupStream& stream);
};

}  // namespace tavor::cad::sim::dxf
