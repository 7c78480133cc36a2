#pragma once

#include <optional>

#include "cadlink/CadLink.h"
#include "grid/GridKeys.h"
#include "search/SearchTabControls.h"
#include "ui/TabContext.h"

namespace tavor {

// How a row of StringGrid2 is to be drawn over the grid's own drawing.
struct HitRowLook {
    bool locked = false;   // silver background: the hit is on a locked layer
    bool changed = false;  // red text: the cell differs from the hit's text in the drawing
    bool operator==(const HitRowLook&) const = default;
};

// The search tab's commands: find every TEXT of the drawing by a wildcard pattern, list the hits
// in StringGrid2, write edited hits back. A CadError that a command does not handle itself is
// left for the form's default error report.
class SearchTab {
public:
    SearchTab(SearchTabControls& controls, TabContext context, cad::CadLink& cad)
        : c_(controls), ctx_(context), cad_(cad) {}

    // The search button: starts a search, or stops the running one (the button then reads
    // "中止"). The form lets a stop through while the search runs.
    void startOrStop();
    bool searching() const;

    // Whether a change of the prefix or upper-case box, made on the page with the given index,
    // searches again (or stops the running search).
    bool optionChangeSearches(int activePageIndex) const;
    // Edit3 upper-cases typed letters while CheckBox4 is checked.
    void applyUpperCase();

    void selectRow();             // the current row moved: status, Label6, CAD view
    HitRowLook drawRow(int row);  // the drawing rules; refills an emptied cell
    void editorOpened(int col, int row);
    void keyDown(KeyCode& key, ShiftState shift);
    void updateAll();  // SpeedButton15: write every changed row

private:
    static constexpr int kHitCol = 0;  // StringGrid2's one column
    struct Found;
    void stopSearch();
    std::optional<Found> readHits(cad::Application& app);
    void showHits(Found found);
    void clearHits();

    int hitLink(int row) const;
    Tavor2* hitOfRow(int row);
    const Tavor2* hitOfRow(int row) const;
    bool rowChanged(int row) const;
    void refillEmptied(int row);
    void updateCurrentRow();
    void moveAfterEnter();

    SearchTabControls& c_;
    TabContext ctx_;
    cad::CadLink& cad_;
};

}  // namespace tavor
