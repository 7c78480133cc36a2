#pragma once

#include <string>

#include "texttab/Tavor.h"
#include "ui/Color.h"
#include "ui/Controls.h"
#include "ui/LineEditor.h"

namespace tavor {

// The text tab's controls and fields, declared once and named as the form designer named them.
// The main form inherits them, so that the form's handlers read as `SpeedButton2`.
struct TextTabControls {
    explicit TextTabControls(LineEditor& editor) : SynEdit1(editor) {}
    TextTabControls(const TextTabControls&) = delete;
    TextTabControls& operator=(const TextTabControls&) = delete;

    LineEditor& SynEdit1;
    Property<Color> SynEdit1Color{clWindow};
    TSpeedButton SpeedButton1{u"SpeedButton1", u"TEXT"};
    TSpeedButton SpeedButton2{u"SpeedButton2", u"更新(Ctrl+Enter)"};
    TSpeedButton SpeedButton6{u"SpeedButton6", u"整列"};
    TLabel Label3{u"Label3", u"dX :"};
    TEdit Edit1{u"Edit1"};  // dX
    TLabel Label4{u"Label4", u"dY :"};
    TEdit Edit2{u"Edit2"};  // dY
    TSpeedButton SpeedButton8{u"SpeedButton8", u"ATTR"};
    TComboBox ComboBox1{u"ComboBox1"};  // TAG
    TSpeedButton SpeedButton9{u"SpeedButton9", u"..."};
    TLabel Label1{u"Label1"};
    TLabel Label2{u"Label2"};  // progress
    TSpeedButton SpeedButton7{u"SpeedButton7", u"CAD"};
    TCheckBox CheckBox1{u"CheckBox1", u"座標順で取得"};
    TSpeedButton SpeedButton3{u"SpeedButton3", u"すべて選択"};  // hidden during a run
    TSpeedButton SpeedButton5{u"SpeedButton5", u"中止"};        // the tab's stop button
    TSpeedButton SpeedButton4{u"SpeedButton4", u"Undo"};
    TCheckBox CheckBox9{u"CheckBox9", u"PAN (ZoomCenter)"};  // the view follows the caret

    TextList textList;
    std::u16string undoText;
    bool undoFlag = false;
    bool ATTmode = false;
    int iLineLast = 0;
    int CaretY_Old = 0;
};

}  // namespace tavor
