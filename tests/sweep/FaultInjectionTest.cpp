// The simulated CAD's call counting and the fault at a chosen call, on which the sweep relies:
// a miscount would leave calls unswept without a word.
#include <gtest/gtest.h>

#include "cadlink/CadError.h"
#include "cadlink/SimCadRig.h"

namespace tavor::test {
namespace {

using cad::sim::FaultKind;

TEST(FaultInjection, EveryCallIsCountedAndOnlyTheChosenOneFailsWithItsKindsError) {
    struct Case {
        FaultKind kind;
        const char16_t* message;
        std::optional<std::int32_t> code;
    };
    for (const Case& c : {
             Case{FaultKind::Refused, u"The CAD refused the call GetActiveDocument.",
                  static_cast<std::int32_t>(0x80004005u)},
             Case{FaultKind::ErasedEntity, u"The object has been erased.", std::nullopt},
             Case{FaultKind::LockedLayer, u"The object is on a locked layer.", std::nullopt},
             Case{FaultKind::CallRejected, u"The call was rejected by the callee.",
                  static_cast<std::int32_t>(0x80010001u)},
         }) {
        SimCadRig rig(SimCadRig::Content::Empty);
        auto& refusals = rig.cad->refusals();
        const auto app = rig.cad->application();
        refusals.resetCalls();
        refusals.failCall(2, c.kind);
        EXPECT_NO_THROW(app->GetActiveDocument());
        try {
            app->GetActiveDocument();
            ADD_FAILURE() << "the second call went through";
        } catch (const cad::CadError& e) {
            EXPECT_EQ(e.message(), c.message);
            EXPECT_EQ(e.code(), c.code);
        }
        EXPECT_EQ(refusals.failedOperation(), u"GetActiveDocument");
        EXPECT_NO_THROW(app->GetActiveDocument()) << "only one call fails";
        EXPECT_EQ(refusals.calls(), 3);
    }
}

TEST(FaultInjection, AZeroTakesTheChosenFaultBack) {
    SimCadRig rig(SimCadRig::Content::Empty);
    auto& refusals = rig.cad->refusals();
    const auto app = rig.cad->application();
    refusals.failCall(5, FaultKind::Refused);
    refusals.failCall(0, FaultKind::Refused);
    for (int i = 0; i < 6; ++i)
        EXPECT_NO_THROW(app->GetActiveDocument());
    EXPECT_EQ(refusals.failedOperation(), u"");
}

}  // namespace
}  // namespace tavor::test
