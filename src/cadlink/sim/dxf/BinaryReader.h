#pragma once

#include <string_view>

#include "cadlink/sim/dxf/GroupStream.h"

namespace tavor::cad::sim::dxf {

// The 22 bytes a binary DXF file begins with.
inline constexpr std::string_view kBinarySentinel{"AutoCAD Binary DXF\r\n\x1a\0", 22};

inline bool isBinaryDxf(std::string_view bytes) {
    return bytes.starts_with(kBinarySentinel);
}

// Splits a binary file into groups: a little-endian code, then a value whose size the code's
// type gives (strings end with NUL, chunks carry a length byte).
class BinaryReader {
public:
    static void read(GroupStream& stream);
};

}  // namespace tavor::cad::sim::dxf
