#pragma once

#include <string>

#include "convert/NumberText.h"
#include "ui/Controls.h"

namespace tavor {

// The three base buttons "10 進", "16 進", "8 進" of the addition and numbering dialogs: one
// group in which exactly one button is down (checked).
class BaseButtonGroup {
public:
    BaseButtonGroup(TSpeedButton& decimal, TSpeedButton& hexadecimal, TSpeedButton& octal);

    // Puts the button down and the other two up.
    void press(const TSpeedButton& button);
    NumberBase base() const;
    bool isMember(const TSpeedButton& button) const;

    // The base label's caption: "10進", "16進" or " 8進".
    static std::u16string label(NumberBase base);

private:
    TSpeedButton* buttons_[3];
};

}  // namespace tavor
