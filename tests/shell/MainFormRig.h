#pragma once

#include "cadlink/SimCadRig.h"
#include "shell/TavorApplication.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/MemoryLineEditor.h"

namespace tavor::test {

// The simulated CAD's link, counting the message filter's registrations.
class CountingCadLink final : public cad::sim::SimCadLink {
public:
    using SimCadLink::SimCadLink;
    void RegisterMessageFilter() override { ++registered; }
    void RevokeMessageFilter() override { ++revoked; }
    int registered = 0, revoked = 0;
};

// A headless program in a folder of its own: the settings and TAG list files live beside the
// made-up executable, as they do beside the real one.
struct MainFormRig {
    explicit MainFormRig(bool create = true) {
        if (create)
            app.create();
    }
    std::filesystem::path iniPath() const { return dir / "tavordesk.ini"; }

    TempDir dir;
    FakePlatform platform;
    MemoryLineEditor editor;
    SimCadRig cad{SimCadRig::Content::Empty};
    CountingCadLink link{cad.cad, cad.desktop};
    TavorApplication app{platform, editor, link, dir / "tavordesk.exe"};
    TTavorMainForm& form = app.form;
};

}  // namespace tavor::test
