#include "base/InternedString.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

namespace tavor {
namespace {

TEST(InternedString, EqualTextsShareOneNodeThatGoesWithItsLastHolder) {
    const std::size_t before = InternedString::heldCount();
    {
        const InternedString a = u"配線-WIRE";
        InternedString b = std::u16string(u"配線-") + u"WIRE";
        EXPECT_EQ(&a.str(), &b.str());
        EXPECT_EQ(a, b);
        EXPECT_EQ(a, u"配線-WIRE");
        EXPECT_FALSE(a == u"配線-wire");
        EXPECT_EQ(InternedString::heldCount(), before + 1);

        b = u"STYLE";
        EXPECT_EQ(InternedString::heldCount(), before + 2);
        InternedString moved = std::move(b);
        EXPECT_EQ(moved, u"STYLE");
        EXPECT_TRUE(b.empty());  // NOLINT: a moved-from holder is the empty string
    }
    EXPECT_EQ(InternedString::heldCount(), before);
}

TEST(InternedString, TheEmptyStringHoldsNothing) {
    const std::size_t before = InternedString::heldCount();
    const InternedString empty = u"";
    EXPECT_TRUE(empty.empty());
    EXPECT_EQ(empty, InternedString());
    EXPECT_EQ(empty.str(), u"");
    EXPECT_EQ(InternedString::heldCount(), before);
}

// Holders copied, reassigned and dropped on several threads at once: a node freed while held,
// or kept after its last holder, shows as a sanitizer report or a wrong count.
TEST(InternedString, HoldersOnSeveralThreadsNeitherLoseNorKeepANode) {
    const std::size_t before = InternedString::heldCount();
    {
        const InternedString shared = u"LAYER-0";
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                for (int k = 0; k < 20000; ++k) {
                    InternedString own = k % 2 ? u"LAYER-1" : u"LAYER-2";
                    InternedString copy = shared;
                    copy = own;
                    if (copy != (k % 2 ? u"LAYER-1" : u"LAYER-2") || shared != u"LAYER-0")
                        ADD_FAILURE() << "thread " << t << " read a wrong text";
                }
            });
        for (auto& th : threads)
            th.join();
    }
    EXPECT_EQ(InternedString::heldCount(), before);
}

}  // namespace
}  // namespace tavor
