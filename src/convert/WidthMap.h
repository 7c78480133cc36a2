#pragma once

#include <string>
#include <string_view>

#include "convert/WidthForm.h"

namespace tavor {

// The width mapping of our own, for systems without LCMapStringW: the results of Windows'
// LCMapStringW(LOCALE_SYSTEM_DEFAULT, LCMAP_FULLWIDTH or LCMAP_HALFWIDTH) for ASCII, the space,
// katakana with their sound marks, the other compatibility width forms and the curly quotes.
// In full width a kana followed by a voiced or semi-voiced mark of any width becomes the
// composed letter; in half width a composed katakana becomes its letter and a half-width mark.
// Everything else, unpaired surrogates and control characters among it, stays as it is.
std::u16string portableWidthMap(std::u16string_view s, WidthForm to);
// The same on s itself, without allocating unless the text grows.
void portableWidthMapInPlace(std::u16string& s, WidthForm to);

}  // namespace tavor
