#include "cadlink/sim/dxf/GroupCodes.h"

namespace tavor::cad::sim::dxf {

ValueType valueTypeOf(std::int32_t code) {
    struct Range {
        std::int32_t first, last;
        ValueType type;
    };
    // The ranges of the DXF reference; everything not listed is a string.
    static constexpr Range ranges[] = {
        {10, 59, ValueType::Real},      {60, 79, ValueType::Int16},
        {90, 99, ValueType::Int32},     {110, 149, ValueType::Real},
        {160, 169, ValueType::Int64},   {170, 179, ValueType::Int16},
        {210, 239, ValueType::Real},    {270, 289, ValueType::Int16},
        {290, 299, ValueType::Bool},    {310, 319, ValueType::Chunk},
        {370, 389, ValueType::Int16},   {400, 409, ValueType::Int16},
        {420, 429, ValueType::Int32},   {440, 459, ValueType::Int32},
        {460, 469, ValueType::Real},    {1004, 1004, ValueType::Chunk},
        {1010, 1059, ValueType::Real},  {1060, 1070, ValueType::Int16},
        {1071, 1071, ValueType::Int32},
    };
    for (const Range& r : ranges)
        if (code >= r.first && code <= r.last)
            return r.type;
    return ValueType::String;
}

}  // namespace tavor::cad::sim::dxf
