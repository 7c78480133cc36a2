#pragma once

#include <memory>

#include "cadlink/CadLink.h"

namespace tavor::cad {

// The CAD main window's title, compared exactly.
inline constexpr char16_t kCadWindowTitle[] = u"nanoCAD 5";
// The working selection set of every pick; its name is compared without regard to case.
inline constexpr char16_t kWorkSelectionSetName[] = u"SSTEMP";

// Fills `application` with the running CAD's application object. Without a CAD window the
// reference is left as it was; a failing creation empties it. True when it is set.
bool ConnectToCad(CadLink& link, std::shared_ptr<Application>& application);

// Makes `window` the foreground window and brings it to the top, attaching the thread input
// when another thread owns the foreground window.
void BringWindowToFront(Desktop& desktop, WindowId window);

// Restores the CAD main window when it is minimised (then waits 500 ms); returns it.
WindowId RestoreCadWindow(Desktop& desktop, Application& application);
// Makes the CAD window the foreground one and, when it became so, cancels a running CAD
// command with one Escape press (then waits 5 ms).
void ActivateCadWindow(Desktop& desktop, WindowId cadWindow);

// Hands the screen to the CAD for a pick: restore, minimise the program, activate and cancel.
void PrepareCadForPicking(Desktop& desktop, Application& application);
// Takes the screen back after a pick.
void ReturnFromPicking(Desktop& desktop);

// Fills `set` with the cleared working set, reusing one that exists; leaves it empty when
// anything failed. Never raises.
void GetWorkSelectionSet(Document& document, std::shared_ptr<SelectionSet>& set);

}  // namespace tavor::cad
