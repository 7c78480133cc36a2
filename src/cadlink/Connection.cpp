#include "cadlink/Connection.h"

#include "base/TextUtil.h"
#include "cadlink/CadError.h"

namespace tavor::cad {

bool ConnectToCad(CadLink& link, std::shared_ptr<Application>& application) {
    if (link.desktop().findTopLevelWindow(kCadWindowTitle) == 0)
        return false;
    try {
        application = link.CreateApplication();
    } catch (const CadError&) {
        application.reset();
    }
    return application != nullptr;
}

void BringWindowToFront(Desktop& desktop, WindowId window) {
    const ThreadId windowThread = desktop.windowThread(window);
    const ThreadId foregroundThread = desktop.windowThread(desktop.foregroundWindow());
    desktop.setForegroundWindow(window);
    if (windowThread == foregroundThread) {
        desktop.bringWindowToTop(window);
        return;
    }
    desktop.attachThreadInput(windowThread, foregroundThread, true);
    desktop.bringWindowToTop(window);
    desktop.attachThreadInput(windowThread, foregroundThread, false);
}

WindowId RestoreCadWindow(Desktop& desktop, Application& application) {
    const WindowId cadWindow = application.GetMainWindowHandle();
    if (desktop.isMinimised(cadWindow)) {
        desktop.restoreWindow(cadWindow);
        desktop.sleep(500);
    }
    return cadWindow;
}

void ActivateCadWindow(Desktop& desktop, WindowId cadWindow) {
    desktop.setForegroundWindow(cadWindow);
    if (desktop.foregroundWindow() != cadWindow)
        return;
    desktop.sendEscapeKey(KeyAction::Down);
    desktop.sendEscapeKey(KeyAction::Up);
    desktop.sleep(5);
}

void PrepareCadForPicking(Desktop& desktop, Application& application) {
    const WindowId cadWindow = RestoreCadWindow(desktop, application);
    desktop.minimiseProgramWindow();
    ActivateCadWindow(desktop, cadWindow);
}

void ReturnFromPicking(Desktop& desktop) {
    desktop.restoreProgramWindow();
    BringWindowToFront(desktop, desktop.programWindow());
}

void GetWorkSelectionSet(Document& document, std::shared_ptr<SelectionSet>& set) {
    set.reset();
    try {
        const auto sets = document.GetSelectionSets();
        const std::int32_t count = sets->GetSelectionSetCount();
        for (std::int32_t i = 0; i < count; ++i) {
            if (asciiUpper(sets->GetSelectionSetByIndex(i)->GetSelectionSetName()) !=
                kWorkSelectionSetName)
                continue;
            auto found = sets->GetSelectionSetByIndex(i);
            found->ClearSelectionSet();
            set = std::move(found);
            return;
        }
        set = sets->AddSelectionSet(kWorkSelectionSetName);
    } catch (const CadError&) {
        set.reset();
    }
}

}  // namespace tavor::cad
