#include "convert/WidthCodeUnitTable.h"

namespace tavor::width {

CodeUnitTable::CodeUnitTable() : pages_(1, Page{}) {
    pageOf_.fill(&pages_.front());
}

void CodeUnitTable::add(char16_t from, Replacement to) {
    Page*& page = pageOf_[from >> 8];
    if (page == &pages_.front())
        page = &pages_.emplace_back();
    auto& slot = (*page)[from & 0xFF];
    if (slot == 0)
        slot = to;
}

}  // namespace tavor::width
