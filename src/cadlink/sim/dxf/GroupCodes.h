#pragma once

#include <cstdint>

namespace tavor::cad::sim::dxf {

// How a group code's value is stored in a binary file; an ASCII file writes each as text.
enum class ValueType { String, Real, Int16, Int32, Int64, Bool, Chunk };

ValueType valueTypeOf(std::int32_t code);

// Codes whose value is a handle of the object itself (5, and 105 of a DIMSTYLE).
inline bool isOwnHandleCode(std::int32_t code) {
    return code == 5 || code == 105;
}

}  // namespace tavor::cad::sim::dxf
