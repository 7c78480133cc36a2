#include "comserver/server/Arguments.h"

#include <limits>

#include "comserver/Values.h"

namespace tavor::test::fakecad {

bool Arguments::given(std::size_t i) const {
    return i < count() && !isOmitted(raw(i));
}

const VARIANT& Arguments::raw(std::size_t i) const {
    if (i >= count())
        throw CallFault{DISP_E_PARAMNOTOPTIONAL, i};
    return params_.rgvarg[count() - 1 - i];
}

void Arguments::mismatch(std::size_t i) const {
    if (i < count() && isOmitted(raw(i)))
        throw CallFault{DISP_E_PARAMNOTOPTIONAL, i};
    throw CallFault{DISP_E_TYPEMISMATCH, i};
}

std::int32_t Arguments::integer(std::size_t i) const {
    const auto value = asInteger(raw(i));
    if (!value)
        mismatch(i);
    if (*value < std::numeric_limits<std::int32_t>::min() ||
        *value > std::numeric_limits<std::int32_t>::max())
        throw CallFault{DISP_E_OVERFLOW, i};
    return static_cast<std::int32_t>(*value);
}

bool Arguments::boolean(std::size_t i) const {
    const auto value = asBool(raw(i));
    if (!value)
        mismatch(i);
    return *value;
}

std::u16string Arguments::string(std::size_t i) const {
    auto value = asString(raw(i));
    if (!value)
        mismatch(i);
    return std::move(*value);
}

cad::Point Arguments::point(std::size_t i) const {
    const auto value = asPoint(raw(i));
    if (!value)
        mismatch(i);
    return *value;
}

std::vector<std::u16string> Arguments::strings(std::size_t i) const {
    auto value = asStringArray(raw(i));
    if (!value)
        mismatch(i);
    return std::move(*value);
}

cad::SelectionFilter Arguments::filter(std::size_t i) const {
    const bool types = given(i), data = given(i + 1);
    if (!types && !data)
        return {};
    if (!types)
        throw CallFault{DISP_E_TYPEMISMATCH, i};
    if (!data)
        throw CallFault{DISP_E_TYPEMISMATCH, i + 1};
    const auto codes = asShortArray(raw(i));
    if (!codes || codes->empty())
        throw CallFault{DISP_E_TYPEMISMATCH, i};
    const auto values = asStringArray(raw(i + 1));
    if (!values || values->size() != codes->size())
        throw CallFault{DISP_E_TYPEMISMATCH, i + 1};
    cad::SelectionFilter filter;
    for (std::size_t k = 0; k < codes->size(); ++k)
        filter.push_back({(*codes)[k], (*values)[k]});
    return filter;
}

}  // namespace tavor::test::fakecad
