#include "sys/TextCodec.h"

#include "base/TextUtil.h"

namespace tavor {

namespace {

std::u16string decodeUtf16(std::string_view bytes, bool bigEndian) {
    std::u16string out;
    out.reserve(bytes.size() / 2 + 1);
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const auto a = static_cast<unsigned char>(bytes[i]),
                   b = static_cast<unsigned char>(bytes[i + 1]);
        out.push_back(static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a));
    }
    if (bytes.size() % 2)
        out.push_back(u'\uFFFD');  // a dangling byte is shown, not dropped
    return out;
}

std::string encodeUtf16(std::u16string_view text, bool bigEndian) {
    std::string out;
    out.reserve(text.size() * 2 + 2);
    auto put = [&](char16_t c) {
        const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        out.push_back(bigEndian ? hi : lo);
        out.push_back(bigEndian ? lo : hi);
    };
    put(u'\uFEFF');
    for (char16_t c : text)
        put(c);
    return out;
}

bool startsWith(std::string_view s, std::string_view prefix) {
    return s.substr(0, prefix.size()) == prefix;
}

}  // namespace

bool isValidUtf8(std::string_view bytes) {
    bool valid = false;
    fromUtf8(bytes, &valid);
    return valid;
}

DecodedText decodeText(std::string_view bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF"))
        return {fromUtf8(bytes.substr(3)), TextEncoding::Utf8Bom};
    if (startsWith(bytes, "\xFF\xFE"))
        return {decodeUtf16(bytes.substr(2), false), TextEncoding::Utf16Le};
    if (startsWith(bytes, "\xFE\xFF"))
        return {decodeUtf16(bytes.substr(2), true), TextEncoding::Utf16Be};
    const TextEncoding system = systemDefaultEncoding();
    if (system == TextEncoding::Ansi)
        return {decodeCodePage(bytes, TextEncoding::Ansi), TextEncoding::Ansi};
    if (isValidUtf8(bytes))
        return {fromUtf8(bytes), TextEncoding::Utf8};
    return {decodeCodePage(bytes, TextEncoding::Cp932), TextEncoding::Cp932};
}

std::string encodeText(std::u16string_view text, TextEncoding encoding) {
    switch (encoding) {
        case TextEncoding::Utf8:
            return toUtf8(text);
        case TextEncoding::Utf8Bom:
            return "\xEF\xBB\xBF" + toUtf8(text);
        case TextEncoding::Utf16Le:
            return encodeUtf16(text, false);
        case TextEncoding::Utf16Be:
            return encodeUtf16(text, true);
        case TextEncoding::Ansi:
        case TextEncoding::Cp932:
            return encodeCodePage(text, encoding);
    }
    return toUtf8(text);
}

TextEncoding encodingThatKeeps(std::u16string_view text, TextEncoding preferred) {
    if (preferred != TextEncoding::Ansi && preferred != TextEncoding::Cp932)
        return preferred;
    // The bytes must also be read back as that code page: CP932 bytes that happen to be valid
    // UTF-8 (a list left with only "ﾃｩ") would otherwise come back as other characters.
    const std::string bytes = encodeCodePage(text, preferred);
    return decodeCodePage(bytes, preferred) == text && decodeText(bytes).text == text
               ? preferred
               : TextEncoding::Utf8Bom;
}

}  // namespace tavor
