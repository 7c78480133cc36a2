// "TEXT": pick TEXT entities into textList and the editor.
#include "base/TextUtil.h"
#include "cadlink/Connection.h"
#include "cadlink/LockedLayers.h"
#include "cadlink/PositionOrder.h"
#include "cadlink/WorkSetPick.h"
#include "texttab/TextTab.h"

namespace tavor {

void TextTab::acquireTexts() {
    startAcquisition(false);

    cad::ReturnFromPickingOnExit giveBack(cad_.desktop());
    std::shared_ptr<cad::Application> app;
    if (!cad::ConnectToCad(cad_, app))
        return;
    if (pickTexts(*app) <= 0)
        return;
    showSteps(true);
    c_.SpeedButton2.enabled = true;
    c_.SpeedButton6.enabled = c_.textList.size() >= 2;
}

// The number of texts kept, or -1 when nothing was picked. When something was, textList and the
// editor are replaced; the list is built aside, so that an error while reading leaves the list
// and the editor in step.
int TextTab::pickTexts(cad::Application& app) {
    cad::PrepareCadForPicking(cad_.desktop(), app);
    const auto doc = app.GetActiveDocument();
    const cad::LockedLayers locked(*doc);
    const cad::SelectionFilter filter = {{cad::kFilterEntityType, u"TEXT"}};

    int kept = -1;
    cad::pickIntoWorkSet(*doc, filter, [&](cad::SelectionSet& set) {
        const std::int32_t n = set.GetEntityCount();
        if (n == 0)
            return;
        TextList picked;
        picked.reserve(static_cast<std::size_t>(n));
        for (std::int32_t i = 0; i < n; ++i) {
            const auto text = set.GetEntityByIndex(i)->AsText();
            if (locked.contains(text->GetLayer()))
                continue;
            ctx_.platform.processMessages();
            Tavor& t = picked.emplace_back();
            t.text = text->GetTextString();
            t.sHnd = text->GetHandle();
            t.index = static_cast<std::int32_t>(picked.size() - 1);
            t.txtAli = text->GetAlignment();
            t.insPt = t.txtAli == 0 ? text->GetInsertionPoint() : text->GetTextAlignmentPoint();
            t.lay = text->GetLayer();
        }
        kept = static_cast<int>(picked.size());
        if (n > kept)
            ctx_.platform.showMessage(u"ロック画層のTEXT " + toU16(n - kept) +
                                      u" 個を除外しました.");
        if (kept > 0 && c_.CheckBox1.checked)
            cad::SortByPosition(picked, 3, referencePoint);
        c_.textList = std::move(picked);
        showLines();
    });
    return kept;
}

}  // namespace tavor
