#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavor::cad::sim {

// The errors a CAD raises for a call it does not carry out.
enum class FaultKind { Refused, ErasedEntity, LockedLayer, CallRejected };

// Makes the simulated CAD refuse calls, as a real one does for an entity on a locked layer or
// one erased meanwhile, so that every failure path can be reached. Operations are named by
// their role names ("SetTextString", "GetObjectByHandle", ...).
class Refusals {
public:
    // The next `times` calls of the operation fail; an empty name means any operation.
    void refuseNext(std::u16string operation, int times = 1);
    // The next `skip` calls of the operation go through, then `times` calls fail: a failure at
    // a chosen point of a long run.
    void refuseAfter(std::u16string operation, int skip, int times = 1);
    // Every call of the operation fails until clear().
    void refuseAlways(std::u16string operation);
    void clear();

    // Every call that entered the CAD since the last reset, refused ones included: a command run
    // once counts its calls n, so that a sweep can fail call 1, 2, ..., n in turn.
    int calls() const { return calls_; }
    void resetCalls() { calls_ = 0; }
    // The k-th call from now (k >= 1), whatever its operation, fails with an error of `kind`.
    void failCall(int k, FaultKind kind);
    // The operation of the call that failCall failed last; empty before any.
    const std::u16string& failedOperation() const { return failedOperation_; }

    // Writes to entities on locked layers fail, as in the real CAD (on by default).
    bool lockedLayersRefuseWrites = true;

    // Raises CadError when the call is to be refused; counts it down.
    void check(std::u16string_view operation);

private:
    struct Rule {
        std::u16string operation;
        int remaining;  // < 0: always
        int skip = 0;   // calls that go through first
    };
    std::vector<Rule> rules_;
    int calls_ = 0;
    int failAt_ = 0;  // the value of calls_ at which the chosen call fails; 0: none
    FaultKind failKind_ = FaultKind::Refused;
    std::u16string failedOperation_;
};

}  // namespace tavor::cad::sim
