#pragma once

#include <windows.h>

#include <string>

namespace tavor::cad::com {

// Raises CadError for a failed call: the server's own message (from the EXCEPINFO it filled, or
// else the thread's IErrorInfo when `source` says through ISupportErrorInfo that it sets one for
// IDispatch, or else the system's text for the code) and the HRESULT (for DISP_E_EXCEPTION the
// server's own code inside the EXCEPINFO). `what` names the call for the case where nobody
// describes the failure. Frees the EXCEPINFO's strings and always takes the thread's IErrorInfo,
// so that a stale one never describes a later failure.
[[noreturn]] void raiseComError(HRESULT hr, EXCEPINFO* info, const std::u16string& what,
                                IUnknown* source = nullptr);

// Raises as above when `hr` failed.
inline void check(HRESULT hr, const std::u16string& what, IUnknown* source = nullptr) {
    if (FAILED(hr))
        raiseComError(hr, nullptr, what, source);
}

}  // namespace tavor::cad::com
