#pragma once

#include <objbase.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavor::test::fakecad {

// How an injected failure reaches the caller.
enum class FailureReport {
    // RPC_E_* codes straight from Invoke; any other code as DISP_E_EXCEPTION with EXCEPINFO.
    Invoke,
    // The code itself from Invoke, described through the thread's IErrorInfo.
    ErrorInfo,
};

struct InjectedFailure {
    std::u16string name;  // the dispatch name; empty for any
    HRESULT code = E_FAIL;
    std::u16string message;
    FailureReport report = FailureReport::Invoke;
    int remaining = 1;
};

// The failures the tests arranged for the next calls of dispatch names, oldest first.
class Failures {
public:
    void add(InjectedFailure failure);
    // The first failure that applies to a call of `name` (without regard to case), counted
    // down and dropped when spent; nullopt when none applies.
    std::optional<InjectedFailure> take(std::u16string_view name);
    void clear() { pending_.clear(); }

private:
    std::vector<InjectedFailure> pending_;
};

bool sameAsciiName(std::u16string_view a, std::u16string_view b);

}  // namespace tavor::test::fakecad
