#pragma once

#include <string>
#include <string_view>

namespace tavor {

// Windows only: LCMapStringW(LOCALE_SYSTEM_DEFAULT, LCMAP_FULLWIDTH or LCMAP_HALFWIDTH).
// The result is sized by a first call without a buffer and cut to the count of the second call.
// When the system cannot map the text, it comes back unchanged rather than lost.
std::u16string systemWidthMap(std::u16string_view s, bool toFullWidth);

// The length the system reports for the mapped text (the sizing call alone); 0 when it fails.
int systemWidthMappedLength(std::u16string_view s, bool toFullWidth);

}  // namespace tavor
