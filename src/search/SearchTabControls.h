#pragma once

#include <string>

#include "grid/TUndoCells.h"
#include "search/Tavor2.h"
#include "ui/Controls.h"
#include "ui/GridState.h"

namespace tavor {

// The search tab's controls and fields, declared once and named as the form designer named
// them. The main form inherits them, so that the form's handlers read as `SpeedButton14`.
struct SearchTabControls {
    SearchTabControls() = default;
    SearchTabControls(const SearchTabControls&) = delete;
    SearchTabControls& operator=(const SearchTabControls&) = delete;

    TLabel Label7{u"Label7", u"検索 (部分一致)"};  // the last pattern sent
    TEdit Edit3{u"Edit3"};                         // the text searched for
    const std::u16string Edit3Hint = u"[Enter]で検索（ワイルドカード * ? が使えます)";
    TLabel Label8{u"Label8", u"Enter=検索"};
    TSpeedButton SpeedButton14{u"SpeedButton14", u"検索"};  // start, and "中止" while running
    TSpeedButton SpeedButton15{u"SpeedButton15", u"更新"};  // bulk update
    TLabel Label6{u"Label6"};                               // progress and position
    TCheckBox CheckBox3{u"CheckBox3", u"先頭一致"};         // prefix match
    TCheckBox CheckBox4{u"CheckBox4", u"a->A"};             // Edit3 upper-cases typed letters
    TCheckBox CheckBox8{u"CheckBox8", u"Enter=[↓]"};        // Enter moves down
    TCheckBox CheckBox5{u"CheckBox5", u"Enter=更新"};       // Enter writes the row back
    GridState StringGrid2{1, 1, 0, 0};                      // one hit per row
    Property<int> StringGrid2Width{0};  // the grid's client width, reported by the skin

    HitList hitList;
    TUndoCells FUndoCells2;  // the cell undo journal of StringGrid2
    int sgUndoCnt2 = 0;      // the size of its last undo group
};

}  // namespace tavor
