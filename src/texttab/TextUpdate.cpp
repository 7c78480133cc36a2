// "更新(Ctrl+Enter)": write the editor's lines back into their TEXTs or attribute values.
#include <cmath>

#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "cadlink/UndoMarkScope.h"
#include "texttab/FindTemplateText.h"
#include "texttab/TextTab.h"
#include "texttab/TrimmedLineCount.h"

namespace tavor {

namespace {

const std::u16string kInsert = u"INSERT";

cad::Point referencePoint(cad::Text& text, std::int32_t alignment) {
    return alignment == 0 ? text.GetInsertionPoint() : text.GetTextAlignmentPoint();
}

void placeText(cad::Text& text, const cad::Point& at) {
    if (text.GetAlignment() == 0)
        text.SetInsertionPoint(at);
    else
        text.SetTextAlignmentPoint(at);
}

std::u16string progress(int item, int total) {
    return toU16(item) + u" / " + toU16(total);
}

// One walk over the list and the lines, as the update makes it.
struct LineWalk {
    std::vector<std::u16string> lines;  // the editor stays read-only during the run
    int total = 0;                      // the editor's line count, blank lines included
    int trimmed = 0;                    // TrimmedLineCount
    int next = 0;                       // the next unused line
    bool haveTemplate = false;
    std::shared_ptr<cad::Text> templ;

    bool lineLeft() const { return next < trimmed; }
    const std::u16string& line() const { return lines[static_cast<std::size_t>(next)]; }
};

void writeText(cad::Document& doc, Tavor& entry, LineWalk& walk) {
    const auto text = doc.GetObjectByHandle(entry.sHnd)->AsText();
    if (!walk.lineLeft()) {
        text->DeleteObject();
        entry.sHnd.clear();
        return;
    }
    if (isBlank(walk.line())) {
        text->DeleteObject();
        entry.sHnd.clear();
    } else {
        if (text->GetTextString() != walk.line())
            text->SetTextString(walk.line());
        walk.templ = text;
        walk.haveTemplate = true;
    }
    ++walk.next;
}

void writeAttribute(cad::Document& doc, const Tavor& entry, LineWalk& walk) {
    const auto attribute = doc.GetObjectByHandle(entry.sHnd)->AsAttributeReference();
    if (!walk.lineLeft())
        return;
    // A blank line is written too: attribute values are never erased.
    if (attribute->GetAttributeText() != walk.line())
        attribute->SetAttributeText(walk.line());
    ++walk.next;
}

// An entry whose TEXT was erased: a copy of the template comes back at the entry's point
// when its line holds text again.
void recreateText(cad::Document& doc, Tavor& entry, std::int32_t lastAlignment,
                  const TextList& list, LineWalk& walk) {
    if (!walk.haveTemplate)
        walk.haveTemplate = FindTemplateText(doc, list, walk.templ);
    if (!walk.haveTemplate)
        return;
    const auto copy = usableTemplate(walk.templ).CopyEntity()->AsText();
    if (!walk.lineLeft()) {
        copy->DeleteObject();
        return;
    }
    if (isBlank(walk.line())) {
        copy->DeleteObject();
        ++walk.next;
        return;
    }
    if (copy->GetTextString() != walk.line())
        copy->SetTextString(walk.line());
    copy->SetAlignment(lastAlignment);
    placeText(*copy, entry.insPt);
    entry.lay = copy->GetLayer();
    entry.sHnd = copy->GetHandle();
    walk.haveTemplate = true;
    ++walk.next;
}

}  // namespace

void TextTab::update() {
    if (c_.SynEdit1.lineCount() == 0)
        return;
    std::shared_ptr<cad::Application> app;
    if (!cad::ConnectToCad(cad_, app))
        return;
    cad::Desktop& desktop = cad_.desktop();
    desktop.setForegroundWindow(cad::RestoreCadWindow(desktop, *app));
    const auto doc = app->GetActiveDocument();
    // The whole write-back is one undo step of the CAD, however it ends.
    const cad::UndoMarkScope undoStep(doc);

    enterRun();
    // Any error, the CAD's or another, ends the walk with the fixed message and the tab at rest.
    try {
        writeLines(*doc);
    } catch (const std::exception&) {
        ctx_.platform.showMessage(u"エラーのため、更新を中止しました．");
    }
    leaveRun();
    if (!c_.ATTmode)
        fitListToLines();
    doc->RegenerateDisplay(0);
}

void TextTab::writeLines(cad::Document& doc) {
    LineWalk walk;
    walk.lines = c_.SynEdit1.lines();
    walk.total = static_cast<int>(walk.lines.size());
    walk.trimmed = TrimmedLineCount(c_.SynEdit1);
    TextList& list = c_.textList;
    const int n = static_cast<int>(list.size());
    if (n == 0)
        return;

    for (int i = 0; i < n; ++i) {
        c_.Label2.caption = progress(i + 1, walk.total);
        Tavor& entry = list[static_cast<std::size_t>(i)];
        if (entry.sHnd.empty()) {
            if (entry.parentType != kInsert)
                recreateText(doc, entry, list.back().txtAli, list, walk);
        } else {
            // An entity erased or refused meanwhile fails alone; its line still counts as used.
            const int lineBefore = walk.next;
            try {
                if (entry.parentType == kInsert)
                    writeAttribute(doc, entry, walk);
                else
                    writeText(doc, entry, walk);
            } catch (const cad::CadError&) {
                if (lineBefore < walk.trimmed)
                    walk.next = lineBefore + 1;
            }
        }
        ctx_.platform.processMessages();
        if (!ctx_.stop.runFlag())
            return;
    }
    if (c_.ATTmode)
        return;

    std::shared_ptr<cad::Text> templ;
    if (!FindTemplateText(doc, list, templ) || walk.total <= walk.next)
        return;
    const double dX = stepValue(c_.Edit1), dY = stepValue(c_.Edit2);
    if (std::abs(dX) < 0.001 && std::abs(dY) < 0.001) {
        ctx_.platform.showMessage(u"dX, dY が 0 のため、追加を中止しました．");
        return;
    }
    cad::Point at = list[static_cast<std::size_t>(n - 1)].insPt;
    for (int m = walk.next; m < walk.trimmed; ++m) {
        c_.Label2.caption = progress(m + 1, walk.total);
        at.x += dX;
        at.y += dY;
        const std::u16string& line = walk.lines[static_cast<std::size_t>(m)];
        if (isBlank(line)) {
            Tavor& blank = list.emplace_back();
            blank.insPt = at;
        } else {
            const auto copy = usableTemplate(templ).CopyEntity()->AsText();
            placeText(*copy, at);
            copy->SetTextString(line);
            Tavor added;
            added.text = copy->GetTextString();
            added.sHnd = copy->GetHandle();
            added.txtAli = copy->GetAlignment();
            added.lay = copy->GetLayer();
            added.insPt = referencePoint(*copy, added.txtAli);
            list.push_back(std::move(added));
            templ = copy;
        }
        ctx_.platform.processMessages();
        if (!ctx_.stop.runFlag())
            return;
    }
}

// The list follows the lines again up to the last non-blank one. Entries that extending adds
// get the point where the update places a new text for their line, so that text typed there
// later lands where the caret tracking shows it.
void TextTab::fitListToLines() {
    TextList& list = c_.textList;
    const auto wanted = static_cast<std::size_t>(TrimmedLineCount(c_.SynEdit1));
    if (wanted <= list.size()) {
        list.resize(wanted);
        return;
    }
    const double dX = stepValue(c_.Edit1), dY = stepValue(c_.Edit2);
    cad::Point at = list.empty() ? cad::Point{} : list.back().insPt;
    while (list.size() < wanted) {
        if (!list.empty()) {
            at.x += dX;
            at.y += dY;
        }
        list.emplace_back().insPt = at;
    }
}

}  // namespace tavor
