#include "shell/TTavorMainForm.h"

#include <algorithm>

#include "cadlink/CadLink.h"

namespace tavor {

namespace {

const std::vector<std::u16string> kTextTagsBuiltIn = {
    u"JCMNT1:コメント１", u"JCMNT2:コメント２", u"NAME:機器名", u"NAME1:機器名１", u"SENBAN:線番",
};

const std::vector<std::u16string> kGridTagsBuiltIn = {
    u"I/Oコメント,PIN1,IOADRS,JCMNT1,JCMNT2",
    u"機器,NAME,NAME1,SPEC,TYPE",
    u"図枠KVB,CST,CST1,TITLE,TITLE1,DWGNO,REVNO,PAGEN,PAGEM,ENAM,EDATE,CNAM,CDATE,ANAM,ADATE",
    u"図枠TTL,BITEM7,BITEM5,ZITEM2,ZITEM3,ZITEM1,ZSHEET,FILE3,ZITEM10,ZITEM9,ZITEM8,BITEM2,ZITEM5,"
    u"BITEM3,ZITEM6,BITEM4,ZITEM7,ZSEIHIN,PAGE",
    u"線番,SENBAN",
};

}  // namespace

TTavorMainForm::TTavorMainForm(MainFormServices services)
    : TextTabControls(services.editor),
      gate(services.platform),
      services_(std::move(services)),
      textTagList_(services_.executable.parent_path() / kTextTagListFile),
      gridTagList_(services_.executable.parent_path() / kGridTagListFile),
      textTab_(*this, {services_.platform, gate.stop, StatusBar1}, services_.cad),
      searchTab_(*this, {services_.platform, gate.stop, StatusBar1}, services_.cad),
      gridTab_(*this, {services_.platform, gate.stop, StatusBar1}, services_.cad, [this] {
          Label1.caption = u"";
          Label2.caption = u"";
          ATTmode = true;
      }) {
    SpeedButton2.enabled = false;
    SpeedButton6.enabled = false;
    SpeedButton7.enabled = false;  // no command enables it
    SpeedButton5.enabled = false;
    SpeedButton4.enabled = false;
    SpeedButton12.enabled = false;
    SpeedButton11.enabled = false;
    SpeedButton15.enabled = false;
    setSortedItems(ComboBox1, kTextTagsBuiltIn);
    selectItem(ComboBox1, 0);
    setSortedItems(ComboBox2, kGridTagsBuiltIn);
    selectItem(ComboBox2, 0);
    StringGrid1.setEditing(true);
    StringGrid2.setEditing(true);
    StringGrid1.setDefaultRowHeight(20);
    StringGrid2.setDefaultRowHeight(20);
}

std::filesystem::path TTavorMainForm::settingsPath() const {
    std::filesystem::path p = services_.executable;
    return p.replace_extension(".ini");
}

void TTavorMainForm::FormCreate() {
    targetProgID = u"nanoCAD.Application.5.0";
    startCol = -1;
    startRow = -1;
    for (TEdit* c : {&Edit1, &Edit2})
        c->text = u"";
    for (TLabel* c : {&Label1, &Label2, &Label5, &Label6})
        c->caption = u"";
    StringGrid1.setColWidth(0, 30);
    FormResize();
    PageControl1.activePageIndex = 0;
    SynEdit1.clear();
    readSettings();
    searchTab_.applyUpperCase();
    loadTagListAtStart(textTagList_, ComboBox1, savedTagIndex1_);
    loadTagListAtStart(gridTagList_, ComboBox2, savedTagIndex2_);
    services_.cad.RegisterMessageFilter();
}

void TTavorMainForm::FormCloseQuery() {
    writeSettings();
    if (!textTagList_.save(ComboBox1.items))
        services_.platform.messageBox(textTagList_.path().u16string() + u"\r\nを保存できません．",
                                      u"TavordeskEdit", MessageKind::Warning, MessageButtons::Ok);
}

void TTavorMainForm::FormDestroy() {
    services_.cad.RevokeMessageFilter();
}

void TTavorMainForm::FormResize() {
    StringGrid2.setColWidth(0, StringGrid2Width);
}

void TTavorMainForm::PageControl1Change() {
    for (auto& panel : StatusBar1.panels)
        panel = u"";
}

void TTavorMainForm::setSortedItems(TComboBox& combo, std::vector<std::u16string> items) {
    Platform& p = services_.platform;
    std::stable_sort(items.begin(), items.end(),
                     [&p](const std::u16string& a, const std::u16string& b) {
                         return p.compareStrings(a, b) < 0;
                     });
    combo.itemIndex = -1;
    combo.items = std::move(items);
}

// Selects an item as the list controls do: a negative index selects nothing, an index at or
// beyond the count selects the first item.
void TTavorMainForm::selectItem(TComboBox& combo, int index) {
    const int count = static_cast<int>(combo.items.get().size());
    const int chosen = index < 0 ? -1 : index < count ? index : (count > 0 ? 0 : -1);
    combo.itemIndex = chosen;
    combo.text =
        chosen < 0 ? std::u16string() : combo.items.get()[static_cast<std::size_t>(chosen)];
}

void TTavorMainForm::attachDialogs(TavorDialogs& dialogs) {
    editorCommands_ = std::make_unique<EditorCommands>(
        *this, dialogs.TavorTikanForm, dialogs.TavorKasanForm, dialogs.TavorRenbanForm);
    gridMenuCommands_ = std::make_unique<GridMenuCommands>(
        services_.platform, GridEditTarget::of(StringGrid1, FUndoCells, sgUndoCnt),
        dialogs.TavorTikanForm, dialogs.TavorKasanForm, dialogs.TavorRenbanForm);
    attForm_ = &dialogs.TavorAttForm;
    for (ModalForm* dialog :
         std::initializer_list<ModalForm*>{&dialogs.TavorTikanForm, &dialogs.TavorKasanForm,
                                           &dialogs.TavorRenbanForm, &dialogs.TavorAttForm})
        dialog->handlerGate = [this](const std::function<void()>& handler) {
            gate.runAlways(handler);
        };
    wireMenus();
}

void TTavorMainForm::UndoMark(bool take) {
    if (take)
        SynEdit1.copyTextTo(undoText);
    else
        SynEdit1.setText(undoText);
    SpeedButton4.enabled = take;
    undoFlag = take;
}

}  // namespace tavor
