#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "cadlink/Point.h"

namespace tavor::cad {

// A value the CAD hands back without a fixed type (system variables).
using Variant = std::variant<std::monostate, std::int32_t, double, std::u16string, Point>;

// The value as a number; raises CadError when it holds no number.
double AsDouble(const Variant& value);
// The value as a point; raises CadError when it holds no point.
Point AsPoint(const Variant& value);

}  // namespace tavor::cad
