#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "attrgrid/GridTabRig.h"
#include "base/TextUtil.h"
#include "cadlink/CadError.h"

namespace tavor {
namespace {

using test::GridTabRig;

// Every CAD call the acquisition and the bulk update make, refused once at several points of
// both: nothing crashes, every link stays right, and each attribute ends with its old value or
// the text of the cell that shows it.
TEST(RefusedCallsTest, AnySingleRefusedCallLeavesEveryLinkAndValueRight) {
    const char16_t* operations[] = {u"CreateApplication",
                                    u"GetMainWindowHandle",
                                    u"GetActiveDocument",
                                    u"GetSelectionSets",
                                    u"GetSelectionSetCount",
                                    u"GetSelectionSetByIndex",
                                    u"AddSelectionSet",
                                    u"ClearSelectionSet",
                                    u"SelectOnScreen",
                                    u"GetEntityCount",
                                    u"GetEntityByIndex",
                                    u"GetHasAttributes",
                                    u"GetAttributes",
                                    u"TagString",
                                    u"GetLayer",
                                    u"GetBlockInsertionPoint",
                                    u"GetHandle",
                                    u"GetBlockName",
                                    u"GetObjectByHandle",
                                    u"GetAttributeText",
                                    u"GetAttributeInsertionPoint",
                                    u"Blocks",
                                    u"Count",
                                    u"Item",
                                    u"Name",
                                    u"EntityName",
                                    u"PromptString",
                                    u"DeleteSelectionSet",
                                    u"SetAttributeText",
                                    u"UpdateEntity"};
    for (const char16_t* operation : operations)
        for (const int skip : {0, 2, 9}) {
            SCOPED_TRACE(toUtf8(operation) + " after " + std::to_string(skip));
            GridTabRig rig;
            const auto before = rig.attributeValues();
            rig.refusals().refuseAfter(operation, skip);
            rig.acquireAll(0);
            rig.refusals().clear();
            EXPECT_EQ(rig.linkFaults(0), std::vector<std::string>{});

            std::map<cad::Handle, std::u16string> cellOf;
            for (int r = 1; r < rig.grid().rowCount(); ++r)
                for (int c = 1; c < rig.grid().colCount(); ++c)
                    if (const nAtt* a = rig.tab.attributeOf(rig.grid().link(c, r))) {
                        rig.grid().setCell(c, r, u"新" + toU16(r) + u"-" + toU16(c));
                        cellOf[a->sHnd] = rig.grid().cell(c, r);
                    }
            rig.refusals().refuseAfter(operation, skip);
            try {
                rig.tab.update();
            } catch (const cad::CadError&) {
                // Before the first cell (the CAD window, the document): the form reports it.
            }
            rig.refusals().clear();
            for (const auto& [handle, value] : rig.attributeValues()) {
                const auto cell = cellOf.find(handle);
                const bool kept = value == before.at(handle);
                const bool written = cell != cellOf.end() && cell->second == value;
                EXPECT_TRUE(kept || written) << toUtf8(handle);
            }
        }
}

}  // namespace
}  // namespace tavor
