#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "attrgrid/GridTab.h"
#include "attrgrid/GridTabControls.h"
#include "attrgrid/TTavorAttForm.h"
#include "convert/EditorCommandHost.h"
#include "convert/EditorCommands.h"
#include "convert/GridMenuCommands.h"
#include "convert/PopupMenus.h"
#include "convert/TavorKasanForm.h"
#include "convert/TavorRenbanForm.h"
#include "convert/TavorTikanForm.h"
#include "search/SearchTab.h"
#include "search/SearchTabControls.h"
#include "shell/RunGate.h"
#include "shell/Setting.h"
#include "texttab/TagListFile.h"
#include "texttab/Tavor.h"
#include "texttab/TextTab.h"
#include "texttab/TextTabControls.h"
#include "ui/Controls.h"
#include "ui/GridState.h"
#include "ui/LineEditor.h"
#include "ui/Platform.h"

namespace tavor {

namespace cad {
class CadLink;
}

// The dialogs, created once after the main window and reused for the life of the process.
struct TavorDialogs {
    explicit TavorDialogs(EditorCommandHost& mainForm)
        : TavorRenbanForm(mainForm), TavorAttForm(mainForm.platform()) {}
    TTavorTikanForm TavorTikanForm;
    TTavorKasanForm TavorKasanForm;
    TTavorRenbanForm TavorRenbanForm;
    TTavorAttForm TavorAttForm;
};

// What the main form is built on: the platform, the line editor of the text tab, the CAD link,
// and the program's own file, which locates the settings and TAG list files.
struct MainFormServices {
    Platform& platform;
    LineEditor& editor;
    cad::CadLink& cad;
    std::filesystem::path executable;
};

// The main window as state and handlers, with no toolkit behind it. The Qt skin binds every
// control to a widget; tests drive the handlers directly.
class TTavorMainForm final : public EditorCommandHost,
                             public TextTabControls,
                             public GridTabControls,
                             public SearchTabControls {
public:
    explicit TTavorMainForm(MainFormServices services);
    TTavorMainForm(const TTavorMainForm&) = delete;
    TTavorMainForm& operator=(const TTavorMainForm&) = delete;

    void FormCreate();
    void FormCloseQuery();
    void FormDestroy();
    void FormResize();
    void PageControl1Change();
    void Timer1Timer();

    // The text tab (MainFormTextTab.cpp). While a long command lets messages run, only the stop
    // button acts: every other command is refused until the run ends, so that no list changes
    // under its loop.
    void SpeedButton1Click();  // TEXT acquisition
    void SpeedButton2Click();  // update
    void SpeedButton6Click();  // alignment
    void SpeedButton8Click();  // ATTR acquisition
    void CaretYChanged(int caretY);
    // Ctrl+Enter (10), Ctrl+C (3) and Ctrl+X (24) while Ctrl is down; true when swallowed.
    bool SynEdit1KeyPress(char16_t key, bool ctrlDown);
    bool Edit1KeyPress(char16_t key);  // Enter moves to dY
    bool Edit2KeyPress(char16_t key);  // Enter aligns
    // Asks the skin to give a control the keyboard focus.
    Signal<const Control*> focusRequested;

    void UndoMark(bool take) override;
    void SpeedButton3Click();  // select the whole editor text
    void SpeedButton4Click();  // undo: the editor's own history first, then the snapshot
    void SpeedButton5Click();  // the text tab's stop: the run ends at its next check
    void PopupMenu1Popup() { editorCommands().PopupMenu1Popup(PopupMenu1); }

    // The dialogs exist only after the main window; the editor commands need them.
    void attachDialogs(TavorDialogs& dialogs);
    EditorCommands& editorCommands() { return *editorCommands_; }

    // The search tab (MainFormSearchTab.cpp). The search button also stops the running search,
    // which the gate always lets through.
    void SpeedButton14Click();         // search, or stop the search
    void SpeedButton15Click();         // write every changed hit back
    bool Edit3KeyPress(char16_t key);  // Enter searches; true when swallowed
    void CheckBox3Click();             // prefix match: search again
    void CheckBox4Click();             // upper case: search again
    void StringGrid2Click();           // the current row moved
    HitRowLook StringGrid2DrawCell(int row);
    void StringGrid2GetEditText(int col, int row);
    void StringGrid2KeyDown(KeyCode& key, ShiftState shift);

    // The grid tab (MainFormGridTab.cpp). Its stop button acts while the acquisition runs.
    void SpeedButton10Click();  // acquisition
    void SpeedButton11Click();  // write every linked cell back
    void SpeedButton12Click();  // stop the acquisition
    void SpeedButton13Click();  // undo the last group again
    void StringGrid1Click();    // the current cell moved, or was clicked
    void StringGrid1FixedCellClick(int col, int row);
    void StringGrid1MouseDown(int col, int row, bool leftButton);
    void StringGrid1MouseMove(int col, int row);
    void StringGrid1MouseUp();
    void StringGrid1GetEditText(int col, int row);
    void StringGrid1KeyDown(KeyCode& key, ShiftState shift);
    CellChange StringGrid1DrawCell(int col, int row) const;
    void N40Click();           // sort by the current column as text (SpeedButton16)
    void N41Click();           // ... as numbers (SpeedButton17)
    void N43Click();           // back to the order of acquisition (SpeedButton18)
    void SpeedButton9Click();  // the TAG list dialog

    void AG1Click();  // edit the grid tab's TAG list in the text editor
    void AG2Click();  // reload the grid tab's TAG list
    void AG3Click();  // edit the text tab's TAG list in the text editor
    void AG4Click();  // reload the text tab's TAG list

    std::filesystem::path settingsPath() const;

    // Window
    Property<std::u16string> Caption{u"Tavordesk 2.2 [ nanoCAD 5 ]"};
    Property<int> Left{0}, Top{0};
    static constexpr int ClientWidth = 330, ClientHeight = 320;

    TPageControl PageControl1{u"PageControl1"};
    TTabSheet TabSheet1{u"TabSheet1", u"TEXT, 属性編集"};
    TTabSheet TabSheet2{u"TabSheet2", u" 属性編集"};
    TTabSheet TEST{u"TEST", u"TEXT 検索・編集"};
    TStatusBar StatusBar1{u"StatusBar1", {150, 100}};
    TTimer Timer1{u"Timer1", 200};

    // Fields shared by the tabs' commands
    std::u16string targetProgID;

    TPopupMenu1 PopupMenu1;
    TPopupMenu2 PopupMenu2;

    // The editor commands' view of the form.
    LineEditor& editor() override { return SynEdit1; }
    Platform& platform() override { return services_.platform; }
    void armStop() override { gate.stop.arm(SpeedButton5); }
    void disarmStop() override { gate.stop.disarm(); }
    bool runFlag() const override { return gate.stop.runFlag(); }
    int activePageIndex() const override { return PageControl1.activePageIndex; }

    cad::CadLink& cad() { return services_.cad; }

    // Every entry point goes through it; see RunGate.
    RunGate gate;

private:
    void bringProgramToFront();
    void wireMenus();
    void refreshTextTabStatus();
    std::vector<Setting> settings();
    void readSettings();
    void writeSettings();
    void loadTagListAtStart(TagListFile& file, TComboBox& combo, int savedIndex);
    void reloadTagList(TagListFile& file, TComboBox& combo);
    void editTagList(const TagListFile& file);
    void setSortedItems(TComboBox& combo, std::vector<std::u16string> items);
    void selectItem(TComboBox& combo, int index);

    MainFormServices services_;
    std::unique_ptr<EditorCommands> editorCommands_;
    std::unique_ptr<GridMenuCommands> gridMenuCommands_;
    TagListFile textTagList_, gridTagList_;
    int savedTagIndex1_ = 0, savedTagIndex2_ = 0;  // as read, before any list was loaded
    TextTab textTab_;
    SearchTab searchTab_;
    GridTab gridTab_;
    TTavorAttForm* attForm_ = nullptr;  // the TAG list dialog, once the dialogs exist
};

}  // namespace tavor
