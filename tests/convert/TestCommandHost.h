#pragma once

#include <string>

#include "convert/EditorCommandHost.h"
#include "support/FakePlatform.h"
#include "ui/MemoryLineEditor.h"

namespace tavor::test {

// The main form as the editor commands see it, over the in-memory editor and the recording
// platform. The snapshot and the stop button behave as the form's own do.
class TestCommandHost : public EditorCommandHost {
public:
    LineEditor& editor() override { return memoryEditor; }
    Platform& platform() override { return fakePlatform; }
    void UndoMark(bool take) override;
    void armStop() override;
    void disarmStop() override;
    bool runFlag() const override { return running; }
    int activePageIndex() const override { return pageIndex; }

    // What SpeedButton5 "中止" does when clicked mid-run.
    void clickStop();

    MemoryLineEditor memoryEditor;
    FakePlatform fakePlatform;
    std::u16string undoText;
    bool undoFlag = false;
    int snapshotsTaken = 0;
    bool running = false;
    bool stopEnabled = false;
    int armCount = 0;
    int pageIndex = 0;
};

}  // namespace tavor::test
