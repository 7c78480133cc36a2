// "整列": lay the texts out at X0 + i·dX, Y0 + i·dY, writing each line into its text.
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

constexpr double kLeastStep = 0.01;  // a step counts only when it is larger

void placeByCode(cad::Text& text, std::int32_t alignment, const cad::Point& at) {
    if (alignment == 0)
        text.SetInsertionPoint(at);
    else
        text.SetTextAlignmentPoint(at);
}

// The text of an entry, or nullptr when it was erased in the CAD after acquisition: such an
// entry is skipped, so that nothing of it lands on another text.
std::shared_ptr<cad::Text> lookUp(cad::Document& doc, const Tavor& entry) {
    try {
        return doc.GetObjectByHandle(entry.sHnd)->AsText();
    } catch (const cad::CadError&) {
        return nullptr;
    }
}

// The template is sought once per run, the first time one is needed. nullptr when the list has
// no text to copy; an entry whose text was erased meanwhile ends the run, as the update does.
struct AlignTemplate {
    std::shared_ptr<cad::Text> text;
    bool sought = false;
    bool found = false;

    cad::Text* get(cad::Document& doc, const TextList& list) {
        if (text)
            return text.get();
        if (!sought) {
            sought = true;
            found = FindTemplateText(doc, list, text);
        }
        return found ? &usableTemplate(text) : nullptr;
    }
};

// A copy of the template at `at` holding `line`; fills the entry from the copy.
void copyInto(cad::Text& templ, Tavor& entry, const std::u16string& line, bool keepTemplateZ,
              const cad::Point& at) {
    const auto copy = templ.CopyEntity()->AsText();
    entry.sHnd = copy->GetHandle();
    entry.txtAli = copy->GetAlignment();
    entry.lay = copy->GetLayer();
    const double z =
        keepTemplateZ
            ? (entry.txtAli != 0 ? copy->GetTextAlignmentPoint() : copy->GetInsertionPoint()).z
            : 0.0;
    entry.insPt = {at.x, at.y, z};
    copy->SetTextString(line);
    // Only a text that took the line holds it: an update then leaves it alone.
    entry.text = line;
    placeByCode(*copy, copy->GetAlignment(), entry.insPt);
    copy->UpdateEntity();
}

}  // namespace

void TextTab::align() {
    std::shared_ptr<cad::Application> app;
    if (!cad::ConnectToCad(cad_, app))
        return;
    cad::Desktop& desktop = cad_.desktop();
    cad::ActivateCadWindow(desktop, cad::RestoreCadWindow(desktop, *app));
    const auto doc = app->GetActiveDocument();
    // The whole write-back is one undo step of the CAD, however it ends.
    const cad::UndoMarkScope undoStep(doc);

    enterRun();
    // Any error, the CAD's or another, ends the run with the fixed message and the tab at rest.
    try {
        alignTexts(*doc);
    } catch (const std::exception&) {
        ctx_.platform.showMessage(u"エラーのため、更新処理を中止しました．");
    }
    leaveRun();
}

void TextTab::alignTexts(cad::Document& doc) {
    TextList& list = c_.textList;
    const std::size_t n = list.size();
    if (n < 2)
        return;
    const std::vector<std::u16string> lines = c_.SynEdit1.lines();
    const int total = static_cast<int>(lines.size());
    const auto trimmed = static_cast<std::size_t>(TrimmedLineCount(c_.SynEdit1));
    const double dX = stepValue(c_.Edit1), dY = stepValue(c_.Edit2);

    if (std::abs(dX) > kLeastStep || std::abs(dY) > kLeastStep) {
        const double x0 = list[0].insPt.x, y0 = list[0].insPt.y;
        const auto placeOf = [&](std::size_t i) {
            const auto k = static_cast<double>(i);
            return cad::Point{x0 + k * dX, y0 + k * dY, 0};
        };
        AlignTemplate templ;
        for (std::size_t i = 0; i < n; ++i) {
            c_.Label2.caption = toU16(static_cast<long long>(i + 1)) + u" / " + toU16(total);
            Tavor& entry = list[i];
            if (!entry.sHnd.empty()) {
                if (i >= trimmed)
                    continue;  // the removal below deletes its text
                entry.insPt.x = placeOf(i).x;
                entry.insPt.y = placeOf(i).y;
                const auto text = lookUp(doc, entry);
                if (!text)
                    continue;
                placeByCode(*text, entry.txtAli, entry.insPt);
                if (isBlank(lines[i])) {
                    text->DeleteObject();
                    entry.sHnd.clear();
                } else {
                    if (text->GetTextString() != lines[i])
                        text->SetTextString(lines[i]);
                    templ.text = text;
                    text->UpdateEntity();
                }
                continue;
            }
            cad::Text* source = templ.get(doc, list);
            if (source && i < trimmed && !isBlank(lines[i]))
                copyInto(*source, entry, lines[i], true, placeOf(i));
        }
        if (trimmed > n) {
            cad::Text* source = templ.get(doc, list);
            for (std::size_t i = n; source && i < trimmed; ++i) {
                Tavor& entry = list.emplace_back();
                entry.insPt = placeOf(i);
                if (!isBlank(lines[i]))
                    copyInto(*source, entry, lines[i], false, placeOf(i));
            }
        }
    }

    // Texts whose lines are gone from the end of the editor.
    const std::size_t m = list.size();
    if (trimmed >= m)
        return;
    for (std::size_t i = trimmed; i < m; ++i) {
        Tavor& entry = list[i];
        if (entry.sHnd.empty())
            continue;
        const auto text = lookUp(doc, entry);
        entry.sHnd.clear();
        if (text)
            text->DeleteObject();
    }
    doc.RegenerateDisplay(0);
}

}  // namespace tavor
