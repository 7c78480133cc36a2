#include "attrgrid/TTavorAttForm.h"

#include <algorithm>

#include "base/FieldSplit.h"

namespace tavor {

TTavorAttForm::TTavorAttForm(Platform& platform) : platform_(platform) {
    SpeedButton1.enabled = false;
}

ModalResult TTavorAttForm::editItemsOf(TComboBox& combo) {
    std::vector<std::u16string> items = combo.items;
    std::stable_sort(items.begin(), items.end(),
                     [this](const std::u16string& a, const std::u16string& b) {
                         return platform_.compareStrings(a, b) < 0;
                     });
    ListBox1.itemIndex = -1;
    ListBox1.items = std::move(items);
    Edit1.text = u"";
    Edit2.text = u"";
    modalResult = ModalResult::None;
    const ModalResult result = RunModalOnTop(platform_, FormId::Att);
    if (result == ModalResult::Ok) {
        combo.itemIndex = -1;
        combo.items = ListBox1.items.get();
    }
    return result;
}

bool TTavorAttForm::hasSelection() const {
    return ListBox1.itemIndex >= 0 &&
           ListBox1.itemIndex < static_cast<int>(ListBox1.items.get().size());
}

std::u16string TTavorAttForm::joinedEdits() const {
    return Edit1.text.get() + u":" + Edit2.text.get();
}

// The entry's parts at ":" (quoted parts read as such): the first two go to the fields.
void TTavorAttForm::ListBox1Click() {
    if (!hasSelection() && !ListBox1.items.get().empty())
        ListBox1.itemIndex = 0;
    if (!hasSelection()) {
        Edit1.text = u"";
        Edit2.text = u"";
        return;
    }
    const auto parts =
        splitFields(ListBox1.items.get()[static_cast<std::size_t>(ListBox1.itemIndex.get())], u':');
    Edit1.text = parts.empty() ? u"" : parts[0];
    Edit2.text = parts.size() < 2 ? u"" : parts[1];
}

void TTavorAttForm::Button1Click() {
    if (!hasSelection())
        return;
    std::vector<std::u16string> items = ListBox1.items;
    items[static_cast<std::size_t>(ListBox1.itemIndex.get())] = joinedEdits();
    ListBox1.items = std::move(items);
}

// The selection stays on the entry it was on.
void TTavorAttForm::Button2Click() {
    std::vector<std::u16string> items = ListBox1.items;
    const std::u16string entry = joinedEdits();
    const auto at = std::upper_bound(items.begin(), items.end(), entry,
                                     [this](const std::u16string& a, const std::u16string& b) {
                                         return platform_.compareStrings(a, b) < 0;
                                     });
    const int index = static_cast<int>(at - items.begin());
    items.insert(at, entry);
    const int selected = ListBox1.itemIndex;
    ListBox1.items = std::move(items);
    if (selected >= index)
        ListBox1.itemIndex = selected + 1;
}

void TTavorAttForm::Button3Click() {
    if (!hasSelection())
        return;
    std::vector<std::u16string> items = ListBox1.items;
    const int index = ListBox1.itemIndex;
    items.erase(items.begin() + index);
    const int count = static_cast<int>(items.size());
    ListBox1.items = std::move(items);
    ListBox1.itemIndex = index < count ? index : count - 1;
    ListBox1Click();
}

}  // namespace tavor
