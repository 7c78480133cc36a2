#pragma once

#include <string>

#include "convert/Addition.h"
#include "convert/BaseButtonGroup.h"
#include "convert/ModalForm.h"
#include "ui/Controls.h"

namespace tavor {

// The addition dialog "加算": base, direction, trailing digit count and the addend. Created
// once; its settings persist between uses and no command fills it.
class TTavorKasanForm : public ModalForm {
public:
    TTavorKasanForm();
    TTavorKasanForm(const TTavorKasanForm&) = delete;
    TTavorKasanForm& operator=(const TTavorKasanForm&) = delete;

    // The click handler of all three base buttons; sender is the button clicked.
    void SpeedButton1Click(const TSpeedButton& sender);
    void Button1Click() { modalResult = ModalResult::Ok; }
    void Button2Click() { modalResult = ModalResult::Cancel; }

    // The settings as the commands read them when the dialog closed with OK.
    AdditionSettings settings() const;

    static constexpr int minDigits = 1, maxDigits = 8;

    const std::u16string caption = u"加算";
    TSpeedButton SpeedButton1{u"SpeedButton1", u"10 進"};
    TSpeedButton SpeedButton2{u"SpeedButton2", u"16 進"};
    TSpeedButton SpeedButton3{u"SpeedButton3", u"8 進"};
    TLabel Label5{u"Label5", u"10 進"};
    TLabel Label2{u"Label2", u"数値検出"};
    Control GroupBox1{u"GroupBox1"};
    TRadioButton RadioButton1{u"RadioButton1", u"先頭から"};
    TRadioButton RadioButton2{u"RadioButton2", u"末尾から"};
    TLabel Label3{u"Label3", u"対象桁数"};
    TEdit Edit2{u"Edit2"};
    Control UpDown1{u"UpDown1"};  // position: the digit count, bound to Edit2
    TLabel Label1{u"Label1", u"加算数"};
    TEdit Edit1{u"Edit1"};
    TLabel Label4{u"Label4", u"(10進表記)"};
    TButton Button1{u"Button1", u"実行"};
    TButton Button2{u"Button2", u"取り消し"};

private:
    BaseButtonGroup bases_{SpeedButton1, SpeedButton2, SpeedButton3};
    // The up-down and its edit follow each other, as an up-down bound to an edit does.
    Subscription positionToText_, textToPosition_;
    // The two direction buttons are one group: checking one unchecks the other.
    Subscription radio1_, radio2_;
};

}  // namespace tavor
