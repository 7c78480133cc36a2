#include "cadlink/WorkSetPick.h"

#include "cadlink/CadError.h"
#include "cadlink/Connection.h"

namespace tavor::cad {

namespace {

// Deletes the set even when clearing it fails, so that no working set outlives the pick.
void releaseSet(cad::SelectionSet& set) {
    try {
        set.ClearSelectionSet();
    } catch (const cad::CadError&) {
        set.DeleteSelectionSet();
        throw;
    }
    set.DeleteSelectionSet();
}

// Fills the cleared working set through `fill` (whose errors are ignored: the set's count
// decides), hands it to `read`, then clears and deletes it however `read` ends.
bool fillWorkSet(cad::Document& doc, const std::function<void(cad::SelectionSet&)>& fill,
                 const std::function<void(cad::SelectionSet&)>& read) {
    std::shared_ptr<cad::SelectionSet> set;
    cad::GetWorkSelectionSet(doc, set);
    if (!set)
        return false;
    try {
        set->ClearSelectionSet();
        try {
            fill(*set);
        } catch (const cad::CadError&) {
            // A cancelled or failed selection goes on with what the set holds.
        }
        read(*set);
    } catch (const cad::CadError&) {
        try {
            releaseSet(*set);
        } catch (const cad::CadError&) {
            // The first error is the one to report.
        }
        throw;
    }
    releaseSet(*set);
    return true;
}

}  // namespace

bool pickIntoWorkSet(cad::Document& doc, const cad::SelectionFilter& filter,
                     const std::function<void(cad::SelectionSet&)>& read) {
    return fillWorkSet(
        doc, [&](cad::SelectionSet& set) { set.SelectOnScreen(filter); }, read);
}

bool selectAllIntoWorkSet(cad::Document& doc, const cad::SelectionFilter& filter,
                          const std::function<void(cad::SelectionSet&)>& read) {
    return fillWorkSet(
        doc, [&](cad::SelectionSet& set) { set.SelectByMode(cad::kSelectAll, {}, {}, filter); },
        read);
}

ReturnFromPickingOnExit::~ReturnFromPickingOnExit() {
    cad::ReturnFromPicking(desktop_);
}

}  // namespace tavor::cad
