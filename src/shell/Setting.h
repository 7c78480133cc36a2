#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/Property.h"
#include "shell/IniFile.h"

namespace tavor {

// One key of the settings file: where it lives, how it is read into the control state it
// belongs to (empty for a key that is only written) and how it is written from it.
struct Setting {
    std::u16string_view section;
    std::u16string_view key;
    std::function<void(const IniFile&)> read;
    std::function<void(IniFile&)> write;
};

inline constexpr std::u16string_view kSettingsSection = u"TavorEdit";

// A whole number kept in a property.
Setting integerSetting(std::u16string_view key, Property<int>& value, int fallback);
// A check box's state, written as 1 or 0.
Setting flagSetting(std::u16string_view key, Property<bool>& checked, bool fallback);
// A text that is written and never read back.
Setting writtenText(std::u16string_view section, std::u16string_view key,
                    std::function<std::u16string()> value);

}  // namespace tavor
