#include "base/Property.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavor {
namespace {

TEST(Property, NotifiesOnlyOnChangeAndStopsWhenTheSubscriptionEnds) {
    Property<std::u16string> caption;
    std::vector<std::u16string> seen;
    {
        Subscription sub = caption.observe([&](const std::u16string& v) { seen.push_back(v); });
        caption = u"TEXT";
        caption = u"TEXT";
        caption = u"ATTR";
    }
    caption = u"gone";
    EXPECT_EQ(seen, (std::vector<std::u16string>{u"TEXT", u"ATTR"}));
    EXPECT_EQ(caption.get(), u"gone");
}

TEST(Property, AnObserverMayDetachAnotherWhileBeingTold) {
    Property<int> value;
    int secondCalls = 0;
    Subscription second;
    Subscription first = value.observe([&](const int&) { second.reset(); });
    second = value.observe([&](const int&) { ++secondCalls; });
    value = 1;  // the copy taken before telling still reaches the second observer once
    value = 2;
    EXPECT_EQ(secondCalls, 1);
}

TEST(Property, ASubscriptionMayOutliveItsProperty) {
    Subscription sub;
    {
        Property<bool> flag;
        sub = flag.observe([](const bool&) {});
    }
    sub.reset();  // must not touch the destroyed property
    SUCCEED();
}

}  // namespace
}  // namespace tavor
