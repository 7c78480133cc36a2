#pragma once

#include <functional>
#include <string>
#include <vector>

#include "convert/BaseButtonGroup.h"
#include "convert/GridConversions.h"
#include "convert/ModalForm.h"
#include "convert/Numbering.h"
#include "grid/GridEditTarget.h"
#include "ui/Controls.h"

namespace tavor {

class EditorCommandHost;
class GridState;

// The numbering dialog "連番作成". It does its job itself when "挿入" or "追加" is pressed:
// into the editor when the main window shows the text tab, else down the grid's current
// column. Created once; its fields persist between uses.
class TTavorRenbanForm : public ModalForm {
public:
    explicit TTavorRenbanForm(EditorCommandHost& host);
    TTavorRenbanForm(const TTavorRenbanForm&) = delete;
    TTavorRenbanForm& operator=(const TTavorRenbanForm&) = delete;

    void setGridTarget(GridEditTarget target) { grid_ = std::move(target); }

    void FormCreate() { Edit1Change(); }
    // The preview; also what a base button's click and every field's change run.
    void Edit1Change();
    // A click on one of the three base buttons.
    void SpeedButton1Click(const TSpeedButton& sender);
    // The action of "挿入" (Button3) and "追加" / "上書き" (Button1); closes with OK.
    void Button1Click(const TButton& sender);
    void Button2Click() { modalResult = ModalResult::Cancel; }

    NumberingFields fields() const;

    const std::u16string caption = u"連番作成";
    TSpeedButton SpeedButton1{u"SpeedButton1", u"10 進"};
    TSpeedButton SpeedButton2{u"SpeedButton2", u"16 進"};
    TSpeedButton SpeedButton3{u"SpeedButton3", u"8 進"};
    TLabel Label5{u"Label5", u"10進"};
    TLabel Label1{u"Label1", u"前固定"};
    TEdit Edit1{u"Edit1"};
    TLabel Label2{u"Label2", u"開始数"};
    TEdit Edit2{u"Edit2"};
    TLabel Label3{u"Label3", u"後固定"};
    TEdit Edit3{u"Edit3"};
    TLabel Label6{u"Label6", u"アップ数"};
    TEdit Edit5{u"Edit5"};
    TLabel Label8{u"Label8", u"(10進)"};
    TLabel Label4{u"Label4", u"作成数"};
    TEdit Edit4{u"Edit4"};  // digits only
    TLabel Label9{u"Label9", u"(10進)"};
    TLabel Label7{u"Label7", u"( 開始数なしで固定文字作成 )"};
    Control StaticText1{u"StaticText1"};
    TButton Button3{u"Button3", u"挿入"};
    TButton Button1{u"Button1", u"追加"};
    TButton Button2{u"Button2", u"取り消し"};

private:
    void writeEditor(const NumberRun& run, bool insert);
    void writeGrid(const NumberRun& run);

    EditorCommandHost& host_;
    GridEditTarget grid_;
    BaseButtonGroup bases_{SpeedButton1, SpeedButton2, SpeedButton3};
    std::vector<Subscription> fieldChanges_;
};

}  // namespace tavor
