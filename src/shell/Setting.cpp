#include "shell/Setting.h"

namespace tavor {

Setting integerSetting(std::u16string_view key, Property<int>& value, int fallback) {
    return {kSettingsSection, key,
            [key, &value, fallback](const IniFile& ini) {
                value = ini.readInteger(kSettingsSection, key, fallback);
            },
            [key, &value](IniFile& ini) { ini.writeInteger(kSettingsSection, key, value); }};
}

Setting flagSetting(std::u16string_view key, Property<bool>& checked, bool fallback) {
    return {kSettingsSection, key,
            [key, &checked, fallback](const IniFile& ini) {
                checked = ini.readBool(kSettingsSection, key, fallback);
            },
            [key, &checked](IniFile& ini) { ini.writeBool(kSettingsSection, key, checked); }};
}

Setting writtenText(std::u16string_view section, std::u16string_view key,
                    std::function<std::u16string()> value) {
    return {section, key, {}, [section, key, value = std::move(value)](IniFile& ini) {
                ini.writeString(section, key, value());
            }};
}

}  // namespace tavor
