#include "cadlink/com/ComError.h"

#include <cstdio>

#include "cadlink/CadError.h"
#include "cadlink/com/ComPtr.h"

namespace tavor::cad::com {

namespace {

std::u16string fromBstr(BSTR s) {
    return s ? std::u16string(reinterpret_cast<const char16_t*>(s), SysStringLen(s))
             : std::u16string();
}

std::u16string trimmed(std::u16string s) {
    while (!s.empty() && (s.back() == u'\r' || s.back() == u'\n' || s.back() == u' '))
        s.pop_back();
    return s;
}

// Takes the description out of the EXCEPINFO and frees its strings.
std::u16string takeDescription(EXCEPINFO& info, HRESULT& code) {
    if (info.pfnDeferredFillIn)
        info.pfnDeferredFillIn(&info);
    std::u16string text = fromBstr(info.bstrDescription);
    if (info.scode != 0)
        code = info.scode;
    else if (info.wCode != 0)
        code = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, info.wCode);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrHelpFile);
    info = EXCEPINFO{};
    return text;
}

// The thread's error description, taken in any case but used only when `source` vouches for it.
std::u16string threadErrorDescription(IUnknown* source) {
    ComPtr<IErrorInfo> error;
    if (GetErrorInfo(0, error.put()) != S_OK || !error || !source)
        return {};
    ComPtr<ISupportErrorInfo> support;
    if (FAILED(source->QueryInterface(IID_ISupportErrorInfo,
                                      reinterpret_cast<void**>(support.put()))) ||
        !support || support->InterfaceSupportsErrorInfo(IID_IDispatch) != S_OK)
        return {};
    BSTR description = nullptr;
    if (FAILED(error->GetDescription(&description)))
        return {};
    std::u16string text = fromBstr(description);
    SysFreeString(description);
    return text;
}

std::u16string systemText(HRESULT hr) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(hr), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::u16string text;
    if (length > 0 && buffer)
        text.assign(reinterpret_cast<const char16_t*>(buffer), length);
    LocalFree(buffer);
    return trimmed(std::move(text));
}

std::u16string hexCode(HRESULT hr) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0x%08lX", static_cast<unsigned long>(hr));
    return std::u16string(buffer, buffer + std::char_traits<char>::length(buffer));
}

}  // namespace

void raiseComError(HRESULT hr, EXCEPINFO* info, const std::u16string& what, IUnknown* source) {
    HRESULT code = hr;
    std::u16string text;
    if (info) {
        HRESULT inner = hr;
        std::u16string described = takeDescription(*info, inner);
        // Only DISP_E_EXCEPTION says that the server filled the EXCEPINFO.
        if (hr == DISP_E_EXCEPTION) {
            text = std::move(described);
            code = inner;
        }
    }
    // Taken even when the EXCEPINFO described the failure.
    std::u16string threadText = threadErrorDescription(source);
    if (text.empty())
        text = std::move(threadText);
    if (text.empty())
        text = systemText(code);
    if (text.empty())
        text = what + u" failed (" + hexCode(code) + u").";
    throw CadError(trimmed(std::move(text)), static_cast<std::int32_t>(code));
}

}  // namespace tavor::cad::com
