// The width mapping of Windows.
#include <windows.h>

#include <climits>

#include "sys/SystemWidthMap.h"

namespace tavor {

namespace {

DWORD flagFor(bool toFullWidth) {
    return toFullWidth ? LCMAP_FULLWIDTH : LCMAP_HALFWIDTH;
}

const wchar_t* wide(std::u16string_view s) {
    return reinterpret_cast<const wchar_t*>(s.data());
}

}  // namespace

int systemWidthMappedLength(std::u16string_view s, bool toFullWidth) {
    if (s.empty() || s.size() > INT_MAX)
        return 0;
    return LCMapStringW(LOCALE_SYSTEM_DEFAULT, flagFor(toFullWidth), wide(s),
                        static_cast<int>(s.size()), nullptr, 0);
}

std::u16string systemWidthMap(std::u16string_view s, bool toFullWidth) {
    if (s.empty())
        return {};
    const int length = systemWidthMappedLength(s, toFullWidth);
    if (length <= 0)
        return std::u16string(s);
    std::u16string out(static_cast<std::size_t>(length), u'\0');
    const int written =
        LCMapStringW(LOCALE_SYSTEM_DEFAULT, flagFor(toFullWidth), wide(s),
                     static_cast<int>(s.size()), reinterpret_cast<wchar_t*>(out.data()), length);
    if (written <= 0)
        return std::u16string(s);
    out.resize(static_cast<std::size_t>(written));
    return out;
}

}  // namespace tavor
