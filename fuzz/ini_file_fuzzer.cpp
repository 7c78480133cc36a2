// The settings file: any bytes read without harm; saving what was read and reading it back
// gives the same file again; a value written reads back through a save, and so do the values
// beside it that the program did not write.
#include <fuzzer/FuzzedDataProvider.h>

#include "FuzzTempFile.h"
#include "FuzzText.h"
#include "base/TextUtil.h"
#include "shell/IniFile.h"

using tavor::IniFile;
using tavor::fuzz::require;

namespace {

// Names and values that the profile functions store unchanged: no blanks around, no quotes
// around, no line break, no "=" in a key, no "]" in a section.
bool storable(const std::u16string& s, std::u16string_view forbidden) {
    if (s.empty() || s.front() <= u' ' || s.back() <= u' ' || s.front() == u';' ||
        s.front() == u'[' || s.front() == u'"' || s.front() == u'\'')
        return false;
    return s.find_first_of(forbidden) == std::u16string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const tavor::fuzz::FuzzTempFile file("settings.ini");
    FuzzedDataProvider data(bytes, size);
    const std::u16string section = tavor::fuzz::takeText(data, 12);
    const std::u16string key = tavor::fuzz::takeText(data, 12);
    const std::u16string value = tavor::fuzz::takeText(data, 24);
    const std::u16string otherKey = tavor::fuzz::takeText(data, 12);
    file.write(data.ConsumeRemainingBytesAsString());

    IniFile read(file.path());
    (void)read.readInteger(section, key, 7);
    require(read.save(), "an unchanged file saves");
    const std::string once = file.read();
    require(IniFile(file.path()).save(), "a saved file saves again");
    require(file.read() == once, "saving what was read and read back gives the same bytes");

    if (!storable(section, u"]\r\n\uFFFD") || !storable(key, u"=\r\n\uFFFD") ||
        !storable(value, u"\r\n\uFFFD") || value.back() == u'"' || value.back() == u'\'' ||
        !tavor::fuzz::pairedSurrogates(section + key + value))
        return 0;
    IniFile written(file.path());
    const std::u16string other = written.readString(section, otherKey, u"<none>");
    written.writeString(section, key, value);
    require(written.readString(section, key, u"") == value, "a written value reads back");
    require(written.save(), "a changed file saves");
    require(IniFile(file.path()).readString(section, key, u"") == value,
            "a written value reads back from the saved file");
    if (tavor::asciiUpper(otherKey) != tavor::asciiUpper(key))
        require(IniFile(file.path()).readString(section, otherKey, u"<none>") == other,
                "a value the program did not write reads back as it was");
    return 0;
}
