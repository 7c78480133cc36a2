#pragma once

namespace tavor {

class LineEditor;
class Platform;

// What the editor commands need of the main form that owns them.
class EditorCommandHost {
public:
    virtual ~EditorCommandHost() = default;
    virtual LineEditor& editor() = 0;
    virtual Platform& platform() = 0;
    // The form's one-level snapshot of the whole editor text: true takes it, false restores it.
    virtual void UndoMark(bool take) = 0;
    virtual void armStop() = 0;     // runFlag := true, SpeedButton5 enabled
    virtual void disarmStop() = 0;  // runFlag := false, SpeedButton5 disabled
    virtual bool runFlag() const = 0;
    // The page the main window shows: 0 is the text tab's editor, any other the grid.
    virtual int activePageIndex() const = 0;
};

}  // namespace tavor
