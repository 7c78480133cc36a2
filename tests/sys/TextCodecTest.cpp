#include "sys/TextCodec.h"

#include <gtest/gtest.h>

namespace tavor {
namespace {

const std::u16string kJapanese = u"JCMNT1:コメント１";

TEST(TextCodec, ByteOrderMarksChooseTheEncodingAndRoundTrip) {
    for (TextEncoding e : {TextEncoding::Utf8Bom, TextEncoding::Utf16Le, TextEncoding::Utf16Be}) {
        const std::string bytes = encodeText(kJapanese, e);
        const DecodedText d = decodeText(bytes);
        EXPECT_EQ(d.encoding, e);
        EXPECT_EQ(d.text, kJapanese);
    }
    EXPECT_EQ(encodeText(u"A", TextEncoding::Utf16Le), std::string("\xFF\xFE"
                                                                   "A\0",
                                                                   4));
}

TEST(TextCodec, AnOddUtf16FileKeepsItsLastByteVisible) {
    const DecodedText d =
        decodeText(std::string("\xFF\xFE"
                               "A\0B",
                               5));
    EXPECT_EQ(d.text, u"A\uFFFD");
}

#ifndef _WIN32
TEST(TextCodec, WithoutAMarkValidUtf8IsUtf8AndAnythingElseIsCp932) {
    const DecodedText utf8 = decodeText(encodeText(kJapanese, TextEncoding::Utf8));
    EXPECT_EQ(utf8.encoding, TextEncoding::Utf8);
    EXPECT_EQ(utf8.text, kJapanese);

    const std::string sjis = "\x90\xFC\x94\xD4";  // 線番 in CP932
    const DecodedText cp = decodeText(sjis);
    EXPECT_EQ(cp.encoding, TextEncoding::Cp932);
    EXPECT_EQ(cp.text, u"線番");
    EXPECT_EQ(encodeText(cp.text, TextEncoding::Cp932), sjis);
}

TEST(TextCodec, InvalidCp932BytesAreReplacedNotDropped) {
    const DecodedText d = decodeText(
        "A\x81"
        "\xFF"
        "B");
    EXPECT_EQ(d.encoding, TextEncoding::Cp932);
    EXPECT_EQ(d.text.front(), u'A');
    EXPECT_EQ(d.text.back(), u'B');
    EXPECT_NE(d.text.find(u'\uFFFD'), std::u16string::npos);
}
#endif

}  // namespace
}  // namespace tavor
