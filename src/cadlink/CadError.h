#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace tavor::cad {

// A failed CAD call. The message is the CAD's own text; the code is the HRESULT when the call
// went through COM and the server reported one.
class CadError : public std::runtime_error {
public:
    explicit CadError(std::u16string message, std::optional<std::int32_t> code = std::nullopt);

    const std::u16string& message() const { return message_; }
    std::optional<std::int32_t> code() const { return code_; }

private:
    std::u16string message_;
    std::optional<std::int32_t> code_;
};

}  // namespace tavor::cad
