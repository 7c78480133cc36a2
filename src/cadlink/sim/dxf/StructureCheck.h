#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "cadlink/sim/dxf/GroupStream.h"

namespace tavor::cad::sim::dxf {

// Raises DxfError, naming the line, when the groups do not make a whole drawing: a section
// without ENDSEC, no EOF (a cut file), a handle used twice, a length claim the file cannot hold.
void checkStructure(const GroupStream& stream);

// A handle's number; nullopt when the text is not hexadecimal.
std::optional<std::uint64_t> parseHexHandle(std::string_view text);

}  // namespace tavor::cad::sim::dxf
