// The settings file: the executable's path with ".ini", read at create and written at close.
#include "shell/IniFile.h"
#include "shell/TTavorMainForm.h"

namespace tavor {

namespace {
constexpr std::u16string_view kSection = u"TavorEdit";
}

void TTavorMainForm::readSettings() {
    const IniFile ini(settingsPath());
    const ScreenSize screen = services_.platform.screenSize();
    Left = ini.readInteger(kSection, u"Left", (screen.width - ClientWidth) / 2);
    Top = ini.readInteger(kSection, u"Top", (screen.height - ClientHeight) / 2);
    CheckBox1.checked = ini.readBool(kSection, u"Sort", true);
    savedTagIndex2_ = ini.readInteger(kSection, u"AttTagIndex2", 0);
    selectItem(ComboBox2, savedTagIndex2_);
    CheckBox2.checked = ini.readBool(kSection, u"Cursor", true);
    savedTagIndex1_ = ini.readInteger(kSection, u"AttTagIndex1", 0);
    selectItem(ComboBox1, savedTagIndex1_);
    CheckBox3.checked = ini.readBool(kSection, u"Sentou", false);
    CheckBox4.checked = ini.readBool(kSection, u"UpperCase", true);
    CheckBox5.checked = ini.readBool(kSection, u"Enter", true);
    CheckBox6.checked = ini.readBool(kSection, u"ZoomCenter", false);
    CheckBox7.checked = ini.readBool(kSection, u"AttEnter", true);
    CheckBox8.checked = ini.readBool(kSection, u"AttEnterDown", true);
    CheckBox9.checked = ini.readBool(kSection, u"ZoomCenter2", false);
}

void TTavorMainForm::writeSettings() {
    IniFile ini(settingsPath());
    ini.writeInteger(kSection, u"Left", Left);
    ini.writeInteger(kSection, u"Top", Top);
    ini.writeString(u"Target", u"ProgID", targetProgID);
    ini.writeBool(kSection, u"Sort", CheckBox1.checked);
    ini.writeString(kSection, u"AttTag", ComboBox1.text);
    ini.writeInteger(kSection, u"AttTagIndex2", ComboBox2.itemIndex);
    ini.writeBool(kSection, u"Cursor", CheckBox2.checked);
    ini.writeInteger(kSection, u"AttTagIndex1", ComboBox1.itemIndex);
    ini.writeBool(kSection, u"Sentou", CheckBox3.checked);
    ini.writeBool(kSection, u"UpperCase", CheckBox4.checked);
    ini.writeBool(kSection, u"Enter", CheckBox5.checked);
    ini.writeBool(kSection, u"ZoomCenter", CheckBox6.checked);
    ini.writeBool(kSection, u"AttEnter", CheckBox7.checked);
    ini.writeBool(kSection, u"AttEnterDown", CheckBox8.checked);
    ini.writeBool(kSection, u"ZoomCenter2", CheckBox9.checked);
    ini.save();
}

}  // namespace tavor
