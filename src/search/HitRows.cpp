// StringGrid2's rows: which hit each one shows, row selection, the drawing rules, the editor.
#include "base/TextUtil.h"
#include "cadlink/Connection.h"
#include "cadlink/ZoomToPoint.h"
#include "search/SearchTab.h"

namespace tavor {

// The row's link when it names a hit (1-based), else 0.
int SearchTab::hitLink(int row) const {
    const int k = c_.StringGrid2.link(kHitCol, row);
    return k >= 1 && static_cast<std::size_t>(k) <= c_.hitList.size() ? k : 0;
}

const Tavor2* SearchTab::hitOfRow(int row) const {
    const int k = hitLink(row);
    return k > 0 ? &c_.hitList[static_cast<std::size_t>(k - 1)] : nullptr;
}

Tavor2* SearchTab::hitOfRow(int row) {
    const int k = hitLink(row);
    return k > 0 ? &c_.hitList[static_cast<std::size_t>(k - 1)] : nullptr;
}

// The row's cell differs, case included, from its hit's text as last known in the drawing.
bool SearchTab::rowChanged(int row) const {
    const Tavor2* hit = hitOfRow(row);
    return hit && c_.StringGrid2.cell(kHitCol, row) != hit->text;
}

// A hit's text cannot be emptied: an emptied cell gets its hit's text back.
void SearchTab::refillEmptied(int row) {
    const Tavor2* hit = hitOfRow(row);
    if (hit && c_.StringGrid2.cell(kHitCol, row).empty() && !hit->text.empty())
        c_.StringGrid2.setCell(kHitCol, row, hit->text);
}

void SearchTab::selectRow() {
    const GridState& grid = c_.StringGrid2;
    const int row = grid.row();
    c_.Label6.caption = toU16(row + 1) + u" / " + toU16(grid.rowCount());
    const Tavor2* hit = hitOfRow(row);
    if (!hit || grid.cell(kHitCol, row).empty()) {
        ctx_.StatusBar1.panels[0] = u"";
        c_.Label6.caption = u"";
        return;
    }
    ctx_.StatusBar1.panels[0] = hit->sHnd;
    ctx_.StatusBar1.panels[1] = ctx_.platform.formatFixed(hit->insPt.x, 3) + u", " +
                                ctx_.platform.formatFixed(hit->insPt.y, 3);
    std::shared_ptr<cad::Application> app;
    if (cad::ConnectToCad(cad_, app))
        cad::ZoomToPoint(cad_.desktop(), *app, hit->insPt);
}

HitRowLook SearchTab::drawRow(int row) {
    const Tavor2* hit = hitOfRow(row);
    if (!hit)
        return {};
    refillEmptied(row);
    const HitRowLook look{hit->locked, rowChanged(row)};
    if (look.changed && !c_.SpeedButton15.enabled)
        c_.SpeedButton15.enabled = true;
    return look;
}

// Every opening of the cell editor is one undo record, whether or not the text then changes.
void SearchTab::editorOpened(int col, int row) {
    c_.sgUndoCnt2 = 1;
    c_.FUndoCells2.Add(&c_.StringGrid2, col, row);
}

}  // namespace tavor
