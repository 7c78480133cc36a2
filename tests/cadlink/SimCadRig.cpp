#include "cadlink/SimCadRig.h"

#include "cadlink/Connection.h"
#include "cadlink/sim/SampleDrawing.h"

namespace tavor::test {

SimCadRig::SimCadRig(Content content) {
    if (content == Content::Sample)
        cad::sim::loadSampleDrawing(cad->drawing());
    cad->setPicker(&picker);
    cad->setWindows(kCadWindow, kDocumentWindow);
    cad->setViewPixelSize(800, 600);
    desktop.addWindow(kCadWindow, {.title = cad::kCadWindowTitle, .thread = kCadThread});
    desktop.addWindow(
        kDocumentWindow,
        {.title = u"Drawing1.dwg", .thread = kCadThread, .firstChild = kDocumentToolbar});
    desktop.addWindow(kDocumentToolbar, {.thread = kCadThread, .nextSibling = kViewWindow});
    desktop.addWindow(kViewWindow, {.thread = kCadThread, .rect = cad::WindowRect{0, 0, 800, 618}});
}

}  // namespace tavor::test
