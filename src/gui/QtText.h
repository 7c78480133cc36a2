#pragma once

#include <QString>
#include <string>

namespace tavor::gui {

inline QString qs(const std::u16string& s) {
    return QString::fromStdU16String(s);
}
inline std::u16string u16(const QString& s) {
    return s.toStdU16String();
}

}  // namespace tavor::gui
