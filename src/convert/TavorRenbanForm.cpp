#include "convert/TavorRenbanForm.h"

#include <algorithm>

#include "convert/EditorCommandHost.h"
#include "ui/GridState.h"
#include "ui/LineEditor.h"

namespace tavor {

TTavorRenbanForm::TTavorRenbanForm(EditorCommandHost& host) : host_(host) {
    SpeedButton1.checked = true;
    Edit2.text = u"00";
    Edit5.text = u"1";
    Edit4.text = u"16";
    for (TEdit* edit : {&Edit1, &Edit2, &Edit3, &Edit4, &Edit5})
        fieldChanges_.push_back(
            edit->text.observe([this](const std::u16string&) { Edit1Change(); }));
    FormCreate();
}

NumberingFields TTavorRenbanForm::fields() const {
    return {bases_.base(), Edit1.text, Edit2.text, Edit3.text, Edit5.text, Edit4.text};
}

void TTavorRenbanForm::Edit1Change() {
    Button1.enabled = true;
    const NumberingFields f = fields();
    const bool numbered = !f.start.empty();
    Label6.enabled = numbered;
    Edit5.enabled = numbered;
    if (numbered)
        Label5.caption = BaseButtonGroup::label(f.base);
    StaticText1.caption = NumberingPreview(f);
}

void TTavorRenbanForm::SpeedButton1Click(const TSpeedButton& sender) {
    bases_.press(sender);
    Edit1Change();
}

void TTavorRenbanForm::Button1Click(const TButton& sender) {
    const NumberRun run(fields());
    if (host_.activePageIndex() == 0)
        writeEditor(run, &sender == &Button3);
    else
        writeGrid(run);
    modalResult = ModalResult::Ok;
}

void TTavorRenbanForm::writeEditor(const NumberRun& run, bool insert) {
    LineEditor& editor = host_.editor();
    int at = editor.selectionStartLine();
    host_.UndoMark(true);
    const EditorUpdate update(editor);
    for (int k = 0; k < run.count(); ++k) {
        if (insert)
            editor.insertLine(at++, run.text(k));
        else
            editor.addLine(run.text(k));
    }
}

void TTavorRenbanForm::writeGrid(const NumberRun& run) {
    if (!grid_.grid)
        return;
    grid_.closeGroup(NumberGridColumn(*grid_.grid, run, grid_.journal));
}

}  // namespace tavor
