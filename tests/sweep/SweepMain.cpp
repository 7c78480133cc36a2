// The fault sweep: every swept command of the form, failing each of its CAD calls in turn.
#include <gtest/gtest.h>

#include <cstdio>

#include "FaultSweep.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    const tavor::test::SweepTotals& t = tavor::test::sweepTotals();
    std::printf(
        "fault sweep: %d commands swept, %d faults injected, %d invariants checked, %d broken\n",
        t.commands, t.faultsInjected, t.invariantsChecked, t.invariantsBroken);
    return result;
}
