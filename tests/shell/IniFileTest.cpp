#include "shell/IniFile.h"

#include <gtest/gtest.h>

#include "base/TextUtil.h"
#include "support/TempDir.h"

namespace tavor {
namespace {

TEST(IniFile, MissingFileAndKeysGiveTheFallbacks) {
    test::TempDir dir;
    const IniFile ini(dir / "none.ini");
    EXPECT_EQ(ini.readString(u"TavorEdit", u"AttTag", u"x"), u"x");
    EXPECT_EQ(ini.readInteger(u"TavorEdit", u"Left", 42), 42);
    EXPECT_TRUE(ini.readBool(u"TavorEdit", u"Sort", true));
}

TEST(IniFile, ReadsValuesWithoutRegardToCaseAndTheBooleanRule) {
    test::TempDir dir;
    dir.write("a.ini",
              "; comment\r\n[tavoredit]\r\n left = 12 \r\nSORT=0\r\nCursor=7\r\nEnter=-1\r\n"
              "AttTag=\"NAME:x\"\r\nTop=12abc\r\nZoomCenter=\r\nBig=99999999999\r\n");
    const IniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.readInteger(u"TavorEdit", u"Left", 0), 12);
    EXPECT_FALSE(ini.readBool(u"TavorEdit", u"Sort", true));
    EXPECT_TRUE(ini.readBool(u"TavorEdit", u"Cursor", false));  // any value but 0 is true
    EXPECT_TRUE(ini.readBool(u"TavorEdit", u"Enter", false));
    EXPECT_EQ(ini.readString(u"TavorEdit", u"AttTag", u""), u"NAME:x");
    EXPECT_EQ(ini.readInteger(u"TavorEdit", u"Top", 5), 5);  // garbled: the fallback
    EXPECT_TRUE(ini.readBool(u"TavorEdit", u"ZoomCenter", true));
    EXPECT_EQ(ini.readInteger(u"TavorEdit", u"Big", -3), -3);
}

TEST(IniFile, WritingKeepsForeignSectionsKeysAndComments) {
    test::TempDir dir;
    dir.write("a.ini", "[Mine]\nkeep=1\n; note\n\n[TavorEdit]\nLeft=1\nUser=me\n\n[Other]\nz=2\n");
    IniFile ini(dir / "a.ini");
    ini.writeInteger(u"TavorEdit", u"left", 100);
    ini.writeBool(u"TavorEdit", u"Sort", true);
    ini.writeString(u"Target", u"ProgID", u"nanoCAD.Application.5.0");
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(
        dir.read("a.ini"),
        "[Mine]\r\nkeep=1\r\n; note\r\n\r\n[TavorEdit]\r\nleft=100\r\nUser=me\r\nSort=1\r\n\r\n"
        "[Other]\r\nz=2\r\n[Target]\r\nProgID=nanoCAD.Application.5.0\r\n");
}

TEST(IniFile, RoundTripsJapaneseInTheEncodingItWasReadIn) {
    test::TempDir dir;
    dir.write("u16.ini", encodeText(u"[TavorEdit]\r\nAttTag=線番\r\n", TextEncoding::Utf16Le));
    IniFile ini(dir / "u16.ini");
    EXPECT_EQ(ini.readString(u"TavorEdit", u"AttTag", u""), u"線番");
    ini.writeString(u"TavorEdit", u"AttTag", u"NAME:機器名");
    ASSERT_TRUE(ini.save());
    const DecodedText back = decodeText(dir.read("u16.ini"));
    EXPECT_EQ(back.encoding, TextEncoding::Utf16Le);
    EXPECT_EQ(back.text, u"[TavorEdit]\r\nAttTag=NAME:機器名\r\n");
}

TEST(IniFile, LinesThatAreNoValidTextGoBackByteForByte) {
    test::TempDir dir;
    // Shift-JIS "線番" in a foreign key, and a line whose bytes no code page decodes.
    const std::string foreign = "[Mine]\r\nname=\x90\xfc\x94\xd4\r\nbad=\x81\x20\xff\xfe\x80\r\n";
    dir.write("a.ini", foreign + "[TavorEdit]\r\nLeft=1\r\n");
    IniFile ini(dir / "a.ini");
    EXPECT_EQ(ini.readString(u"Mine", u"name", u""), u"線番");
    ini.writeInteger(u"TavorEdit", u"Left", 2);
    ini.writeString(u"TavorEdit", u"AttTag", u"NAME:機器名");
    ASSERT_TRUE(ini.save());
    EXPECT_EQ(dir.read("a.ini"),
              foreign + "[TavorEdit]\r\nLeft=2\r\nAttTag=NAME:\x8b\x40\x8a\xed\x96\xbc\r\n");
}

TEST(IniFile, BinaryGarbageNeverStopsReadingAndGivesFallbacks) {
    test::TempDir dir;
    std::string junk;
    for (int i = 0; i < 4096; ++i)
        junk.push_back(static_cast<char>((i * 131 + 7) & 0xFF));
    dir.write("junk.ini", junk);
    IniFile ini(dir / "junk.ini");
    EXPECT_EQ(ini.readInteger(u"TavorEdit", u"Left", 9), 9);
    ini.writeInteger(u"TavorEdit", u"Left", 1);
    EXPECT_TRUE(ini.save());
    EXPECT_EQ(IniFile(dir / "junk.ini").readInteger(u"TavorEdit", u"Left", 9), 1);
}

}  // namespace
}  // namespace tavor
