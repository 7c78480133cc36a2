// The 200 ms status refresh of the text tab.
#include <algorithm>

#include "base/TextUtil.h"
#include "shell/TTavorMainForm.h"
#include "texttab/TrimmedLineCount.h"

namespace tavor {

namespace {

constexpr Color kNewTextLineColor = 0x00FDFFDD;  // the caret line would become a new text

// Rows touched by the selection: its line feeds, plus one unless it ends right after one.
int selectedRowCount(const LineEditor& editor) {
    if (!editor.selAvail())
        return 0;
    const std::u16string sel = editor.selectedText();
    const auto feeds = static_cast<int>(std::count(sel.begin(), sel.end(), u'\n'));
    return sel.empty() || sel.back() != u'\n' ? feeds + 1 : feeds;
}

}  // namespace

void TTavorMainForm::Timer1Timer() {
    gate.runAlways([this] { refreshTextTabStatus(); });
}

void TTavorMainForm::refreshTextTabStatus() {
    if (PageControl1.activePageIndex != 0)
        return;
    Timer1.enabled = false;

    iLineLast = ATTmode ? static_cast<int>(textList.size()) : TrimmedLineCount(SynEdit1);
    Label1.caption = u"取得データ数 = " + toU16(iLineLast);

    const int y = SynEdit1.caretY();
    if (static_cast<int>(textList.size()) < y)
        SynEdit1Color = ATTmode ? clYellow : kNewTextLineColor;
    else
        SynEdit1Color = clWindow;

    SpeedButton4.enabled = SynEdit1.canUndo() || undoFlag;  // a property writes only on change

    StatusBar1.panels[1] = u"selRows = " + toU16(selectedRowCount(SynEdit1));
    StatusBar1.panels[0] =
        u"Row = " + toU16(y) + u" / " + toU16(iLineLast) + u" Col= " + toU16(SynEdit1.caretX());

    Timer1.enabled = true;
}

}  // namespace tavor
