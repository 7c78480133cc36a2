// The two TAG list files beside the executable: loaded at create, reloaded and opened in the
// text editor on demand; the text tab's list is saved at close (FormCloseQuery).
#include "shell/TTavorMainForm.h"

namespace tavor {

namespace {
std::u16string displayPath(const std::filesystem::path& p) {
    return p.u16string();
}
}  // namespace

void TTavorMainForm::loadTagListAtStart(TagListFile& file, TComboBox& combo, int savedIndex) {
    auto lines = file.load(TagListFile::Lines::All);
    if (!lines)
        return;  // the built-in items stay
    setSortedItems(combo, std::move(*lines));
    selectItem(combo, savedIndex);
}

void TTavorMainForm::reloadTagList(TagListFile& file, TComboBox& combo) {
    if (!file.exists()) {
        services_.platform.messageBox(displayPath(file.path()) + u"\r\nが、見つかりません．",
                                      u"TavordeskEdit", MessageKind::Plain, MessageButtons::Ok);
        return;
    }
    const int remembered = combo.itemIndex;
    auto lines = file.load(TagListFile::Lines::NonBlank);
    if (!lines) {
        // The items stay as they were, and the user learns why nothing changed.
        services_.platform.messageBox(displayPath(file.path()) + u"\r\nを読み込めません．",
                                      u"TavordeskEdit", MessageKind::Warning, MessageButtons::Ok);
        return;
    }
    setSortedItems(combo, std::move(*lines));
    // An emptied list leaves the box empty, in the core as on the screen.
    selectItem(combo, remembered);
}

void TTavorMainForm::editTagList(const TagListFile& file) {
    if (!file.exists()) {
        services_.platform.messageBox(displayPath(file.path()) + u"\r\nファイルが見つかりません．",
                                      u"TavordeskEdit", MessageKind::Information,
                                      MessageButtons::Ok);
        return;
    }
    services_.platform.openInTextEditor(file.path());
}

void TTavorMainForm::AG1Click() {
    editTagList(gridTagList_);
}
void TTavorMainForm::AG2Click() {
    reloadTagList(gridTagList_, ComboBox2);
}
void TTavorMainForm::AG3Click() {
    editTagList(textTagList_);
}
void TTavorMainForm::AG4Click() {
    reloadTagList(textTagList_, ComboBox1);
}

}  // namespace tavor
