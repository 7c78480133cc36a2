#include "convert/TestCommandHost.h"

namespace tavor::test {

void TestCommandHost::UndoMark(bool take) {
    if (take) {
        memoryEditor.copyTextTo(undoText);
        ++snapshotsTaken;
    } else {
        memoryEditor.setText(undoText);
    }
    undoFlag = take;
}

void TestCommandHost::armStop() {
    running = true;
    stopEnabled = true;
    ++armCount;
}

void TestCommandHost::disarmStop() {
    running = false;
    stopEnabled = false;
}

void TestCommandHost::clickStop() {
    running = false;
    stopEnabled = false;
}

}  // namespace tavor::test
