#pragma once

#include <string>
#include <string_view>

namespace tavor {

// How a text file was (or is to be) stored. Ansi is the Windows ANSI code page; on other
// systems a file without a byte-order mark is UTF-8 when it is valid UTF-8 and CP932 (the
// code page of the drawings this program serves) otherwise.
enum class TextEncoding { Ansi, Utf8, Utf8Bom, Utf16Le, Utf16Be, Cp932 };

struct DecodedText {
    std::u16string text;
    TextEncoding encoding;
};

// Bytes that are invalid in the detected encoding become U+FFFD; decoding never fails.
DecodedText decodeText(std::string_view bytes);
std::string encodeText(std::u16string_view text, TextEncoding encoding);

// The encoding of a file the program writes that was never read: the system's ANSI code page.
TextEncoding systemDefaultEncoding();

// The encoding to write text in when it was read in `preferred`: that one, unless the text has
// characters it cannot hold (a code page), in which case UTF-8 with a byte-order mark, so that
// nothing the user typed is lost on the way to the file.
TextEncoding encodingThatKeeps(std::u16string_view text, TextEncoding preferred);

// The system's code pages; implemented per system.
std::u16string decodeCodePage(std::string_view bytes, TextEncoding encoding);  // Ansi or Cp932
std::string encodeCodePage(std::u16string_view text, TextEncoding encoding);
bool isValidUtf8(std::string_view bytes);

}  // namespace tavor
