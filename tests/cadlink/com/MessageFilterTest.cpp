#include <objbase.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <optional>
#include <thread>

#include "cadlink/CadError.h"
#include "cadlink/com/Dispatch.h"
#include "cadlink/com/RecordingDispatch.h"
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

bool runningUnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

// The callee's filter of a CAD busy with a command: it asks the caller to retry its first
// `busyCalls` incoming calls later.
class BusyCalleeFilter final : public IMessageFilter {
public:
    explicit BusyCalleeFilter(int busyCalls) : busyCalls_(busyCalls) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
        if (!IsEqualIID(iid, IID_IUnknown) && !IsEqualIID(iid, IID_IMessageFilter)) {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        *object = static_cast<IMessageFilter*>(this);
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    DWORD STDMETHODCALLTYPE HandleInComingCall(DWORD, HTASK, DWORD, LPINTERFACEINFO) override {
        if (rejected_ == busyCalls_)
            return SERVERCALL_ISHANDLED;
        ++rejected_;
        return SERVERCALL_RETRYLATER;
    }
    DWORD STDMETHODCALLTYPE RetryRejectedCall(HTASK, DWORD, DWORD) override {
        return static_cast<DWORD>(-1);
    }
    DWORD STDMETHODCALLTYPE MessagePending(HTASK, DWORD, DWORD) override {
        return PENDINGMSG_WAITDEFPROCESS;
    }
    int rejected() const { return rejected_; }

private:
    int busyCalls_;
    int rejected_ = 0;
};

// A busy CAD: the callee answers "retry later" twice; the program's filter has the call wait
// about a second each time, and then it goes through.
TEST_F(MessageFilterRegistration, ACallTheBusyCalleeAsksToRetryWaitsAndSucceeds) {
    if (runningUnderWine())
        GTEST_SKIP() << "Wine 8 never calls the caller's RetryRejectedCall (a call the callee "
                        "asks to retry later fails at once there); the first run on Windows "
                        "proves the wait.";
    const auto filter = TMessageFilter::Create();
    filter->RegisterFilter();

    std::promise<IStream*> marshalled;
    std::promise<void> done;
    int rejected = -1;
    DWORD calleeThread = 0;
    std::thread callee([&] {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        calleeThread = GetCurrentThreadId();
        BusyCalleeFilter busy(2);
        CoRegisterMessageFilter(&busy, nullptr);
        test::RecordingDispatch cad;
        cad.define(L"Count", 7, [](const test::RecordingDispatch::Call&, VARIANT* r, EXCEPINFO*) {
            V_VT(r) = VT_I4;
            V_I4(r) = 3;
            return S_OK;
        });
        IStream* stream = nullptr;
        CoMarshalInterThreadInterfaceInStream(IID_IDispatch, static_cast<IDispatch*>(&cad),
                                              &stream);
        marshalled.set_value(stream);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
        rejected = busy.rejected();
        CoRegisterMessageFilter(nullptr, nullptr);
        CoUninitialize();
    });
    IStream* stream = marshalled.get_future().get();
    IDispatch* proxy = nullptr;
    ASSERT_EQ(
        CoGetInterfaceAndReleaseStream(stream, IID_IDispatch, reinterpret_cast<void**>(&proxy)),
        S_OK);
    const auto start = std::chrono::steady_clock::now();
    std::int64_t count = -1;
    {
        Dispatch cad(ComPtr<IDispatch>::adopt(proxy), std::make_shared<DispatchNames>());
        count = toInteger(cad.get(L"Count").get());
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    PostThreadMessageW(calleeThread, WM_QUIT, 0, 0);
    callee.join();
    filter->RevokeFilter();

    EXPECT_EQ(count, 3);
    EXPECT_EQ(rejected, 2);
    EXPECT_GE(waited, std::chrono::milliseconds(1900));
    EXPECT_LT(waited, std::chrono::milliseconds(6000));
}

}  // namespace
}  // namespace tavor::cad::com
