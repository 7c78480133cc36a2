// "ATTR": pick block references; the values of one TAG become the editor's lines.
#include "base/TextUtil.h"
#include "cadlink/Connection.h"
#include "cadlink/PositionOrder.h"
#include "cadlink/WorkSetPick.h"
#include "texttab/TextTab.h"

namespace tavor {

void TextTab::acquireAttribute() {
    startAcquisition(true);

    // Also after an error: the program's window must not stay minimised.
    cad::ReturnFromPickingOnExit giveBack(cad_.desktop());
    std::shared_ptr<cad::Application> app;
    if (!cad::ConnectToCad(cad_, app))
        return;
    if (!pickAttributes(*app))
        return;
    showSteps(false);
    c_.SpeedButton2.enabled = !c_.textList.empty();
    c_.SpeedButton6.enabled = false;
}

// True when the pick held at least one block reference; textList and the editor are replaced
// then. The list is built aside, so that an error while reading leaves the old list in step
// with the editor.
bool TextTab::pickAttributes(cad::Application& app) {
    cad::PrepareCadForPicking(cad_.desktop(), app);
    const auto doc = app.GetActiveDocument();
    const TagChoice choice = parseTagChoice(c_.ComboBox1.text);
    const cad::SelectionFilter filter = {{cad::kFilterEntityType, u"INSERT"},
                                         {cad::kFilterBlockName, choice.blockPattern}};

    bool done = false;
    cad::pickIntoWorkSet(*doc, filter, [&](cad::SelectionSet& set) {
        const std::int32_t n = set.GetEntityCount();
        c_.Label2.caption = u"INSERT=" + toU16(n);
        if (n == 0)
            return;
        TextList picked;
        for (std::int32_t i = 0; i < n; ++i) {
            c_.Label2.caption = choice.tag + u" : " + toU16(i + 1) + u" / " + toU16(n);
            const auto block = set.GetEntityByIndex(i)->AsBlockReference();
            if (!block->GetHasAttributes())
                continue;
            for (const auto& attribute : block->GetAttributes()) {
                if (attribute->TagString() != choice.tag)
                    continue;
                Tavor& t = picked.emplace_back();
                t.text = attribute->GetAttributeText();
                t.sHnd = attribute->GetHandle();
                t.index = static_cast<std::int32_t>(picked.size() - 1);
                t.txtAli = attribute->Alignment();
                t.lay = block->GetLayer();
                t.insPt = block->GetBlockInsertionPoint();
                t.parentType = u"INSERT";
                t.parentHnd = block->GetHandle();
                t.parentId = block->GetObjectID();
            }
        }
        if (c_.CheckBox1.checked)
            cad::SortByPosition(picked, 3, referencePoint);
        c_.textList = std::move(picked);
        showLines();
        c_.Label2.caption =
            choice.tag + u" = " + toU16(c_.SynEdit1.lineCount()) + u" / " + toU16(n);
        done = true;
    });
    return done;
}

}  // namespace tavor
