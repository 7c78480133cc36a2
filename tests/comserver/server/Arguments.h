#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "cadlink/Point.h"
#include "cadlink/SelectionFilter.h"

namespace tavor::test::fakecad {

// A call that Invoke fails with this HRESULT itself; `argument` (in the natural order) is the
// one at fault, reported through puArgErr.
struct CallFault {
    HRESULT code;
    std::size_t argument = kNoArgument;
    static constexpr std::size_t kNoArgument = static_cast<std::size_t>(-1);
};

// The positional arguments of one call in their natural order (DISPPARAMS lists them last
// first). Each read takes exactly the form the CAD takes, a value behind VT_BYREF included, and
// raises CallFault(DISP_E_TYPEMISMATCH) for any other.
class Arguments {
public:
    explicit Arguments(const DISPPARAMS& params) : params_(params) {}

    std::size_t count() const { return params_.cArgs; }
    // Passed, and not left out as VT_ERROR / DISP_E_PARAMNOTFOUND.
    bool given(std::size_t i) const;

    // Any integer width; DISP_E_OVERFLOW beyond 32 bits.
    std::int32_t integer(std::size_t i) const;
    bool boolean(std::size_t i) const;
    std::u16string string(std::size_t i) const;
    cad::Point point(std::size_t i) const;
    // VT_ARRAY | VT_VARIANT of VT_BSTR.
    std::vector<std::u16string> strings(std::size_t i) const;
    // The two parallel filter arrays at i (VT_ARRAY | VT_I2) and i + 1 (VT_ARRAY | VT_VARIANT
    // of VT_BSTR), of the same length; both left out is no condition.
    cad::SelectionFilter filter(std::size_t i) const;
    // The argument as it came; the caller checks its form.
    const VARIANT& raw(std::size_t i) const;

private:
    [[noreturn]] void mismatch(std::size_t i) const;

    const DISPPARAMS& params_;
};

}  // namespace tavor::test::fakecad
