// Found by the settings fuzzer: in a code-page settings file, changing the one line that was no
// valid UTF-8 left bytes that read as UTF-8, so the other values came back as other characters.
#include <gtest/gtest.h>

#include "shell/IniFile.h"
#include "support/TempDir.h"

namespace tavor {
namespace {

TEST(IniFileReadBack, ValuesTheProgramDidNotChangeReadBackAfterASave) {
    test::TempDir dir;
    // CP932: K holds あ (82 A0, no UTF-8), L holds ﾃｩ (C3 A9, also the UTF-8 "é").
    dir.write("s.ini", "[S]\r\nK=\x82\xA0\r\nL=\xC3\xA9\r\n");
    IniFile before(dir / "s.ini");
    const std::u16string l = before.readString(u"S", u"L", u"");
    IniFile ini(dir / "s.ini");
    ini.writeString(u"S", u"K", u"x");
    ASSERT_TRUE(ini.save());
    const IniFile after(dir / "s.ini");
    EXPECT_EQ(after.readString(u"S", u"L", u""), l);
    EXPECT_EQ(after.readString(u"S", u"K", u""), u"x");
}

}  // namespace
}  // namespace tavor
