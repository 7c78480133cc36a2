#pragma once

#include <gtest/gtest.h>
#include <objbase.h>

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cadlink/Objects.h"
#include "cadlink/Point.h"
#include "comserver/FakeCadIds.h"
#include "comserver/Values.h"

namespace tavor::test {

struct FakeAttribute {
    cad::Handle handle;
    std::u16string tag, value;
    bool operator==(const FakeAttribute&) const = default;
};

// An entity of the fake server's model space, as the control object reports it.
struct FakeEntity {
    cad::Handle handle;
    std::u16string objectName;  // "AcDbText", "AcDbBlockReference"
    std::u16string layer;
    std::u16string string;  // a text's string; a block reference's block name
    cad::Point at;          // a text's reference point; a block reference's insertion point
    std::int32_t alignment = 0;
    std::vector<FakeAttribute> attributes;  // a block reference's, in the block's order
    bool operator==(const FakeEntity&) const = default;
};

// Tags and prompts of a block's attribute definitions; tags and values of an insert's
// attributes.
using TagPairs = std::vector<std::pair<std::u16string, std::u16string>>;

// The fake CAD automation server in a process of its own, driven through its control object.
// Under Wine only: it registers itself in the registry under the real CAD's class id.
class FakeCadServer {
public:
    // The one server of this test program, started on first use and shut down (released and
    // unregistered) when the tests end; nullptr with the reason when it cannot run here.
    static FakeCadServer* instance(std::string& whyNot);

    FakeCadServer(const FakeCadServer&) = delete;
    FakeCadServer& operator=(const FakeCadServer&) = delete;
    ~FakeCadServer();

    // An empty drawing with layer "0", no failures, no scripted picks, every switch at its
    // default, the view centred on (0,0) with a height of 200.
    void reset();

    void addLayer(const std::u16string& name, bool locked = false);
    cad::Handle addText(const std::u16string& string, const cad::Point& at,
                        const std::u16string& layer = u"0", std::int32_t alignment = 0);
    // The block's frame is four lines, followed by one attribute definition per tag.
    void defineBlock(const std::u16string& name, const TagPairs& tagsAndPrompts);
    // Tags without a value get the definition's default (empty).
    cad::Handle addBlockReference(const std::u16string& block, const cad::Point& at,
                                  const std::u16string& layer = u"0",
                                  const TagPairs& tagsAndValues = {});
    // The simulated CAD's sample drawing, added to what is there.
    void loadSample();

    // What the person picks at the next SelectOnScreen calls, one answer per call.
    void pickNext(const std::vector<cad::Handle>& handles);
    void pickAllNext();
    void cancelNextPick();

    // The next `times` calls of the dispatch name (any object; empty for any name) fail:
    // RPC_E_* codes come straight from Invoke, any other as DISP_E_EXCEPTION whose EXCEPINFO
    // holds the code and the message.
    void failNext(const std::u16string& dispatchName, HRESULT code, const std::u16string& message,
                  int times = 1);
    // As failNext, but Invoke returns the code itself and describes it through SetErrorInfo.
    void failNextViaErrorInfo(const std::u16string& dispatchName, HRESULT code,
                              const std::u16string& message, int times = 1);
    // Counts the calls on the model's objects from 0 again, and call k (from 1) of them fails
    // as failNext fails a call; none when k is 0.
    void failCall(int k, HRESULT code, const std::u16string& message);
    // The simulated CAD refuses the next calls of the role ("SetTextString", ...).
    void refuseNext(const std::u16string& roleName, int times = 1);
    void setLockedLayersRefuseWrites(bool on);
    void setTextFilterIgnoresCase(bool on);
    void setHwndAs32Bit(bool on);
    void setAttributesAsDispatchArray(bool on);
    void setAnswerInterfaceIds(bool on);

    // Automation objects of the model that someone still holds.
    int liveObjects();
    // Invoke calls on the model's objects since the last reset or failCall.
    int calls();
    // The dispatch name of the call that failCall failed; empty until it has.
    std::u16string failedMember();
    std::vector<FakeEntity> entities();
    // The string of a text or attribute reference; nullopt when none lives with the handle.
    std::optional<std::u16string> textOf(const cad::Handle& handle);
    std::vector<std::u16string> selectionSetNames();
    cad::Point viewCentre();
    double viewHeight();
    int regenerations();
    int entityUpdates();
    std::uintptr_t mainWindow();
    std::uintptr_t viewWindow();

private:
    FakeCadServer(IDispatch* control, HKEY registry) : control_(control), registry_(registry) {}
    // Starts the one server; the reason when it cannot.
    static std::string startServer();

    fakecad::Value call(const char16_t* name, std::vector<fakecad::Value> arguments = {});
    void setSwitch(const char16_t* name, bool on);
    void fail(const std::u16string& dispatchName, HRESULT code, const std::u16string& message,
              int times, bool viaErrorInfo);

    IDispatch* control_;
    HKEY registry_;
    std::map<std::u16string, DISPID> ids_;  // of the control object's names
};

// Skips the test (with the reason) where the fake server cannot run, and otherwise starts
// every test on a reset server.
class FakeCadServerTest : public testing::Test {
protected:
    void SetUp() override;
    FakeCadServer& server() { return *server_; }

private:
    FakeCadServer* server_ = nullptr;
};

}  // namespace tavor::test
