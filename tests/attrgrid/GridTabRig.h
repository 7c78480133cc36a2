#pragma once

#include <map>
#include <string>
#include <vector>

#include "attrgrid/GridTab.h"
#include "attrgrid/GridTabControls.h"
#include "cadlink/SimCadRig.h"
#include "support/FakePlatform.h"
#include "ui/StopSwitch.h"

namespace tavor::test {

// The grid tab's commands on the sample drawing, with a scripted picker and a fake platform,
// and what a test reads back from the grid and the drawing.
struct GridTabRig {
    explicit GridTabRig(SimCadRig::Content content = SimCadRig::Content::Sample) : cad(content) {
        controls.ComboBox2.items = {u"I/Oコメント,PIN1,IOADRS,JCMNT1,JCMNT2",
                                    u"機器,NAME,NAME1,SPEC,TYPE",
                                    u"図枠KVB,CST,CST1,TITLE,TITLE1,DWGNO,REVNO,PAGEN,PAGEM,ENAM,"
                                    u"EDATE,CNAM,CDATE,ANAM,ADATE",
                                    u"図枠TTL,BITEM7,BITEM5,ZITEM2,ZITEM3,ZITEM1,ZSHEET,FILE3,"
                                    u"ZITEM10,ZITEM9,ZITEM8,BITEM2,ZITEM5,BITEM3,ZITEM6,BITEM4,"
                                    u"ZITEM7,ZSEIHIN,PAGE",
                                    u"線番,SENBAN"};
        controls.ComboBox2.itemIndex = 0;
        controls.CheckBox2.checked = true;
        controls.CheckBox7.checked = true;
    }

    cad::sim::Drawing& drawing() { return cad.cad->drawing(); }
    cad::sim::Refusals& refusals() { return cad.cad->refusals(); }
    GridState& grid() { return controls.StringGrid1; }

    // Picks every block reference that the group's pattern lets through, or the given ones.
    void acquireAll(int group) {
        controls.ComboBox2.itemIndex = group;
        cad.picker.pickAllNext();
        tab.acquire();
    }
    void acquire(int group, std::vector<cad::Handle> picked) {
        controls.ComboBox2.itemIndex = group;
        cad.picker.pickNext(std::move(picked));
        tab.acquire();
    }
    // The block references of a block in drawing order.
    std::vector<cad::Handle> insertsOf(const std::u16string& blockName) {
        std::vector<cad::Handle> out;
        for (const auto id : drawing().modelSpace())
            if (drawing().live(id).kind == cad::sim::EntityKind::Insert &&
                drawing().live(id).blockName == blockName)
                out.push_back(cad::sim::formatHandle(id));
        return out;
    }

    // Rows of cell texts, fixed row and column included, "|" between cells.
    std::vector<std::u16string> rows() {
        std::vector<std::u16string> out;
        for (int r = 0; r < grid().rowCount(); ++r) {
            std::u16string line;
            for (int c = 0; c < grid().colCount(); ++c)
                line += (c ? u"|" : u"") + grid().cell(c, r);
            out.push_back(line);
        }
        return out;
    }

    // Every attribute value of the drawing by handle, to compare before and after.
    std::map<cad::Handle, std::u16string> attributeValues() {
        std::map<cad::Handle, std::u16string> out;
        for (const auto id : drawing().modelSpace())
            for (const auto a : drawing().live(id).attributes)
                out[cad::sim::formatHandle(a)] = drawing().live(a).text.string;
        return out;
    }

    // What can go wrong between a cell and the drawing, for a grid filled from the group line
    // `group` of ComboBox2: a link to no attribute, to one of another TAG or another block
    // reference, or a reference value that is not the drawing's. Empty when every linked cell
    // points at the attribute whose value it shows.
    std::vector<std::string> linkFaults(int group);

    FakePlatform platform;
    SimCadRig cad;
    StopSwitch stop;
    TStatusBar StatusBar1{u"StatusBar1", {150, 100}};
    GridTabControls controls;
    int attributeModeCalls = 0;
    GridTab tab{controls, {platform, stop, StatusBar1}, cad.link, [this] { ++attributeModeCalls; }};
};

}  // namespace tavor::test
