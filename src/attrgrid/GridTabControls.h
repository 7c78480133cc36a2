#pragma once

#include "attrgrid/BlockLists.h"
#include "grid/TUndoCells.h"
#include "ui/Controls.h"
#include "ui/GridState.h"

namespace tavor {

// The grid tab's controls and fields, named as the form designer named them; the main form
// inherits them.
struct GridTabControls {
    TComboBox ComboBox2{u"ComboBox2"};  // TAG groups
    TSpeedButton SpeedButton10{u"SpeedButton10", u"取得"};
    TSpeedButton SpeedButton12{u"SpeedButton12", u"中止"};
    TSpeedButton SpeedButton11{u"SpeedButton11", u"更新"};
    TSpeedButton SpeedButton13{u"SpeedButton13", u"UNDO"};
    TLabel Label5{u"Label5"};                                 // progress
    TCheckBox CheckBox2{u"CheckBox2", u"Enter=[ ↓ ]"};        // Enter moves down, else right
    TCheckBox CheckBox7{u"CheckBox7", u"Enter = 更新"};       // Enter writes the cell back
    TCheckBox CheckBox6{u"CheckBox6", u"PAN (Zoom Center)"};  // a click shows the attribute
    TLabel Label9{u"Label9", u"※[項目名] クリックですべて選択"};
    TSpeedButton SpeedButton16{u"SpeedButton16", u"文字順"};
    TSpeedButton SpeedButton17{u"SpeedButton17", u"数字順"};
    TSpeedButton SpeedButton18{u"SpeedButton18", u"取得順"};
    GridState StringGrid1{5, 2, 1, 1};
    // False while the acquisition fills the grid: the skin paints it only afterwards.
    Property<bool> StringGrid1Redraw{true};
    TProgressBar ProgressBar1{u"ProgressBar1"};

    BlkList blkList;
    AttList attList;
    TUndoCells FUndoCells;  // the journal of StringGrid1
    int sgUndoCnt = 0;      // records that Ctrl+Z takes back at once
    // The drag selection: the cell where the left button went down (-1: no drag) and the cell
    // last handled while it moves.
    int startCol = -1, startRow = -1, moveCol = 0, moveRow = 0;
};

}  // namespace tavor
