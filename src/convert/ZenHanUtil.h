#pragma once

#include <functional>
#include <string>

namespace tavor::zenHanUtil {

// The table routines convert only what their table holds (WidthTables.h). Each routine
// replaces s with its converted text. eachRow, when given, runs after every table row (the
// table routines let the user interface breathe on very long texts). The form's editor commands
// let window messages run once per line themselves, so they call these without eachRow.
void HanKanaToZen(std::u16string& s, const std::function<void()>& eachRow = {});
void ZenKanaToHan(std::u16string& s, const std::function<void()>& eachRow = {});
void HanDigitToZen(std::u16string& s, const std::function<void()>& eachRow = {});
void ZenDigitToHan(std::u16string& s, const std::function<void()>& eachRow = {});
void HanNumToZen(std::u16string& s, const std::function<void()>& eachRow = {});
void ZenNumToHan(std::u16string& s, const std::function<void()>& eachRow = {});
void HanAlphaToZen(std::u16string& s, const std::function<void()>& eachRow = {});
void ZenAlphaToHan(std::u16string& s, const std::function<void()>& eachRow = {});
void HanSymbolToZen(std::u16string& s, const std::function<void()>& eachRow = {});
void ZenSymbolToHan(std::u16string& s, const std::function<void()>& eachRow = {});

// Everything that has a full-width (half-width) form, through the system's width mapping
// (LCMapStringW on Windows, WidthMap.h elsewhere).
void StrToZen(std::u16string& s);
void StrToHan(std::u16string& s);

}  // namespace tavor::zenHanUtil
