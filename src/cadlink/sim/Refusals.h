#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavor::cad::sim {

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
};

}  // namespace tavor::cad::sim
