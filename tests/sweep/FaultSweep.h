#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "EntityStates.h"
#include "shell/MainFormRig.h"

namespace tavor::test {

// One command of the form swept under faults: a fresh program is set up, then the command runs
// once cleanly to count its CAD calls n, then n times more for every kind of fault, failing
// call 1, 2, ..., n in turn. After each run the invariants are checked against the clean run.
struct SweepCase {
    std::string name;
    // The drawing and the program as the command finds them (CAD calls here are not swept).
    std::function<void(MainFormRig&)> setUp;
    // One entry point of the form: a button, a key, a caret move.
    std::function<void(MainFormRig&)> command;
    // Empty when the tab's lists and grid links point at the entities whose text they show;
    // otherwise what is wrong.
    std::function<std::string(MainFormRig&)> linksWrong;
    // The fixed messages by which the command tells of a failed call, besides those of its
    // clean run and the default error report.
    std::vector<std::u16string> faultMessages = {};
    // Empty when what the command told after a failed call is exactly what happened to the
    // drawing (the entities as they were before the command are given); may be left out. It
    // checks the command's messages in place of faultMessages.
    std::function<std::string(MainFormRig&, const EntityStates& before)> toldWrong = {};
};

// What every sweep added up, printed when the sweep program ends.
struct SweepTotals {
    int commands = 0;
    int faultsInjected = 0;
    int invariantsChecked = 0;
    int invariantsBroken = 0;
};
SweepTotals& sweepTotals();

// Sweeps the case and reports every broken invariant as a test failure naming the call, the
// kind of fault and the invariant.
void sweep(const SweepCase& c);

// The CAD calls that the case's command makes in a clean run: a command that makes none has no
// call to fail.
int cadCallsOf(const SweepCase& c);

}  // namespace tavor::test
