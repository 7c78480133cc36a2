#include <gtest/gtest.h>

#include <thread>

#include "cadlink/com/ComCadLink.h"
#include "cadlink/com/ComPtr.h"

namespace tavor::test {
namespace {

// The filter that is current on this thread, or null.
cad::com::ComPtr<IMessageFilter> currentFilter() {
    IMessageFilter* current = nullptr;
    CoRegisterMessageFilter(nullptr, &current);
    // Asking took it off: put it back.
    if (current) {
        IMessageFilter* none = nullptr;
        CoRegisterMessageFilter(current, &none);
    }
    return cad::com::ComPtr<IMessageFilter>::adopt(current);
}

TEST(ComCadLink, TheMessageFilterLivesFromRegistrationToRevocation) {
    cad::com::ComCadLink link;
    EXPECT_FALSE(currentFilter());
    link.RegisterMessageFilter();
    link.RegisterMessageFilter();  // a second registration keeps the one filter
    EXPECT_TRUE(currentFilter());
    link.RevokeMessageFilter();
    EXPECT_FALSE(currentFilter());
}

TEST(ComCadLink, AThreadInAnotherApartmentWorksWithoutAFilter) {
    bool registered = true;
    std::thread worker([&registered] {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        {
            cad::com::ComCadLink link;
            link.RegisterMessageFilter();
            IMessageFilter* current = nullptr;
            registered = SUCCEEDED(CoRegisterMessageFilter(nullptr, &current)) && current;
            link.RevokeMessageFilter();
        }
        CoUninitialize();
    });
    worker.join();
    EXPECT_FALSE(registered);
}

}  // namespace
}  // namespace tavor::test
