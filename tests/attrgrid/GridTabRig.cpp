#include "attrgrid/GridTabRig.h"

#include "attrgrid/TagGroup.h"
#include "base/TextUtil.h"

namespace tavor::test {

std::vector<std::string> GridTabRig::linkFaults(int groupIndex) {
    std::vector<std::string> faults;
    const TagGroup group =
        parseTagGroup(controls.ComboBox2.items.get().at(static_cast<std::size_t>(groupIndex)));
    for (int r = 1; r < grid().rowCount(); ++r)
        for (int c = 1; c < grid().colCount(); ++c) {
            const int k = grid().link(c, r);
            if (k == 0)
                continue;
            const std::string at = "cell " + std::to_string(c) + "," + std::to_string(r) + ": ";
            const nAtt* a = tab.attributeOf(k);
            if (!a) {
                faults.push_back(at + "link to nothing");
                continue;
            }
            const cad::sim::EntityRecord* e = drawing().find(a->sHnd);
            if (!e) {
                faults.push_back(at + "attribute gone");
                continue;
            }
            if (e->tag != group.fields[static_cast<std::size_t>(c)])
                faults.push_back(at + "TAG " + toUtf8(e->tag.str()));
            // Column 0 holds the row's place in blkList, whatever order the rows are in now.
            const int listed = std::stoi(toUtf8(grid().cell(0, r)));
            const nBlk& b = controls.blkList.at(static_cast<std::size_t>(listed - 1));
            if (cad::sim::formatHandle(e->owner) != b.sHnd)
                faults.push_back(at + "another block reference");
            if (e->text.string != a->text)
                faults.push_back(at + "reference value " + toUtf8(a->text) + " but drawing " +
                                 toUtf8(e->text.string));
        }
    return faults;
}

}  // namespace tavor::test
