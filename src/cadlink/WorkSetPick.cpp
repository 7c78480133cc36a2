#include "cadlink/WorkSetPick.h"

#include "cadlink/CadError.h"
#include "cadlink/Connection.h"

namespace tavor::cad {

namespace {

void releaseSet(cad::SelectionSet& set) {
    set.ClearSelectionSet();
    set.DeleteSelectionSet();
}

}  // namespace

bool pickIntoWorkSet(cad::Document& doc, const cad::SelectionFilter& filter,
                     const std::function<void(cad::SelectionSet&)>& read) {
    std::shared_ptr<cad::SelectionSet> set;
    cad::GetWorkSelectionSet(doc, set);
    if (!set)
        return false;
    try {
        set->ClearSelectionSet();
        try {
            set->SelectOnScreen(filter);
        } catch (const cad::CadError&) {
            // A cancelled or failed pick goes on with what the set holds.
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

ReturnFromPickingOnExit::~ReturnFromPickingOnExit() {
    cad::ReturnFromPicking(desktop_);
}

}  // namespace tavor::cad
