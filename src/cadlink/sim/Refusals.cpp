#include "cadlink/sim/Refusals.h"

#include "cadlink/CadError.h"

namespace tavor::cad::sim {

namespace {
constexpr std::int32_t kFailed = static_cast<std::int32_t>(0x80004005u);  // E_FAIL
constexpr std::int32_t kCallRejected =
    static_cast<std::int32_t>(0x80010001u);  // RPC_E_CALL_REJECTED

CadError faultOf(FaultKind kind, std::u16string_view operation) {
    switch (kind) {
        case FaultKind::ErasedEntity:
            return CadError(u"The object has been erased.");
        case FaultKind::LockedLayer:
            return CadError(u"The object is on a locked layer.");
        case FaultKind::CallRejected:
            return CadError(u"The call was rejected by the callee.", kCallRejected);
        case FaultKind::Refused:
            break;
    }
    return CadError(u"The CAD refused the call " + std::u16string(operation) + u".", kFailed);
}
}  // namespace

void Refusals::refuseNext(std::u16string operation, int times) {
    if (times > 0)
        rules_.push_back({std::move(operation), times});
}

void Refusals::refuseAfter(std::u16string operation, int skip, int times) {
    if (times > 0)
        rules_.push_back({std::move(operation), times, skip});
}

void Refusals::refuseAlways(std::u16string operation) {
    rules_.push_back({std::move(operation), -1});
}

void Refusals::clear() {
    rules_.clear();
}

void Refusals::failCall(int k, FaultKind kind) {
    failAt_ = k > 0 ? calls_ + k : 0;
    failKind_ = kind;
}

void Refusals::check(std::u16string_view operation) {
    if (++calls_ == failAt_) {
        failAt_ = 0;
        failedOperation_ = operation;
        throw faultOf(failKind_, operation);
    }
    for (auto it = rules_.begin(); it != rules_.end(); ++it) {
        if (!it->operation.empty() && it->operation != operation)
            continue;
        if (it->skip > 0) {
            --it->skip;
            continue;
        }
        if (it->remaining > 0 && --it->remaining == 0)
            rules_.erase(it);
        throw CadError(u"The CAD refused the call " + std::u16string(operation) + u".", kFailed);
    }
}

}  // namespace tavor::cad::sim
