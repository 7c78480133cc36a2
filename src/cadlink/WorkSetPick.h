#pragma once

#include <functional>

#include "cadlink/Desktop.h"
#include "cadlink/Document.h"

namespace tavor::cad {

// Lets the person pick into the cleared working set (a failed or cancelled pick keeps what the
// set holds) and hands the set to `read`. The set is cleared and deleted afterwards, also when
// `read` raises. False when the drawing gave no working set.
bool pickIntoWorkSet(cad::Document& doc, const cad::SelectionFilter& filter,
                     const std::function<void(cad::SelectionSet&)>& read);

// The same with every entity of the drawing that meets the filter (selection mode 5, locked
// layers included) instead of a pick; an error of the selection leaves what the set holds.
bool selectAllIntoWorkSet(cad::Document& doc, const cad::SelectionFilter& filter,
                          const std::function<void(cad::SelectionSet&)>& read);

// Takes the screen back from the CAD when the picking command ends, however it ends.
class ReturnFromPickingOnExit {
public:
    explicit ReturnFromPickingOnExit(cad::Desktop& desktop) : desktop_(desktop) {}
    ~ReturnFromPickingOnExit();
    ReturnFromPickingOnExit(const ReturnFromPickingOnExit&) = delete;
    ReturnFromPickingOnExit& operator=(const ReturnFromPickingOnExit&) = delete;

private:
    cad::Desktop& desktop_;
};

}  // namespace tavor::cad
