#pragma once

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

#include "attrgrid/GridTabControls.h"
#include "attrgrid/TagGroup.h"
#include "cadlink/CadLink.h"
#include "grid/GridEditTarget.h"
#include "grid/GridKeys.h"
#include "ui/TabContext.h"

namespace tavor {

// How a cell of StringGrid1 is drawn: unlinked cells silver, changed ones with red text.
enum class CellChange { Unlinked, Unchanged, Changed };

// The attribute grid tab's commands. The form's handlers forward to them: SpeedButton10Click to
// acquire, SpeedButton12Click to stop, SpeedButton11Click to update, SpeedButton13Click to
// undoButton, StringGrid1GetEditText to editorOpening, StringGrid1Click to cellClick,
// StringGrid1FixedCellClick to fixedCellClick, StringGrid1KeyDown to keyDown, N40, N41 and N43
// (and SpeedButton16, 17 and 18) to the three sorts.
class GridTab {
public:
    // `enterAttributeMode` tells the form that the text tab is to take its lines as attribute
    // values from now on (ATTmode) with its progress labels cleared.
    GridTab(GridTabControls& controls, TabContext context, cad::CadLink& cad,
            std::function<void()> enterAttributeMode)
        : g_(controls),
          ctx_(context),
          cad_(cad),
          enterAttributeMode_(std::move(enterAttributeMode)) {}

    // Picks block references and lays the group's attribute values out in the grid. Ends
    // silently on any CAD error; every linked cell then still shows its attribute's value.
    void acquire();
    void stop();
    // Writes every linked cell into its attribute. A cell that fails keeps its old `text`, so
    // it still shows as changed.
    void update();
    void undoButton();

    // The cell editor opens on (col, row): the cell is journalled as a group of one.
    void editorOpening(int col, int row);
    void cellClick();
    void fixedCellClick(int col, int row);
    void mouseDown(int col, int row, bool leftButton);
    void mouseMove(int col, int row);
    void mouseUp();
    void keyDown(KeyCode& key, ShiftState shift);

    void sortByText();
    void sortByNumber();
    void sortByAcquisition();

    CellChange cellChange(int col, int row) const;
    // The attribute behind a link, or nullptr when the link names none.
    const nAtt* attributeOf(int link) const;
    nAtt* attributeOf(int link);

private:
    // Acquisition
    void pickAndFill(cad::Application& app);
    void keepBlocksOfGroup(cad::SelectionSet& set, int picked, const TagGroup& group);
    void fillGrid(cad::Document& doc, const TagGroup& group, int picked);
    using ColumnOfTag = std::unordered_map<std::u16string, int>;
    void fillRow(cad::Document& doc, const ColumnOfTag& columnOfTag, int row);
    void settleGrid();
    void finishAcquisition();

    // Writing back
    void updateCurrentCell();

    // Interaction
    void moveAfterEnter();
    void afterCurrentMayHaveMoved(int oldCol, int oldRow);
    GridEditTarget editTarget();

    GridTabControls& g_;
    TabContext ctx_;
    cad::CadLink& cad_;
    std::function<void()> enterAttributeMode_;
};

}  // namespace tavor
