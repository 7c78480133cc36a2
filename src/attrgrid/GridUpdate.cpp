// Writing cells back into their attributes: all linked cells ("更新"), or the current one on Enter.
#include <utility>

#include "attrgrid/GridTab.h"
#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "cadlink/UndoMarkScope.h"

namespace tavor {

const nAtt* GridTab::attributeOf(int link) const {
    if (link < 1 || link > static_cast<int>(g_.attList.size()))
        return nullptr;
    return &g_.attList[static_cast<std::size_t>(link - 1)];
}

nAtt* GridTab::attributeOf(int link) {
    return const_cast<nAtt*>(std::as_const(*this).attributeOf(link));
}

CellChange GridTab::cellChange(int col, int row) const {
    const GridState& grid = g_.StringGrid1;
    const int link = grid.link(col, row);
    if (link == 0)
        return CellChange::Unlinked;
    const nAtt* attribute = attributeOf(link);
    return attribute && attribute->text != grid.cell(col, row) ? CellChange::Changed
                                                               : CellChange::Unchanged;
}

void GridTab::update() {
    std::shared_ptr<cad::Application> app;
    if (!cad::ConnectToCad(cad_, app))
        return;
    cad::Desktop& desktop = cad_.desktop();
    cad::ActivateCadWindow(desktop, cad::RestoreCadWindow(desktop, *app));
    const auto doc = app->GetActiveDocument();
    // The whole write-back is one undo step of the CAD, however it ends.
    const cad::UndoMarkScope undoStep(doc);
    const GridState& grid = g_.StringGrid1;
    for (int r = 1; r < grid.rowCount(); ++r)
        for (int c = 1; c < grid.colCount(); ++c) {
            nAtt* attribute = attributeOf(grid.link(c, r));
            if (!attribute)
                continue;
            const std::u16string& text = grid.cell(c, r);
            try {
                const auto target = doc->GetObjectByHandle(attribute->sHnd)->AsAttributeReference();
                target->SetAttributeText(text);
                target->UpdateEntity();
                attribute->text = text;
            } catch (const cad::CadError&) {
                // The cell keeps its old reference value and so still shows as changed.
            }
        }
}

// Enter with "Enter = 更新": the current cell, when it is linked and changed, into its attribute;
// on failure the cell goes back to the value last known to be in the drawing.
void GridTab::updateCurrentCell() {
    GridState& grid = g_.StringGrid1;
    const int col = grid.col(), row = grid.row();
    if (cellChange(col, row) != CellChange::Changed)
        return;
    nAtt& attribute = *attributeOf(grid.link(col, row));
    std::shared_ptr<cad::Application> app;
    if (!cad::ConnectToCad(cad_, app))
        return;
    try {
        const auto doc = app->GetActiveDocument();
        const cad::UndoMarkScope undoStep(doc);
        const auto target = doc->GetObjectByHandle(attribute.sHnd)->AsAttributeReference();
        target->SetAttributeText(grid.cell(col, row));
        target->UpdateEntity();
        attribute.insPt = target->GetAttributeInsertionPoint();
        attribute.text = target->GetAttributeText();
    } catch (const cad::CadError&) {
        grid.setCell(col, row, attribute.text);
    }
}

}  // namespace tavor
