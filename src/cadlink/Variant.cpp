#include "cadlink/Variant.h"

#include "cadlink/CadError.h"

namespace tavor::cad {

double AsDouble(const Variant& value) {
    if (const auto* d = std::get_if<double>(&value))
        return *d;
    if (const auto* i = std::get_if<std::int32_t>(&value))
        return *i;
    throw CadError(u"The value is not a number.");
}

Point AsPoint(const Variant& value) {
    if (const auto* p = std::get_if<Point>(&value))
        return *p;
    throw CadError(u"The value is not a point.");
}

}  // namespace tavor::cad
