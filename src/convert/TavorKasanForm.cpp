#include "convert/TavorKasanForm.h"

#include <algorithm>

#include "base/TextUtil.h"

namespace tavor {

TTavorKasanForm::TTavorKasanForm() {
    SpeedButton1.checked = true;
    RadioButton2.checked = true;
    Edit2.text = u"2";
    UpDown1.position = 2;
    UpDown1.maxValue = maxDigits;
    Label3.enabled = false;
    Edit2.enabled = false;
    UpDown1.enabled = false;
    Edit1.text = u"1";

    positionToText_ = UpDown1.position.observe([this](const int& p) { Edit2.text = toU16(p); });
    textToPosition_ = Edit2.text.observe([this](const std::u16string& t) {
        if (const auto v = ParseDecimalInt(t))
            UpDown1.position = std::clamp<int>(*v, minDigits, maxDigits);
    });
    radio1_ = RadioButton1.checked.observe([this](const bool& on) {
        if (on)
            RadioButton2.checked = false;
    });
    radio2_ = RadioButton2.checked.observe([this](const bool& on) {
        if (on)
            RadioButton1.checked = false;
    });
}

void TTavorKasanForm::SpeedButton1Click(const TSpeedButton& sender) {
    bases_.press(sender);
    RadioButton2.checked = true;
    const bool decimal = bases_.base() == NumberBase::Decimal;
    RadioButton1.enabled = decimal;
    RadioButton2.enabled = decimal;
    Label3.enabled = !decimal;
    Edit2.enabled = !decimal;
    UpDown1.enabled = !decimal;
    Label5.caption = BaseButtonGroup::label(bases_.base());
}

AdditionSettings TTavorKasanForm::settings() const {
    AdditionSettings s;
    s.base = bases_.base();
    s.direction = RadioButton2.checked ? NumberSearch::Last : NumberSearch::First;
    s.digitCount = std::clamp(UpDown1.position.get(), minDigits, maxDigits);
    // An addend that is no integer counts as 0, which changes nothing.
    s.addend = ParseDecimalInt(Edit1.text.get()).value_or(0);
    return s;
}

}  // namespace tavor
