#include "convert/EditorCommands.h"

#include <array>
#include <utility>

#include "base/TextUtil.h"
#include "convert/Addition.h"
#include "convert/EditorCommandHost.h"
#include "convert/ModalForm.h"
#include "convert/PopupMenus.h"
#include "convert/Replace.h"
#include "convert/TavorKasanForm.h"
#include "convert/TavorRenbanForm.h"
#include "convert/TavorTikanForm.h"
#include "convert/ZenHanUtil.h"
#include "ui/LineEditor.h"
#include "ui/Platform.h"

namespace tavor {

namespace {

// Holds the stop button armed for a command's run, and disarms it however the run ends.
class ArmedStop {
public:
    explicit ArmedStop(EditorCommandHost& host) : host_(host) { host_.armStop(); }
    ~ArmedStop() { host_.disarmStop(); }
    ArmedStop(const ArmedStop&) = delete;
    ArmedStop& operator=(const ArmedStop&) = delete;

private:
    EditorCommandHost& host_;
};

bool toZen(std::u16string& s) {
    zenHanUtil::StrToZen(s);
    return true;
}

bool toHan(std::u16string& s) {
    zenHanUtil::StrToHan(s);
    return true;
}

void replaceAll(std::u16string& s, char16_t from, char16_t to) {
    for (char16_t& c : s)
        if (c == from)
            c = to;
}

bool parenthesesToZen(std::u16string& s) {
    replaceAll(s, u'(', u'（');
    replaceAll(s, u')', u'）');
    return true;
}

auto replacing(const Replacer& replacer) {
    return [&replacer](std::u16string& s) {
        replacer.apply(s);
        return true;
    };
}

// Only a line in which a number was found counts as done.
auto adding(const AdditionSettings& settings) {
    return [&settings](std::u16string& s) { return AddToNumber(s, settings); };
}

}  // namespace

EditorCommands::EditorCommands(EditorCommandHost& host, TTavorTikanForm& tikan,
                               TTavorKasanForm& kasan, TTavorRenbanForm& renban)
    : host_(host), tikan_(tikan), kasan_(kasan), renban_(renban) {}

void EditorCommands::PopupMenu1Popup(TPopupMenu1& menu) {
    const bool hasLines = host_.editor().lineCount() > 0;
    const bool hasSelection = host_.editor().selAvail();
    for (TMenuItem* item : {&menu.N1, &menu.N4, &menu.N7, &menu.N14})
        item->enabled = hasLines;
    for (TMenuItem* item : {&menu.N2, &menu.N5, &menu.N8, &menu.N10, &menu.N11, &menu.N15})
        item->enabled = hasSelection;
}

bool EditorCommands::convertLine(std::u16string& line, const LineConversion& convert) {
    if (!convert(line))
        return true;
    host_.platform().processMessages();
    return host_.runFlag();
}

void EditorCommands::convertLines(std::vector<std::u16string>& lines,
                                  const LineConversion& convert) {
    for (std::u16string& line : lines)
        if (!convertLine(line, convert))
            break;
}

void EditorCommands::snapshotAndConvertAll(const LineConversion& convert) {
    host_.UndoMark(true);
    const ArmedStop stop(host_);
    convertAllLines(convert);
}

// Without a selection there is nothing to convert, so no snapshot is taken.
void EditorCommands::snapshotAndConvertSelection(const LineConversion& convert) {
    const ArmedStop stop(host_);
    if (!host_.editor().selAvail())
        return;
    host_.UndoMark(true);
    convertSelection(convert);
}

// The editor cannot change meanwhile (it takes no input during a run). After a stop the
// remaining lines are kept as they are.
void EditorCommands::convertAllLines(const LineConversion& convert) {
    LineEditor& editor = host_.editor();
    const EditorUpdate update(editor);
    editor.convertEachLine(
        [this, &convert](std::u16string& line) { return convertLine(line, convert); },
        LineEditor::LineHistory::StartAfresh);
}

// The selected block, converted line by line, replaces the selection without its outer blanks
// (and so without a final line break).
void EditorCommands::convertSelection(const LineConversion& convert) {
    LineEditor& editor = host_.editor();
    std::vector<std::u16string> lines = splitLines(editor.selectedText());
    convertLines(lines, convert);
    std::u16string block = joinLines(lines);
    block += u"\r\n";
    const EditorUpdate update(editor);
    editor.replaceSelection(std::u16string(trimmed(block)));
}

void EditorCommands::N20Click() {
    host_.UndoMark(true);
    host_.editor().clear();
}

void EditorCommands::N10Click() {
    LineEditor& editor = host_.editor();
    host_.platform().setClipboardText(editor.selectedText());
    // Deleting an empty selection would only leave an empty step in the editor's history.
    if (editor.selAvail())
        editor.replaceSelection(u"");
}

void EditorCommands::N11Click() {
    host_.platform().setClipboardText(host_.editor().selectedText());
}

void EditorCommands::N12Click() {
    host_.UndoMark(true);
    host_.editor().replaceSelection(host_.platform().clipboardText());
}

void EditorCommands::N1Click() {
    snapshotAndConvertAll(toZen);
}

void EditorCommands::N2Click() {
    snapshotAndConvertSelection(toZen);
}

void EditorCommands::N4Click() {
    snapshotAndConvertAll(toHan);
}

void EditorCommands::N5Click() {
    snapshotAndConvertSelection(toHan);
}

void EditorCommands::N28Click() {
    snapshotAndConvertAll(parenthesesToZen);
}

// Unlike the other whole-text commands this one writes each line back into the editor as it
// goes, inside one update.
void EditorCommands::N23Click(TableRoutine routine) {
    if (!routine)
        return;
    const ArmedStop stop(host_);
    host_.UndoMark(true);
    LineEditor& editor = host_.editor();
    const EditorUpdate update(editor);
    editor.convertEachLine(
        [this, &routine](std::u16string& line) {
            routine(line, {});
            host_.platform().processMessages();
            return host_.runFlag();
        },
        LineEditor::LineHistory::Keep);
}

// Shows the replace dialog; true when it closed with "実行" and a search string to look for.
bool EditorCommands::replaceDialogAccepted() {
    return RunModalOnTop(host_.platform(), FormId::Tikan) == ModalResult::Ok &&
           !tikan_.Edit1.text.get().empty();
}

void EditorCommands::N7Click() {
    LineEditor& editor = host_.editor();
    if (editor.lineCount() > 0) {
        tikan_.Edit1.text = editor.line(0);
        tikan_.Edit2.text = editor.line(0);
    }
    if (!replaceDialogAccepted())
        return;
    const Replacer replacer(tikan_.Edit1.text, tikan_.Edit2.text, tikan_.CheckBox1.checked,
                            host_.platform());
    snapshotAndConvertAll(replacing(replacer));
}

void EditorCommands::N8Click() {
    LineEditor& editor = host_.editor();
    if (editor.lineCount() > 0) {
        const std::u16string selected = editor.selectedText();
        const std::u16string first = selected.substr(0, selected.find(u'\r'));
        tikan_.Edit1.text = first;
        tikan_.Edit2.text = first;
    }
    if (!replaceDialogAccepted())
        return;
    const Replacer replacer(tikan_.Edit1.text, tikan_.Edit2.text, tikan_.CheckBox1.checked,
                            host_.platform());
    snapshotAndConvertSelection(replacing(replacer));
}

void EditorCommands::N14Click() {
    if (RunModalOnTop(host_.platform(), FormId::Kasan) != ModalResult::Ok)
        return;
    const AdditionSettings settings = kasan_.settings();
    const ArmedStop stop(host_);
    if (settings.addend == 0)
        return;
    host_.UndoMark(true);
    convertAllLines(adding(settings));
}

void EditorCommands::N15Click() {
    if (RunModalOnTop(host_.platform(), FormId::Kasan) != ModalResult::Ok)
        return;
    const AdditionSettings settings = kasan_.settings();
    const ArmedStop stop(host_);
    if (settings.addend == 0 || !host_.editor().selAvail())
        return;
    host_.UndoMark(true);
    convertSelection(adding(settings));
}

void EditorCommands::N17Click() {
    renban_.Button3.enabled = true;
    renban_.Button1.enabled = true;
    RunModalOnTop(host_.platform(), FormId::Renban);
}

void EditorCommands::N25Click() {
    host_.platform().messageBox(std::u16string(versionText), u"バージョン情報",
                                MessageKind::Information, MessageButtons::Ok);
}

}  // namespace tavor
