#include "convert/BaseButtonGroup.h"

namespace tavor {

BaseButtonGroup::BaseButtonGroup(TSpeedButton& decimal, TSpeedButton& hexadecimal,
                                 TSpeedButton& octal)
    : buttons_{&decimal, &hexadecimal, &octal} {}

void BaseButtonGroup::press(const TSpeedButton& button) {
    if (!isMember(button))
        return;
    // Down first, so that the group is never seen with no button down.
    for (TSpeedButton* b : buttons_)
        if (b == &button)
            b->checked = true;
    for (TSpeedButton* b : buttons_)
        if (b != &button)
            b->checked = false;
}

NumberBase BaseButtonGroup::base() const {
    if (buttons_[1]->checked)
        return NumberBase::Hexadecimal;
    if (buttons_[2]->checked)
        return NumberBase::Octal;
    return NumberBase::Decimal;
}

bool BaseButtonGroup::isMember(const TSpeedButton& button) const {
    for (const TSpeedButton* b : buttons_)
        if (b == &button)
            return true;
    return false;
}

std::u16string BaseButtonGroup::label(NumberBase base) {
    switch (base) {
        case NumberBase::Hexadecimal:
            return u"16進";
        case NumberBase::Octal:
            return u" 8進";
        case NumberBase::Decimal:
            break;
    }
    return u"10進";
}

}  // namespace tavor
