#include "cadlink/sim/dxf/DxfText.h"

#include <algorithm>

#include "base/TextUtil.h"

namespace tavor::cad::sim::dxf {

namespace {

bool isAscii(std::string_view bytes) {
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

int hexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    return -1;
}

// The value of the `digits` hex digits at `at`, or -1.
long hexAt(const std::u16string& s, std::size_t at, std::size_t digits) {
    if (at + digits > s.size())
        return -1;
    long v = 0;
    for (std::size_t k = 0; k < digits; ++k) {
        const int d = hexDigit(s[at + k]);
        if (d < 0)
            return -1;
        v = v * 16 + d;
    }
    return v;
}

std::u16string unicodeEscape(char16_t c) {
    static constexpr char16_t digits[] = u"0123456789ABCDEF";
    std::u16string out = u"\\U+";
    for (int shift = 12; shift >= 0; shift -= 4)
        out += digits[(c >> shift) & 0xF];
    return out;
}

}  // namespace

TextRules::TextRules(std::string_view acadVersion, std::string_view dwgCodePage, CodePage codePage)
    : codePage_(std::move(codePage)) {
    utf8_ = acadVersion.size() == 6 && acadVersion >= "AC1021";
    std::string page(dwgCodePage);
    std::transform(page.begin(), page.end(), page.begin(),
                   [](char c) { return static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c); });
    cp932_ = page == "ANSI_932" || page == "DOS932";
}

std::u16string TextRules::decodeBytes(std::string_view bytes) const {
    if (isAscii(bytes)) {
        std::u16string out(bytes.size(), u'\0');
        std::copy(bytes.begin(), bytes.end(), out.begin());
        return out;
    }
    if (utf8_)
        return fromUtf8(bytes);
    if (cp932_ && codePage_.decode)
        return codePage_.decode(bytes);
    std::u16string out;
    out.reserve(bytes.size());
    for (char c : bytes)
        out += static_cast<char16_t>(static_cast<unsigned char>(c));
    return out;
}

std::u16string TextRules::resolveEscapes(std::u16string s) const {
    if (s.find(u'\\') == std::u16string::npos)
        return s;
    std::u16string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == u'\\' && i + 7 <= s.size() && (s[i + 1] == u'U' || s[i + 1] == u'u') &&
            s[i + 2] == u'+') {
            if (const long v = hexAt(s, i + 3, 4); v >= 0) {
                out += static_cast<char16_t>(v);
                i += 6;
                continue;
            }
        }
        // \M+1XXXX: a double-byte character of code page 1 (Japanese, CP932).
        if (s[i] == u'\\' && i + 8 <= s.size() && (s[i + 1] == u'M' || s[i + 1] == u'm') &&
            s[i + 2] == u'+' && s[i + 3] == u'1' && codePage_.decode) {
            if (const long v = hexAt(s, i + 4, 4); v >= 0) {
                const char pair[2] = {static_cast<char>(v >> 8), static_cast<char>(v & 0xFF)};
                out += codePage_.decode(std::string_view(pair, 2));
                i += 7;
                continue;
            }
        }
        out += s[i];
    }
    return out;
}

std::u16string TextRules::decode(std::string_view bytes) const {
    return resolveEscapes(decodeBytes(bytes));
}

std::string TextRules::encode(std::u16string_view text) const {
    if (utf8_)
        return toUtf8(text);
    std::u16string escaped;
    escaped.reserve(text.size());
    for (char16_t c : text) {
        bool kept = c < 0x80;
        if (!kept && cp932_ && codePage_.encode && codePage_.decode) {
            // Only what comes back unchanged is held by the code page.
            const std::u16string one(1, c);
            kept = codePage_.decode(codePage_.encode(one)) == one;
        } else if (!kept && !cp932_) {
            kept = c < 0x100;
        }
        if (kept)
            escaped += c;
        else
            escaped += unicodeEscape(c);
    }
    if (cp932_ && codePage_.encode)
        return codePage_.encode(escaped);
    std::string out;
    out.reserve(escaped.size());
    for (char16_t c : escaped)
        out += static_cast<char>(c);
    return out;
}

}  // namespace tavor::cad::sim::dxf
