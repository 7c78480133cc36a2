#pragma once

#include <string>
#include <vector>

#include "convert/ModalForm.h"
#include "ui/Controls.h"
#include "ui/Platform.h"

namespace tavor {

// The TAG list dialog "TAGリスト編集": edits a copy of the text tab's TAG list ("TAG:PROMPT"
// entries, kept sorted) and hands it back on OK. Created once; the platform sorts its list.
//
// With nothing selected (an empty list) "更新" and "削除" do nothing and a click clears both
// fields, so that no entry is lost or made up.
class TTavorAttForm : public ModalForm {
public:
    explicit TTavorAttForm(Platform& platform);
    TTavorAttForm(const TTavorAttForm&) = delete;
    TTavorAttForm& operator=(const TTavorAttForm&) = delete;

    // Runs the dialog on a copy of the combo's items (SpeedButton9Click); on OK the combo's
    // items become the dialog's entries.
    ModalResult editItemsOf(TComboBox& combo);

    void ListBox1Click();
    void Button1Click();  // the selected entry becomes Edit1 ":" Edit2, in place
    void Button2Click();  // Edit1 ":" Edit2 is added at its sorted place
    void Button3Click();  // the selected entry is deleted
    void Button4Click() { modalResult = ModalResult::Ok; }
    void Button5Click() { modalResult = ModalResult::Cancel; }

    const std::u16string caption = u"TAGリスト編集";
    TListBox ListBox1{u"ListBox1"};
    TLabel Label1{u"Label1", u"TAG"};
    TEdit Edit1{u"Edit1"};
    TLabel Label2{u"Label2", u"PROMPT"};
    TEdit Edit2{u"Edit2"};
    TButton Button1{u"Button1", u"更新"};
    TButton Button2{u"Button2", u"追加"};
    TButton Button3{u"Button3", u"削除"};
    TButton Button4{u"Button4", u"OK"};
    TButton Button5{u"Button5", u"取り消し"};
    // No operation of the program enables it.
    TSpeedButton SpeedButton1{u"SpeedButton1", u"参照"};

private:
    bool hasSelection() const;
    std::u16string joinedEdits() const;

    Platform& platform_;
};

}  // namespace tavor
