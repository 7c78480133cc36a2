#include "convert/ZenHanUtil.h"

#include "convert/WidthTableConverter.h"
#include "convert/WidthTables.h"
#ifdef _WIN32
#include "sys/SystemWidthMap.h"
#else
#include "convert/WidthMap.h"
#endif

namespace tavor::zenHanUtil {

namespace {

// Built on first use and constant afterwards.
template <const auto& table, WidthForm from>
const TableConverter& converter() {
    static const TableConverter instance(table, from);
    return instance;
}

void platformWidthMap(std::u16string& s, WidthForm to) {
#ifdef _WIN32
    s = systemWidthMap(s, to == WidthForm::Full);
#else
    portableWidthMapInPlace(s, to);
#endif
}

}  // namespace

void HanKanaToZen(std::u16string& s, const std::function<void()>& eachRow) {
    converter<KanaTable, WidthForm::Half>().apply(s, eachRow);
}
void ZenKanaToHan(std::u16string& s, const std::function<void()>& eachRow) {
    converter<KanaTable, WidthForm::Full>().apply(s, eachRow);
}
void HanDigitToZen(std::u16string& s, const std::function<void()>& eachRow) {
    converter<DigitTable, WidthForm::Half>().apply(s, eachRow);
}
void ZenDigitToHan(std::u16string& s, const std::function<void()>& eachRow) {
    converter<DigitTable, WidthForm::Full>().apply(s, eachRow);
}
void HanNumToZen(std::u16string& s, const std::function<void()>& eachRow) {
    converter<NumTable, WidthForm::Half>().apply(s, eachRow);
}
void ZenNumToHan(std::u16string& s, const std::function<void()>& eachRow) {
    converter<NumTable, WidthForm::Full>().apply(s, eachRow);
}
void HanAlphaToZen(std::u16string& s, const std::function<void()>& eachRow) {
    converter<AlphaTable, WidthForm::Half>().apply(s, eachRow);
}
void ZenAlphaToHan(std::u16string& s, const std::function<void()>& eachRow) {
    converter<AlphaTable, WidthForm::Full>().apply(s, eachRow);
}
void HanSymbolToZen(std::u16string& s, const std::function<void()>& eachRow) {
    converter<SymbolTable, WidthForm::Half>().apply(s, eachRow);
}
void ZenSymbolToHan(std::u16string& s, const std::function<void()>& eachRow) {
    converter<SymbolTable, WidthForm::Full>().apply(s, eachRow);
}

void StrToZen(std::u16string& s) {
    platformWidthMap(s, WidthForm::Full);
}
void StrToHan(std::u16string& s) {
    platformWidthMap(s, WidthForm::Half);
}

}  // namespace tavor::zenHanUtil
