#pragma once

#include <string>

#include "convert/ModalForm.h"
#include "ui/Controls.h"

namespace tavor {

// The replace dialog "文字列置換": search and replacement strings and the case option. It lives
// as long as the program, so its fields keep what the user last left in them.
class TTavorTikanForm : public ModalForm {
public:
    TTavorTikanForm();

    void FormCreate();
    void Button1Click() { modalResult = ModalResult::Ok; }
    void Button2Click() { modalResult = ModalResult::Cancel; }

    const std::u16string caption = u"文字列置換";
    TCheckBox CheckBox1{u"CheckBox1", u"大文字/小文字を無視"};
    TLabel Label1{u"Label1", u"検索文字列"};
    TEdit Edit1{u"Edit1"};
    TLabel Label2{u"Label2", u"置換文字列"};
    TEdit Edit2{u"Edit2"};
    TButton Button1{u"Button1", u"実行"};
    TButton Button2{u"Button2", u"取り消し"};
};

}  // namespace tavor
