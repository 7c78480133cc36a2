#include "FaultSweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <iterator>
#include <vector>

#include "EntityStates.h"
#include "base/TextUtil.h"

namespace tavor::test {

namespace {

using cad::sim::FaultKind;

constexpr FaultKind kKinds[] = {FaultKind::Refused, FaultKind::ErasedEntity, FaultKind::LockedLayer,
                                FaultKind::CallRejected};

const char* nameOf(FaultKind kind) {
    switch (kind) {
        case FaultKind::Refused:
            return "refused";
        case FaultKind::ErasedEntity:
            return "erased entity";
        case FaultKind::LockedLayer:
            return "locked layer";
        case FaultKind::CallRejected:
            return "call rejected";
    }
    return "?";
}

bool holdsWorkingSet(const cad::sim::Drawing& drawing) {
    for (const auto& set : drawing.selectionSets())
        if (!set->deleted && set->name == u"SSTEMP")
            return true;
    return false;
}

// What one run of the command left behind.
struct Run {
    EntityStates before, after;
    int calls = 0;
    std::u16string failedOperation;
    bool escaped = false;
    bool workingSetLeft = false;
    bool programMinimised = false;
    bool programInFront = false;
    bool atRest = false;
    bool undoMarkOpen = false;
    std::string linksWrong;
    std::string toldWrong;
    std::vector<FakePlatform::Message> messages;
};

// Runs the case on a fresh program; call k (from 1) of the command fails, or none when k is 0.
Run runOnce(const SweepCase& c, int k, FaultKind kind) {
    auto rig = std::make_unique<MainFormRig>();
    c.setUp(*rig);
    cad::sim::SimCad& cad = *rig->cad.cad;
    Run run;
    run.before = entityStates(cad.drawing());
    rig->platform.messages.clear();
    cad.refusals().resetCalls();
    cad.refusals().failCall(k, kind);
    try {
        c.command(*rig);
    } catch (...) {
        run.escaped = true;
    }
    cad.refusals().failCall(0, kind);
    run.calls = cad.refusals().calls();
    run.failedOperation = cad.refusals().failedOperation();
    run.after = entityStates(cad.drawing());
    run.workingSetLeft = holdsWorkingSet(cad.drawing());
    run.programMinimised = rig->cad.desktop.window(FakeDesktop::kProgram).minimised;
    run.programInFront = rig->cad.desktop.foreground == FakeDesktop::kProgram;
    TTavorMainForm& form = rig->form;
    run.atRest = !rig->form.gate.busy() && !form.runFlag() && !form.SpeedButton5.enabled &&
                 !form.SpeedButton12.enabled && form.SpeedButton14.caption.get() != u"中止";
    run.undoMarkOpen = cad.drawing().undoMarkOpen();
    run.linksWrong = c.linksWrong ? c.linksWrong(*rig) : std::string();
    if (k > 0 && c.toldWrong)
        run.toldWrong = c.toldWrong(*rig, run.before);
    run.messages = rig->platform.messages;
    return run;
}

class Checker {
public:
    Checker(const SweepCase& c, int k, FaultKind kind, std::u16string operation)
        : c_(c), k_(k), kind_(kind), operation_(std::move(operation)) {}

    void operator()(bool holds, const std::string& invariant) {
        ++sweepTotals().invariantsChecked;
        if (holds)
            return;
        ++sweepTotals().invariantsBroken;
        ADD_FAILURE() << c_.name << ": call " << k_ << " (" << toUtf8(operation_) << ") failing ("
                      << nameOf(kind_) << "): " << invariant;
    }

private:
    const SweepCase& c_;
    int k_;
    FaultKind kind_;
    std::u16string operation_;
};

// Each entity ends as it was or as the clean run left it: a command that fails part way writes
// no entity other than its own targets, and leaves every entity it did not reach unchanged. The
// one target it was writing when the call failed may be half written (its place set, its text
// not): a failed call leaves its entity as it is.
std::string entitiesWrong(const Run& clean, const Run& faulted) {
    int halfWritten = 0;
    for (const auto& [id, state] : faulted.before) {
        const auto now = faulted.after.find(id);
        const auto cleanNow = clean.after.find(id);
        const bool asBefore = now != faulted.after.end() && now->second == state;
        const bool asClean = now == faulted.after.end()
                                 ? cleanNow == clean.after.end()
                                 : cleanNow != clean.after.end() && cleanNow->second == now->second;
        const bool target = cleanNow == clean.after.end() || cleanNow->second != state;
        if (asBefore || asClean || (target && now != faulted.after.end() && ++halfWritten == 1))
            continue;
        return "entity " + toUtf8(cad::sim::formatHandle(id)) + " is neither as it was nor " +
               "as the clean run left it" + (target ? " (and another is half written)" : "") +
               ": " + (now == faulted.after.end() ? std::string("erased") : now->second);
    }
    // Handles are handed out in order, so a new entity of the faulted run has the handle of one
    // the clean run made too. (It may be half made: a failed call leaves its entity as it is.)
    for (const auto& [id, state] : faulted.after)
        if (!faulted.before.contains(id) && !clean.after.contains(id))
            return "new entity " + toUtf8(cad::sim::formatHandle(id)) +
                   " is none that the clean run made: " + state;
    return {};
}

// Every other message is one the clean run shows too, or one the command has for a failure.
bool onlyKnownMessages(const SweepCase& c, const Run& clean, const Run& run) {
    for (const auto& m : run.messages) {
        if (m.kind == MessageKind::Error)
            continue;
        const auto same = [&m](const FakePlatform::Message& other) { return other.text == m.text; };
        if (std::none_of(clean.messages.begin(), clean.messages.end(), same) &&
            std::find(c.faultMessages.begin(), c.faultMessages.end(), m.text) ==
                c.faultMessages.end())
            return false;
    }
    return true;
}

// An error report, when there is one, is the injected fault's own message, shown once.
bool reportIsTheFault(const Run& run, const std::u16string& faultText) {
    int errors = 0;
    for (const auto& m : run.messages)
        if (m.kind == MessageKind::Error) {
            ++errors;
            if (m.text.find(faultText) == std::u16string::npos)
                return false;
        }
    return errors <= 1;
}

std::u16string faultText(FaultKind kind) {
    switch (kind) {
        case FaultKind::ErasedEntity:
            return u"The object has been erased.";
        case FaultKind::LockedLayer:
            return u"The object is on a locked layer.";
        case FaultKind::CallRejected:
            return u"The call was rejected by the callee.";
        case FaultKind::Refused:
            break;
    }
    return u"The CAD refused the call ";
}

}  // namespace

SweepTotals& sweepTotals() {
    static SweepTotals totals;
    return totals;
}

int cadCallsOf(const SweepCase& c) {
    return runOnce(c, 0, FaultKind::Refused).calls;
}

void sweep(const SweepCase& c) {
    const Run clean = runOnce(c, 0, FaultKind::Refused);
    ASSERT_FALSE(clean.escaped) << c.name << ": the clean run let an error out";
    ASSERT_EQ(clean.linksWrong, "") << c.name << ": the clean run leaves wrong links";
    ASSERT_GT(clean.calls, 0) << c.name << ": the command makes no CAD call to fail";
    ++sweepTotals().commands;
    std::printf("swept %s: %d CAD calls, each failed in %zu ways\n", c.name.c_str(), clean.calls,
                std::size(kKinds));
    for (int k = 1; k <= clean.calls; ++k)
        for (const FaultKind kind : kKinds) {
            const Run run = runOnce(c, k, kind);
            ++sweepTotals().faultsInjected;
            Checker check(c, k, kind, run.failedOperation);
            check(run.calls >= k, "the fault was reached");
            check(!run.escaped, "no error escapes to the event loop");
            const std::string wrong = entitiesWrong(clean, run);
            check(wrong.empty(), wrong);
            // A CAD that refuses to delete the set keeps it; the next pick takes it over.
            check(!run.workingSetLeft || clean.workingSetLeft ||
                      run.failedOperation == u"DeleteSelectionSet",
                  "the working selection set SSTEMP is gone");
            check(!run.programMinimised, "the program's window is restored");
            check(run.programInFront || !clean.programInFront, "the program is brought back");
            check(run.atRest, "the stop flag and the stop buttons are at rest");
            check(run.linksWrong.empty(), "the lists point right: " + run.linksWrong);
            // A CAD that refuses the closing mark keeps it open; nothing can close it then.
            check(!run.undoMarkOpen || run.failedOperation == u"EndUndoMark",
                  "the undo marks are closed");
            check(reportIsTheFault(run, faultText(kind)),
                  "an error report shows the CAD's error, once");
            if (c.toldWrong)
                check(run.toldWrong.empty(), "the command tells what it did: " + run.toldWrong);
            else
                check(onlyKnownMessages(c, clean, run), "no message but the command's own");
        }
}

}  // namespace tavor::test
