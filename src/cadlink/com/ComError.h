#pragma once

#include <windows.h>

#include <string>

namespace tavor::cad::com {

// Raises CadError for a failed call: the server's own message (from the EXCEPINFO it filled, or
// else the thread's IErrorInfo, or else the system's text for the code) and the HRESULT (for
// DISP_E_EXCEPTION the server's own code inside the EXCEPINFO). `what` names the call for the
// case where nobody describes the failure. Frees the EXCEPINFO's strings.
[[noreturn]] void raiseComError(HRESULT hr, EXCEPINFO* info, const std::u16string& what);

// Raises as above when `hr` failed.
inline void check(HRESULT hr, const std::u16string& what) {
    if (FAILED(hr))
        raiseComError(hr, nullptr, what);
}

}  // namespace tavor::cad::com
