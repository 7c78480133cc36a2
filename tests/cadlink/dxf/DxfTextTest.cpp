#include <gtest/gtest.h>

#include "DxfSamples.h"
#include "base/TextUtil.h"
#include "cadlink/sim/dxf/DxfText.h"
#include "sys/TextCodec.h"

namespace tavor::test {
namespace {

using cad::sim::dxf::TextRules;

std::string cp932Bytes(std::u16string_view t) {
    return encodeCodePage(t, TextEncoding::Cp932);
}

struct DecodeCase {
    const char* name;
    const char* version;
    const char* codePage;
    std::string bytes;
    std::u16string text;
};

std::vector<DecodeCase> decodeCases() {
    return {
        // 表 is 0x95 0x5C: its second byte must not start an escape.
        {"cp932_trail_byte_5c_then_escape", "AC1015", "ANSI_932", cp932Bytes(u"表") + "\\U+2460",
         u"表\u2460"},
        {"cp932_trail_byte_5c_before_u", "AC1015", "ANSI_932", cp932Bytes(u"表") + "U+0041",
         u"表U+0041"},
        {"m_plus_escape_of_code_page_1", "AC1009", "ANSI_932", "\\M+188EA\\M+1947A", u"一配"},
        {"unicode_escape_lower_case", "AC1015", "ANSI_1252", "\\u+00e9t\\U+00C9", u"\u00e9t\u00c9"},
        {"latin1_without_a_code_page_of_ours", "AC1015", "ANSI_1252", "caf\xE9", u"caf\u00e9"},
        {"utf8_from_r2007_whatever_the_header", "AC1021", "ANSI_932", "\xE9\x85\x8D\xE7\xB7\x9A",
         u"配線"},
        {"escape_still_read_in_utf8", "AC1032", "ANSI_1252", "A\\U+2460", u"A\u2460"},
        {"broken_escape_kept", "AC1015", "ANSI_932", "\\U+12G4", u"\\U+12G4"},
    };
}

class Decode : public testing::TestWithParam<DecodeCase> {};

TEST_P(Decode, ReadsTheTextAsTheReleaseStoresIt) {
    const DecodeCase& c = GetParam();
    EXPECT_EQ(TextRules(c.version, c.codePage, cp932()).decode(c.bytes), c.text);
}

INSTANTIATE_TEST_SUITE_P(Dxf, Decode, testing::ValuesIn(decodeCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DxfText, WritesWhatTheCodePageCannotHoldAsEscapes) {
    const TextRules cp("AC1015", "ANSI_932", cp932());
    const std::u16string text = u"表①\u00e9\u4E02x";  // é and 丂 are not in CP932
    const std::string bytes = cp.encode(text);
    EXPECT_EQ(bytes, cp932Bytes(u"表①") + "\\U+00E9\\U+4E02x");
    EXPECT_EQ(cp.decode(bytes), text);

    const TextRules utf8("AC1032", "ANSI_932", cp932());
    EXPECT_EQ(utf8.encode(text), toUtf8(text));
}

}  // namespace
}  // namespace tavor::test
