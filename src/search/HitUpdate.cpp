// Writing hits back: one row with Enter, every changed row with "更新".
#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "cadlink/UndoMarkScope.h"
#include "search/SearchTab.h"

namespace tavor {

namespace {

std::u16string updateMessage(int tried, int written, int locked) {
    std::u16string message =
        tried == 0 ? std::u16string(u"更新対象の TEXT はありません．")
                   : toU16(written) + u" / " + toU16(tried) + u" 個の TEXT を更新しました．";
    if (locked > 0)
        message += u"\nロック画層の TEXT " + toU16(locked) + u" 個は更新されません．";
    return message;
}

}  // namespace

// The current row's text into its TEXT. A locked hit, or a write that fails (the TEXT erased or
// moved to a locked layer meanwhile), puts the hit's last known text back into the cell.
void SearchTab::updateCurrentRow() {
    GridState& grid = c_.StringGrid2;
    const int row = grid.row();
    Tavor2& hit = *hitOfRow(row);
    std::shared_ptr<cad::Application> app;
    if (!cad::ConnectToCad(cad_, app))
        return;
    try {
        const auto doc = app->GetActiveDocument();
        if (hit.locked) {
            grid.setCell(kHitCol, row, hit.text);
            return;
        }
        const cad::UndoMarkScope undoStep(doc);
        const auto text = doc->GetObjectByHandle(hit.sHnd)->AsText();
        text->SetTextString(grid.cell(kHitCol, row));
        text->UpdateEntity();
        hit.insPt = text->GetInsertionPoint();
        hit.text = text->GetTextString();
    } catch (const cad::CadError&) {
        grid.setCell(kHitCol, row, hit.text);
    }
}

void SearchTab::updateAll() {
    int tried = 0, written = 0, locked = 0;
    std::shared_ptr<cad::Application> app;
    if (!c_.hitList.empty() && cad::ConnectToCad(cad_, app)) {
        cad::RestoreCadWindow(cad_.desktop(), *app);
        const auto doc = app->GetActiveDocument();
        // The whole write-back is one undo step of the CAD, however it ends.
        const cad::UndoMarkScope undoStep(doc);
        doc->BeginBulkUpdate();
        GridState& grid = c_.StringGrid2;
        for (int row = 0; row < grid.rowCount(); ++row) {
            // An emptied cell that was never drawn again is not an edit: it is never written.
            refillEmptied(row);
            if (!rowChanged(row))
                continue;
            Tavor2& hit = *hitOfRow(row);
            if (hit.locked) {
                ++locked;
                continue;
            }
            ++tried;
            try {
                const std::u16string& cell = grid.cell(kHitCol, row);
                const auto text = doc->GetObjectByHandle(hit.sHnd)->AsText();
                text->SetTextString(cell);
                text->UpdateEntity();
                hit.insPt = text->GetInsertionPoint();
                hit.text = cell;
                ++written;
            } catch (const cad::CadError&) {
                // The row stays changed; the others are still written.
            }
        }
        c_.SpeedButton15.enabled = false;
    }
    ctx_.platform.messageBox(updateMessage(tried, written, locked), u"TavordeskEdit",
                             MessageKind::Information, MessageButtons::Ok);
}

}  // namespace tavor
