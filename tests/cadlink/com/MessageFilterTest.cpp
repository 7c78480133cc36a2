#include <objbase.h>

#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "cadlink/CadError.h"
#include "cadlink/com/TMessageFilter.h"

namespace tavor::cad::com {
namespace {

// A filter that lives on the stack and only counts its references.
class CountingFilter final : public IMessageFilter {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IMessageFilter)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IMessageFilter*>(this);
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
        return SERVERCALL_REJECTED;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override { return 0; }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override {
        return PENDINGMSG_CANCELCALL;
    }

    ULONG references = 1;
};

// The thread's current filter, which stays registered.
ComPtr<IMessageFilter> currentFilter() {
    IMessageFilter* current = nullptr;
    CoRegisterMessageFilter(nullptr, &current);
    CoRegisterMessageFilter(current, nullptr);
    return ComPtr<IMessageFilter>::adopt(current);
}

// The references `filter` has besides the one the caller holds.
ULONG otherReferences(IUnknown& filter) {
    filter.AddRef();
    return filter.Release() - 1;
}

TEST(MessageFilter, Answers) {
    const auto filter = TMessageFilter::Create();
    IMessageFilter& asCom = *filter.get();
    struct Rejection {
        DWORD rejectType, tickCount, expected;
    };
    for (const Rejection& c : {
             Rejection{SERVERCALL_RETRYLATER, 0, 1000},
             Rejection{SERVERCALL_RETRYLATER, 3'600'000, 1000},
             Rejection{SERVERCALL_RETRYLATER, 0xFFFFFFFF, 1000},
             Rejection{SERVERCALL_REJECTED, 0, static_cast<DWORD>(-1)},
             Rejection{SERVERCALL_REJECTED, 0xFFFFFFFF, static_cast<DWORD>(-1)},
             Rejection{SERVERCALL_ISHANDLED, 0, static_cast<DWORD>(-1)},
             Rejection{3, 10, static_cast<DWORD>(-1)},
         }) {
        EXPECT_EQ(asCom.RetryRejectedCall(nullptr, c.tickCount, c.rejectType), c.expected)
            << "reject type " << c.rejectType << ", tick count " << c.tickCount;
    }
    for (DWORD callType = CALLTYPE_TOPLEVEL; callType <= CALLTYPE_ASYNC_CALLPENDING; ++callType)
        EXPECT_EQ(asCom.HandleInComingCall(callType, nullptr, 0xFFFFFFFF, nullptr),
                  DWORD{SERVERCALL_ISHANDLED});
    for (DWORD pendingType : {PENDINGTYPE_TOPLEVEL, PENDINGTYPE_NESTED})
        EXPECT_EQ(asCom.MessagePending(nullptr, 0xFFFFFFFF, pendingType),
                  DWORD{PENDINGMSG_WAITNOPROCESS});
}

TEST(MessageFilter, OffersItsTwoInterfacesOnly) {
    const auto filter = TMessageFilter::Create();
    EXPECT_FALSE(filter->oldFilter());
    EXPECT_EQ(otherReferences(*filter.get()), 0u);
    for (const IID& iid : {IID_IUnknown, IID_IMessageFilter}) {
        void* object = nullptr;
        ASSERT_EQ(filter->QueryInterface(iid, &object), S_OK);
        EXPECT_EQ(object, static_cast<IMessageFilter*>(filter.get()));
        EXPECT_EQ(filter->Release(), 1u);
    }
    void* object = &object;
    EXPECT_EQ(filter->QueryInterface(IID_IDispatch, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
}

// Each test starts and ends in a single-threaded apartment without a filter.
class MessageFilterRegistration : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
        initialised_ = true;
        ASSERT_FALSE(currentFilter());
    }
    void TearDown() override {
        if (!initialised_)
            return;
        CoRegisterMessageFilter(nullptr, nullptr);
        CoUninitialize();
    }

private:
    bool initialised_ = false;
};

TEST_F(MessageFilterRegistration, KeepsAndRestoresThePreviousFilter) {
    CountingFilter previous;
    ASSERT_EQ(CoRegisterMessageFilter(&previous, nullptr), S_OK);
    ASSERT_EQ(previous.references, 2u);

    auto filter = TMessageFilter::Create();
    filter->RegisterFilter();
    EXPECT_EQ(currentFilter().get(), filter.get());
    EXPECT_EQ(filter->oldFilter().get(), &previous);
    // The system's reference moved into the kept filter.
    EXPECT_EQ(previous.references, 2u);
    EXPECT_EQ(otherReferences(*filter.get()), 1u);

    filter->RevokeFilter();
    EXPECT_EQ(currentFilter().get(), &previous);
    EXPECT_EQ(otherReferences(*filter.get()), 0u);
    EXPECT_EQ(previous.references, 3u);

    filter.reset();
    EXPECT_EQ(previous.references, 2u);
    CoRegisterMessageFilter(nullptr, nullptr);
    EXPECT_EQ(previous.references, 1u);
}

TEST_F(MessageFilterRegistration, RevokingWithoutPreviousFilterLeavesNone) {
    const auto filter = TMessageFilter::Create();
    filter->RegisterFilter();
    EXPECT_FALSE(filter->oldFilter());
    EXPECT_EQ(currentFilter().get(), filter.get());
    filter->RevokeFilter();
    EXPECT_FALSE(currentFilter());
    EXPECT_EQ(otherReferences(*filter.get()), 0u);
}

TEST(MessageFilter, RegisteringOutsideASingleThreadedApartmentRaises) {
    std::optional<std::int32_t> code;
    bool raised = false, keptNothing = false;
    std::thread([&] {
        if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)))
            return;
        const auto filter = TMessageFilter::Create();
        try {
            filter->RegisterFilter();
        } catch (const CadError& error) {
            raised = true;
            code = error.code();
        }
        keptNothing = !filter->oldFilter();
        CoUninitialize();
    }).join();
    EXPECT_TRUE(raised);
    ASSERT_TRUE(code.has_value());
    EXPECT_TRUE(FAILED(*code)) << std::hex << *code;
    EXPECT_TRUE(keptNothing);
}

}  // namespace
}  // namespace tavor::cad::com
