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

// The failures the tests arranged: for the next calls of dispatch names, oldest first, and for
// the call with a given number, counting every call made on the model's objects.
class Failures {
public:
    void add(InjectedFailure failure);
    // The first failure that applies to a call of `name` (without regard to case), counted
    // down and dropped when spent; nullopt when none applies.
    std::optional<InjectedFailure> take(std::u16string_view name);

    // Counts a call of the member `name`; the failure armed for it when it is the armed call.
    std::optional<InjectedFailure> countCall(std::u16string_view name);
    // Counts the calls from 0 again; call `number` (from 1) from now fails, none when it is 0.
    // The failure's name and count are not used.
    void failCall(int number, InjectedFailure failure);
    int calls() const { return calls_; }
    // The member whose call the armed failure failed; empty until it has.
    const std::u16string& failedMember() const { return failedMember_; }

    void clear();

private:
    std::vector<InjectedFailure> pending_;
    int calls_ = 0;
    int failingCall_ = 0;
    InjectedFailure callFailure_;
    std::u16string failedMember_;
};

bool sameAsciiName(std::u16string_view a, std::u16string_view b);

}  // namespace tavor::test::fakecad
