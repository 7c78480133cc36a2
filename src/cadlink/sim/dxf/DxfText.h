#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tavor::cad::sim::dxf {

// The system's conversion of one code page (the drawings' CP932), handed in by the caller so
// that this folder needs no system code. Either function may be empty: then that code page is
// unknown and bytes above 0x7F are read as Latin-1.
struct CodePage {
    std::function<std::u16string(std::string_view)> decode;
    std::function<std::string(std::u16string_view)> encode;
};

// How the strings of one drawing are stored. From R2007 on they are UTF-8 whatever the header
// says; before it they are in the drawing's code page, with \U+XXXX for characters outside it
// and \M+NXXXX for double-byte characters of a named code page.
class TextRules {
public:
    // `acadVersion` is $ACADVER ("AC1009" ... "AC1032"), `dwgCodePage` $DWGCODEPAGE.
    TextRules(std::string_view acadVersion, std::string_view dwgCodePage, CodePage codePage);

    // The bytes decoded first, the escapes resolved after: a 0x5C inside a double-byte
    // character is never the start of an escape.
    std::u16string decode(std::string_view bytes) const;
    std::string encode(std::u16string_view text) const;

private:
    std::u16string decodeBytes(std::string_view bytes) const;
    std::u16string resolveEscapes(std::u16string text) const;

    bool utf8_ = false;
    bool cp932_ = false;
    CodePage codePage_;
};

}  // namespace tavor::cad::sim::dxf
