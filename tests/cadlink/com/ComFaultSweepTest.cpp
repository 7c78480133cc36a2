// The text tab's commands on the COM link, with every call that reaches the fake CAD's drawing
// failing in turn as a real CAD's call fails: rejected, refused with a message, or cut off.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "cadlink/com/ComCadLink.h"
#include "comserver/FakeCadServer.h"
#include "shell/TavorApplication.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/MemoryLineEditor.h"

namespace tavor::test {
namespace {

using V = std::vector<std::u16string>;

// What the update and the alignment show when an error ends their walk.
constexpr char16_t kUpdateStopped[] = u"エラーのため、更新を中止しました．";
constexpr char16_t kAlignmentStopped[] = u"エラーのため、更新処理を中止しました．";

struct Fault {
    const char* name;
    HRESULT code;
    std::u16string message;  // what the CAD says; RPC codes carry none
    // What an error report of the fault shows: the CAD's message, or else the code, as Wine
    // has no words for the RPC codes.
    std::u16string shown;
};

const Fault kFaults[] = {
    {"call rejected", RPC_E_CALL_REJECTED, u"", u"(0x80010001)"},
    {"refused with a message", E_FAIL, u"図面が読み取り専用です (the drawing is read-only)",
     u"図面が読み取り専用です (the drawing is read-only)"},
    {"disconnected", RPC_E_DISCONNECTED, u"", u"(0x80010108)"},
};

// The headless program on the COM link, fresh for each run but for its window, which Wine
// takes about two seconds to destroy after a pick.
struct Program {
    explicit Program(HWND window) {
        link.setProgramWindow(reinterpret_cast<cad::WindowId>(window));
        app.create();
    }

    TempDir dir;
    FakePlatform platform;
    MemoryLineEditor editor;
    cad::com::ComCadLink link;
    TavorApplication app{platform, editor, link, dir / "tavordesk.exe"};
    TTavorMainForm& form = app.form;
};

struct Case {
    std::string name;
    // The drawing and the program as the command finds them; their calls are not failed.
    std::function<void(FakeCadServer&, Program&)> setUp;
    std::function<void(Program&)> command;
    // The fixed messages by which the command tells of a failed call, besides those of its
    // clean run and the error report.
    V faultMessages = {};
};

// Every entity of model space by handle, an attribute as one of its own, as a line that changes
// whenever anything a command can write changes.
using EntityStates = std::map<cad::Handle, std::string>;

EntityStates entityStates(FakeCadServer& server) {
    EntityStates states;
    for (const FakeEntity& e : server.entities()) {
        std::ostringstream line;
        line << toUtf8(e.objectName + u'|' + e.layer + u'|' + e.string) << '|' << e.at.x << ','
             << e.at.y << ',' << e.at.z << '|' << e.alignment;
        states[e.handle] = line.str();
        for (const FakeAttribute& a : e.attributes)
            states[a.handle] = toUtf8(u"attribute " + a.tag + u'=' + a.value);
    }
    return states;
}

// What one run of the command left behind.
struct Trial {
    EntityStates before, after;
    int calls = 0;
    std::u16string failedMember;
    bool escaped = false;
    int liveObjects = 0;
    V selectionSets;
    bool atRest = false;
    std::string listWrong;
    std::vector<FakePlatform::Message> messages;
};

// Empty when every entry of the text list names an entity that lives.
std::string listWrong(const TTavorMainForm& form, const EntityStates& entities) {
    for (const Tavor& t : form.textList)
        if (!t.sHnd.empty() && !entities.contains(t.sHnd))
            return "the list names " + toUtf8(t.sHnd) + ", which is gone";
    return {};
}

// Runs the case on a reset server and a fresh program; call k (from 1) of the command fails,
// or none when k is 0.
Trial runOnce(FakeCadServer& server, HWND window, const Case& c, int k, const Fault& fault) {
    server.reset();
    Program program(window);
    c.setUp(server, program);
    Trial run;
    run.before = entityStates(server);
    program.platform.messages.clear();
    server.failCall(k, fault.code, fault.message);
    try {
        c.command(program);
    } catch (...) {
        run.escaped = true;
    }
    run.calls = server.calls();
    run.failedMember = server.failedMember();
    run.after = entityStates(server);
    run.liveObjects = server.liveObjects();
    run.selectionSets = server.selectionSetNames();
    const TTavorMainForm& form = program.form;
    run.atRest = !form.gate.busy() && !form.runFlag() && !form.SpeedButton5.enabled &&
                 !form.SpeedButton12.enabled && form.SpeedButton14.caption.get() != u"中止";
    run.listWrong = listWrong(form, run.after);
    run.messages = program.platform.messages;
    return run;
}

// Each entity ends as it was or as the clean run left it, but for at most one target of the
// command that the failed call left half written.
std::string entitiesWrong(const Trial& clean, const Trial& faulted) {
    int halfWritten = 0;
    for (const auto& [handle, state] : faulted.before) {
        const auto now = faulted.after.find(handle);
        const auto cleanNow = clean.after.find(handle);
        const bool erased = now == faulted.after.end();
        const bool asBefore = !erased && now->second == state;
        const bool asClean = erased
                                 ? cleanNow == clean.after.end()
                                 : cleanNow != clean.after.end() && cleanNow->second == now->second;
        const bool target = cleanNow == clean.after.end() || cleanNow->second != state;
        if (asBefore || asClean || (target && !erased && ++halfWritten == 1))
            continue;
        return "entity " + toUtf8(handle) + " is neither as it was nor as the clean run left it" +
               (target ? " (and another is half written)" : "") + ": " +
               (erased ? std::string("erased") : now->second);
    }
    // Handles are handed out in order, so a new entity has the handle of one the clean run made.
    for (const auto& [handle, state] : faulted.after)
        if (!faulted.before.contains(handle) && !clean.after.contains(handle))
            return "new entity " + toUtf8(handle) + " is none that the clean run made: " + state;
    return {};
}

// Every message but the error report is one the clean run shows too, or one the command has
// for a failure.
bool onlyKnownMessages(const Case& c, const Trial& clean, const Trial& run) {
    return std::all_of(run.messages.begin(), run.messages.end(), [&](const auto& m) {
        const auto same = [&m](const FakePlatform::Message& other) { return other.text == m.text; };
        return m.kind == MessageKind::Error ||
               std::any_of(clean.messages.begin(), clean.messages.end(), same) ||
               std::find(c.faultMessages.begin(), c.faultMessages.end(), m.text) !=
                   c.faultMessages.end();
    });
}

// An error report, when there is one, is the fault's, shown once.
bool reportIsTheFault(const Trial& run, const Fault& fault) {
    int errors = 0;
    for (const auto& m : run.messages)
        if (m.kind == MessageKind::Error &&
            (++errors > 1 || m.text.find(fault.shown) == std::u16string::npos))
            return false;
    return true;
}

struct Totals {
    int commands = 0, faultsInjected = 0, invariantsChecked = 0;
};
Totals totals;

// Prints what the sweeps added up once all tests have run.
class PrintTotals : public testing::Environment {
public:
    void TearDown() override {
        if (totals.commands > 0)
            std::printf(
                "COM fault sweep: %d commands swept, %d faults injected, %d invariants "
                "checked\n",
                totals.commands, totals.faultsInjected, totals.invariantsChecked);
    }
};
const testing::Environment* const printTotals = testing::AddGlobalTestEnvironment(new PrintTotals);

class ComFaultSweep : public FakeCadServerTest {
protected:
    static void SetUpTestSuite() {
        window_ = CreateWindowExW(0, L"STATIC", L"Tavordesk", WS_OVERLAPPEDWINDOW, 0, 0, 330, 320,
                                  nullptr, nullptr, nullptr, nullptr);
    }
    static void TearDownTestSuite() { DestroyWindow(window_); }

    void sweep(const Case& c) {
        const Trial clean = runOnce(server(), window_, c, 0, kFaults[0]);
        ASSERT_FALSE(clean.escaped) << c.name << ": the clean run let an error out";
        ASSERT_EQ(clean.liveObjects, 0) << c.name << ": the clean run leaves objects alive";
        ASSERT_EQ(clean.selectionSets, V{}) << c.name << ": the clean run leaves a selection set";
        ASSERT_EQ(clean.listWrong, "") << c.name;
        ASSERT_TRUE(std::none_of(clean.messages.begin(), clean.messages.end(),
                                 [](const auto& m) { return m.kind == MessageKind::Error; }))
            << c.name << ": the clean run reports an error";
        ASSERT_GT(clean.calls, 0) << c.name << ": the command makes no call to fail";
        ++totals.commands;
        std::printf("swept %s: %d COM calls, each failed in %zu ways\n", c.name.c_str(),
                    clean.calls, std::size(kFaults));
        for (int k = 1; k <= clean.calls; ++k)
            for (const Fault& fault : kFaults) {
                const Trial run = runOnce(server(), window_, c, k, fault);
                ++totals.faultsInjected;
                const auto check = [&](bool holds, const std::string& invariant) {
                    ++totals.invariantsChecked;
                    EXPECT_TRUE(holds)
                        << c.name << ": call " << k << " (" << toUtf8(run.failedMember)
                        << ") failing (" << fault.name << "): " << invariant;
                };
                check(run.failedMember != u"", "the fault was reached");
                check(!run.escaped, "no error escapes to the event loop");
                check(run.liveObjects == 0, "the program lets go of every COM object, " +
                                                std::to_string(run.liveObjects) + " are alive");
                // The set whose deletion failed stays; the next pick takes it over.
                check(run.selectionSets.empty() || run.failedMember == u"Delete",
                      "the selection sets are deleted");
                const std::string wrong = entitiesWrong(clean, run);
                check(wrong.empty(), wrong);
                check(run.atRest, "the stop flag and the stop buttons are at rest");
                check(run.listWrong.empty(), run.listWrong);
                check(reportIsTheFault(run, fault), "an error report shows the CAD's error, once");
                check(onlyKnownMessages(c, clean, run), "no message but the command's own");
            }
    }

    static HWND window_;
};
HWND ComFaultSweep::window_ = nullptr;

struct Texts {
    cad::Handle a, b, locked;
};

// Two texts in a column and one on a locked layer: few, as each call crosses to another process.
Texts addTexts(FakeCadServer& server) {
    server.addLayer(u"LOCKED", true);
    return {server.addText(u"A", {10, 50, 0}), server.addText(u"B", {10, 45, 0}, u"0", 1),
            server.addText(u"L", {10, 40, 0}, u"LOCKED")};
}

void pickTexts(FakeCadServer& server, Program& program) {
    const Texts t = addTexts(server);
    program.form.CheckBox1.checked = true;
    server.pickNext({t.b, t.locked, t.a});
}

void acquireTexts(FakeCadServer& server, Program& program) {
    pickTexts(server, program);
    program.form.SpeedButton1Click();
}

// Two block references with the attribute NAME (one with TYPE too), and the TAG NAME chosen.
void pickAttributes(FakeCadServer& server, Program& program) {
    server.addLayer(u"DEVICE");
    server.defineBlock(u"DEV", {{u"NAME", u"機器名"}, {u"TYPE", u"型式"}});
    const auto a = server.addBlockReference(u"DEV", {0, 100, 0}, u"DEVICE",
                                            {{u"NAME", u"P-1"}, {u"TYPE", u"x"}});
    const auto b = server.addBlockReference(u"DEV", {0, 80, 0}, u"DEVICE", {{u"NAME", u"P-2"}});
    program.form.ComboBox1.text = u"NAME:機器名";
    server.pickNext({a, b});
}

TEST_F(ComFaultSweep, Acquisition) {
    sweep({"acquire texts (SpeedButton1)", pickTexts,
           [](Program& p) { p.form.SpeedButton1Click(); }});
}

TEST_F(ComFaultSweep, Update) {
    sweep({"update (SpeedButton2)",
           [](FakeCadServer& server, Program& p) {
               acquireTexts(server, p);
               p.editor.setLines({u"A2", u" ", u"C"});
           },
           [](Program& p) { p.form.SpeedButton2Click(); },
           {kUpdateStopped}});
}

TEST_F(ComFaultSweep, Alignment) {
    sweep({"align (SpeedButton6)",
           [](FakeCadServer& server, Program& p) {
               acquireTexts(server, p);
               p.form.Edit1.text = u"0";
               p.form.Edit2.text = u"-5";
               p.editor.setLines({u"A", u"B2", u"C"});
           },
           [](Program& p) { p.form.SpeedButton6Click(); },
           {kAlignmentStopped}});
}

TEST_F(ComFaultSweep, AttributeAcquisition) {
    sweep({"acquire attribute values (SpeedButton8)", pickAttributes,
           [](Program& p) { p.form.SpeedButton8Click(); }});
}

TEST_F(ComFaultSweep, AttributeUpdate) {
    sweep({"update attribute values (SpeedButton2)",
           [](FakeCadServer& server, Program& p) {
               pickAttributes(server, p);
               p.form.SpeedButton8Click();
               p.editor.setLines({u"P-10", u"P-20"});
           },
           [](Program& p) { p.form.SpeedButton2Click(); },
           {kUpdateStopped}});
}

TEST_F(ComFaultSweep, CaretFollowing) {
    sweep({"caret follows a line (CaretYChanged)",
           [](FakeCadServer& server, Program& p) {
               acquireTexts(server, p);
               p.form.CheckBox9.checked = true;
           },
           [](Program& p) { p.form.CaretYChanged(2); }});
}

}  // namespace
}  // namespace tavor::test
