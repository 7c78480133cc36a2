// The settings file: the executable's path with ".ini", read at create and written at close.
#include "shell/IniFile.h"
#include "shell/Setting.h"
#include "shell/TTavorMainForm.h"

namespace tavor {

// Every key of the file, once: read in this order (the keys that are only written skipped) and
// written in this order.
std::vector<Setting> TTavorMainForm::settings() {
    const ScreenSize screen = services_.platform.screenSize();
    // A TAG list index is remembered as read, to be applied once the lists are loaded.
    const auto tagIndex = [this](std::u16string_view key, TComboBox& combo, int& remembered) {
        return Setting{kSettingsSection, key,
                       [this, key, &combo, &remembered](const IniFile& ini) {
                           remembered = ini.readInteger(kSettingsSection, key, 0);
                           selectItem(combo, remembered);
                       },
                       [key, &combo](IniFile& ini) {
                           ini.writeInteger(kSettingsSection, key, combo.itemIndex);
                       }};
    };
    return {
        integerSetting(u"Left", Left, (screen.width - ClientWidth) / 2),
        integerSetting(u"Top", Top, (screen.height - ClientHeight) / 2),
        writtenText(u"Target", u"ProgID", [this] { return targetProgID; }),
        flagSetting(u"Sort", CheckBox1.checked, true),
        writtenText(kSettingsSection, u"AttTag", [this] { return ComboBox1.text.get(); }),
        tagIndex(u"AttTagIndex2", ComboBox2, savedTagIndex2_),
        flagSetting(u"Cursor", CheckBox2.checked, true),
        tagIndex(u"AttTagIndex1", ComboBox1, savedTagIndex1_),
        flagSetting(u"Sentou", CheckBox3.checked, false),
        flagSetting(u"UpperCase", CheckBox4.checked, true),
        flagSetting(u"Enter", CheckBox5.checked, true),
        flagSetting(u"ZoomCenter", CheckBox6.checked, false),
        flagSetting(u"AttEnter", CheckBox7.checked, true),
        flagSetting(u"AttEnterDown", CheckBox8.checked, true),
        flagSetting(u"ZoomCenter2", CheckBox9.checked, false),
    };
}

void TTavorMainForm::readSettings() {
    const IniFile ini(settingsPath());
    for (const Setting& s : settings())
        if (s.read)
            s.read(ini);
}

void TTavorMainForm::writeSettings() {
    IniFile ini(settingsPath());
    for (const Setting& s : settings())
        s.write(ini);
    if (!ini.save())
        services_.platform.messageBox(settingsPath().u16string() + u"\r\nを保存できません．",
                                      u"TavordeskEdit", MessageKind::Warning, MessageButtons::Ok);
}

}  // namespace tavor
