#include "cadlink/CadError.h"

#include "base/TextUtil.h"

namespace tavor::cad {

CadError::CadError(std::u16string message, std::optional<std::int32_t> code)
    : std::runtime_error(toUtf8(message)), message_(std::move(message)), code_(code) {}

}  // namespace tavor::cad
