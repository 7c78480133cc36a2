#include "convert/TavorTikanForm.h"

namespace tavor {

TTavorTikanForm::TTavorTikanForm() {
    CheckBox1.checked = true;
    FormCreate();
}

void TTavorTikanForm::FormCreate() {
    Edit1.text = u"";
    Edit2.text = u"";
}

}  // namespace tavor
