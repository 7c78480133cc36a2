// "TEXT": pick TEXT entities into textList and the editor.
#include "cadlink/Connection.h"
#include "texttab/SortByCoordinates.h"
#include "texttab/TextTabCommands.h"
#include "texttab/WorkSetPick.h"
#include "ui/TextUtil.h"

namespace tavor {

namespace {

// Tab-separated names of the locked layers, with a tab at both ends.
std::u16string lockedLayerList(cad::Document& doc) {
    std::u16string list = u"\t";
    const auto layers = doc.GetLayers();
    const std::int32_t count = layers->Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const auto layer = layers->Item(i);
        if (layer->Lock())
            list += layer->Name() + u"\t";
    }
    return list;
}

}  // namespace

void TextTabCommands::SpeedButton1Click() {
    startAcquisition(false);

    ReturnFromPickingOnExit giveBack(c_.cad.desktop());
    std::shared_ptr<cad::Application> app;
    if (!cad::ConnectToCad(c_.cad, app))
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
int TextTabCommands::pickTexts(cad::Application& app) {
    cad::PrepareCadForPicking(c_.cad.desktop(), app);
    const auto doc = app.GetActiveDocument();
    const std::u16string locked = lockedLayerList(*doc);
    const cad::SelectionFilter filter = {{cad::kFilterEntityType, u"TEXT"}};

    int kept = -1;
    pickIntoWorkSet(*doc, filter, [&](cad::SelectionSet& set) {
        const std::int32_t n = set.GetEntityCount();
        if (n == 0)
            return;
        TextList picked;
        picked.reserve(static_cast<std::size_t>(n));
        for (std::int32_t i = 0; i < n; ++i) {
            const auto text = set.GetEntityByIndex(i)->AsText();
            if (locked.find(u"\t" + text->GetLayer() + u"\t") != std::u16string::npos)
                continue;
            c_.platform.processMessages();
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
            c_.platform.showMessage(u"ロック画層のTEXT " + toU16(n - kept) + u" 個を除外しました.");
        if (kept > 0 && c_.CheckBox1.checked)
            SortByCoordinates(picked, 3);
        c_.textList = std::move(picked);
        showLines();
    });
    return kept;
}

}  // namespace tavor
