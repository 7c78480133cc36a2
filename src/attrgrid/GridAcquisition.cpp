// "取得": pick block references and lay the TAG group's attribute values out in StringGrid1.
#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "attrgrid/GridLayout.h"
#include "attrgrid/GridTab.h"
#include "base/TextUtil.h"
#include "cadlink/CadError.h"
#include "cadlink/Connection.h"
#include "cadlink/GetAttPrompt.h"

namespace tavor {

namespace {

constexpr int kColumnMargin = 10;
constexpr int kAfterPickMs = 500;

// Suspends the grid's painting while it is filled, and resumes it however the filling ends.
class RedrawOffWhileFilling {
public:
    explicit RedrawOffWhileFilling(Property<bool>& redraw) : redraw_(redraw) { redraw_ = false; }
    ~RedrawOffWhileFilling() { redraw_ = true; }
    RedrawOffWhileFilling(const RedrawOffWhileFilling&) = delete;
    RedrawOffWhileFilling& operator=(const RedrawOffWhileFilling&) = delete;

private:
    Property<bool>& redraw_;
};

// Clears and deletes the working set when the acquisition leaves, however it leaves.
class ReleaseSetOnExit {
public:
    explicit ReleaseSetOnExit(cad::SelectionSet& set) : set_(set) {}
    ~ReleaseSetOnExit() {
        try {
            set_.ClearSelectionSet();
        } catch (const cad::CadError&) {
            // A set that will not clear can still be deleted.
        }
        try {
            set_.DeleteSelectionSet();
        } catch (const cad::CadError&) {
            // Nothing is left to do with a set the CAD will not release.
        }
    }
    ReleaseSetOnExit(const ReleaseSetOnExit&) = delete;
    ReleaseSetOnExit& operator=(const ReleaseSetOnExit&) = delete;

private:
    cad::SelectionSet& set_;
};

std::u16string progress(const std::u16string& prefix, int done, int total) {
    return prefix + toU16(done) + u" / " + toU16(total);
}

}  // namespace

void GridTab::acquire() {
    if (enterAttributeMode_)
        enterAttributeMode_();
    const ArmedRun run(ctx_.stop, g_.SpeedButton12);
    for (auto& panel : ctx_.StatusBar1.panels)
        panel = u"";
    try {
        std::shared_ptr<cad::Application> app;
        if (cad::ConnectToCad(cad_, app))
            pickAndFill(*app);
    } catch (const cad::CadError&) {
        // The acquisition ends without a message; Label5 shows how far it got.
    }
    finishAcquisition();
}

void GridTab::stop() {
    ctx_.stop.clear();
    ctx_.platform.processMessages();
}

void GridTab::pickAndFill(cad::Application& app) {
    cad::Desktop& desktop = cad_.desktop();
    cad::PrepareCadForPicking(desktop, app);
    const auto doc = app.GetActiveDocument();
    const int groupIndex = g_.ComboBox2.itemIndex;
    if (groupIndex < 0 || groupIndex >= static_cast<int>(g_.ComboBox2.items.get().size()))
        return;
    const TagGroup group =
        parseTagGroup(g_.ComboBox2.items.get()[static_cast<std::size_t>(groupIndex)]);
    const cad::SelectionFilter filter = {{cad::kFilterEntityType, u"INSERT"},
                                         {cad::kFilterBlockName, group.blockPattern}};

    std::shared_ptr<cad::SelectionSet> set;
    cad::GetWorkSelectionSet(*doc, set);
    if (!set)
        return;
    const ReleaseSetOnExit release(*set);
    set->ClearSelectionSet();
    try {
        set->SelectOnScreen(filter);
        desktop.sleep(kAfterPickMs);
    } catch (const cad::CadError&) {
        // A cancelled pick: what the set holds decides.
    }
    const int picked = set->GetEntityCount();
    desktop.restoreProgramWindow();
    g_.Label5.caption = u"INSERT = " + toU16(picked);
    if (picked == 0)
        return;  // the grid keeps what it shows

    keepBlocksOfGroup(*set, picked, group);
    SortBlocksByPosition(g_.blkList);
    fillGrid(*doc, group, picked);
}

// The filtering pass: each picked block reference that carries a TAG of the group, once.
void GridTab::keepBlocksOfGroup(cad::SelectionSet& set, int picked, const TagGroup& group) {
    g_.ProgressBar1.maxValue = picked;
    g_.ProgressBar1.position = 0;
    g_.blkList.clear();
    g_.attList.clear();
    const std::unordered_set<std::u16string> tags(
        group.fields.begin() + (group.fields.empty() ? 0 : 1), group.fields.end());
    for (int i = 0; i < picked; ++i) {
        ctx_.platform.processMessages();
        if (!ctx_.stop.runFlag()) {
            g_.blkList.clear();
            break;
        }
        g_.ProgressBar1.position = g_.ProgressBar1.position + 1;
        g_.Label5.caption = progress(u"INSERT = ", i + 1, picked);
        try {
            const auto block = set.GetEntityByIndex(i)->AsBlockReference();
            if (!block->GetHasAttributes())
                continue;
            for (const auto& attribute : block->GetAttributes()) {
                if (!tags.contains(attribute->TagString()))
                    continue;
                nBlk b;
                b.lay = block->GetLayer();
                b.insPt = block->GetBlockInsertionPoint();
                b.sHnd = block->GetHandle();
                b.blkName = block->GetBlockName();
                g_.blkList.push_back(std::move(b));
                break;
            }
        } catch (const cad::CadError&) {
            // An entity that cannot be read is left out.
        }
    }
}

// The grid pass: one row per listed block reference, each attribute of a group TAG in its
// column. The old rows, their links and the journal that names their cells go first, so that
// however this pass ends no cell links to an attribute other than the one it shows.
void GridTab::fillGrid(cad::Document& doc, const TagGroup& group, int picked) {
    GridState& grid = g_.StringGrid1;
    const int blocks = static_cast<int>(g_.blkList.size());
    ClearGrid(grid);
    const RedrawOffWhileFilling redrawOff(g_.StringGrid1Redraw);
    g_.FUndoCells.Clear();
    g_.sgUndoCnt = 0;
    // Only a count that differs is set: a grid of the same size keeps its cells' storage.
    const int rows = blocks >= 1 ? blocks + 1 : 2;
    if (grid.rowCount() != rows)
        grid.setRowCount(rows);
    if (blocks >= 1) {
        g_.ProgressBar1.maxValue = blocks;
        g_.ProgressBar1.position = 0;
    }
    // A line without any field still leaves the column of row numbers.
    const int cols = std::max(group.columnCount(), 1);
    if (grid.colCount() != cols)
        grid.setColCount(cols);
    // The first column of each TAG: a TAG named twice fills only its first column.
    ColumnOfTag columnOfTag;
    for (int c = group.columnCount() - 1; c >= 1; --c)
        columnOfTag[group.fields[static_cast<std::size_t>(c)]] = c;
    g_.attList.reserve(static_cast<std::size_t>(blocks) *
                       static_cast<std::size_t>(std::max(group.columnCount() - 1, 0)));
    try {
        for (int i = 0; i < blocks; ++i) {
            ctx_.platform.processMessages();
            if (!ctx_.stop.runFlag())
                break;
            g_.ProgressBar1.position = g_.ProgressBar1.position + 1;
            g_.Label5.caption = progress(u"ATTR = ", i + 1, picked);
            fillRow(doc, columnOfTag, i + 1);
        }
    } catch (const cad::CadError&) {
        settleGrid();
        throw;
    }
    settleGrid();
}

void GridTab::fillRow(cad::Document& doc, const ColumnOfTag& columnOfTag, int row) {
    GridState& grid = g_.StringGrid1;
    const nBlk& listed = g_.blkList[static_cast<std::size_t>(row - 1)];
    grid.setCell(0, row, toU16(row));
    // Finding the block reference again or reading its attributes fails the whole acquisition.
    const auto block = doc.GetObjectByHandle(listed.sHnd)->AsBlockReference();
    if (!block->GetHasAttributes())
        return;
    const auto attributes = block->GetAttributes();
    try {
        for (const auto& attribute : attributes) {
            const std::u16string tag = attribute->TagString();
            const auto found = columnOfTag.find(tag);
            if (found == columnOfTag.end())
                continue;
            const int col = found->second;
            // The record is complete before the cell links to it.
            nAtt a;
            a.text = attribute->GetAttributeText();
            a.insPt = attribute->GetAttributeInsertionPoint();
            a.lay = attribute->GetLayer();
            a.sHnd = attribute->GetHandle();
            g_.attList.push_back(std::move(a));
            grid.setCell(col, row, g_.attList.back().text);
            grid.setLink(col, row, static_cast<int>(g_.attList.size()));
            if (grid.cell(col, 0).empty())
                grid.setCell(col, 0, cad::GetAttPrompt(doc, listed.blkName, tag));
        }
    } catch (const cad::CadError&) {
        // The rest of this row stays as it is; the next row goes on.
    }
}

// Whatever the grid pass left: columns fitted, the update allowed.
void GridTab::settleGrid() {
    FitColWidths(g_.StringGrid1, kColumnMargin, ctx_.platform);
    g_.SpeedButton11.enabled = true;
}

void GridTab::finishAcquisition() {
    GridState& grid = g_.StringGrid1;
    if (grid.rowCount() < 2) {
        grid.setRowCount(2);
        grid.setFixed(1, grid.fixedRows());
        for (int c = 0; c < grid.colCount(); ++c) {
            grid.setCell(c, 1, u"");
            grid.setLink(c, 1, 0);
        }
    }
    g_.ProgressBar1.position = 0;
    cad::ReturnFromPicking(cad_.desktop());
}

}  // namespace tavor
