#include "texttab/TextTab.h"

#include "base/FieldSplit.h"
#include "base/TextUtil.h"

namespace tavor {

TagChoice parseTagChoice(const std::u16string& comboText) {
    TagChoice choice;
    const std::size_t colon = comboText.find(u':');
    choice.tag = comboText.substr(0, colon);
    if (colon == std::u16string::npos)
        return choice;
    choice.blockPattern = bracketedPattern(std::u16string_view(comboText).substr(colon));
    return choice;
}

// Text that is not a number counts as 0.
double TextTab::stepValue(const TEdit& field) const {
    return ctx_.platform.readNumber(field.text).value_or(0.0);
}

// dX and dY from the last two entries, shown "%.2f" and read back; both 0 turns them red.
void TextTab::showSteps(bool warnWhenZero) {
    double dX = 0, dY = 0;
    const TextList& list = c_.textList;
    if (list.size() >= 2) {
        const cad::Point& last = list[list.size() - 1].insPt;
        const cad::Point& before = list[list.size() - 2].insPt;
        dX = last.x - before.x;
        dY = last.y - before.y;
    }
    c_.Edit1.text = ctx_.platform.formatFixed(dX, 2);
    c_.Edit2.text = ctx_.platform.formatFixed(dY, 2);
    const bool zero = stepValue(c_.Edit1) == 0 && stepValue(c_.Edit2) == 0;
    c_.Edit1.textColor = zero ? clRed : clBlack;
    c_.Edit2.textColor = zero ? clRed : clBlack;
    if (zero && warnWhenZero)
        ctx_.platform.showMessage(
            u"dX, dY が 0 です．\rdX, dY の値を設定するか、[取得]で複数の TEXT "
            u"を選択してください．");
}

// The entries' strings become the editor's lines in one batch, with the caret at the start.
void TextTab::showLines() {
    c_.undoFlag = false;
    c_.SpeedButton4.enabled = false;
    std::vector<std::u16string> lines;
    lines.reserve(c_.textList.size());
    for (const Tavor& t : c_.textList)
        lines.push_back(t.text);
    {
        EditorUpdate batch(c_.SynEdit1);
        c_.SynEdit1.setLines(std::move(lines));
    }
    c_.SynEdit1.setCaretXY(1, 1);
}

// Both acquisitions start with cleared labels and the mode they fill the list in.
void TextTab::startAcquisition(bool attributes) {
    c_.Label1.caption = u"";
    c_.Label2.caption = u"";
    for (auto& panel : ctx_.StatusBar1.panels)
        panel = u"";
    c_.ATTmode = attributes;
}

void TextTab::enterRun() {
    ctx_.stop.arm(c_.SpeedButton5);
    c_.Label2.visible = true;
    c_.SpeedButton3.visible = false;
}

void TextTab::leaveRun() {
    c_.Label2.visible = false;
    c_.SpeedButton3.visible = true;
    ctx_.stop.disarm();
}

}  // namespace tavor
