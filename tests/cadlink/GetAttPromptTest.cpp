#include <gtest/gtest.h>

#include "cadlink/CadError.h"
#include "cadlink/GetAttPrompt.h"
#include "cadlink/SimCadRig.h"

namespace tavor::cad {
namespace {

using test::SimCadRig;

TEST(GetAttPromptTest, ThePromptOfTheDefinitionWithThatNameAndTag) {
    SimCadRig rig;
    rig.cad->drawing().defineBlock({u"PLAIN",
                                    {{u"AcDbLine", {}, {}, {}, {}, {}},
                                     {u"AcDbAttributeDefinition", u"NAME", u"名前", {}, {}, {}}}});
    const auto doc = rig.document();
    struct Case {
        std::u16string block, tag, prompt;
    };
    const Case cases[] = {
        {u"DEVICE", u"NAME", u"機器名"},
        {u"device", u"NAME", u""},  // names and TAGs are compared exactly
        {u"DEVICE", u"name", u""},
        {u"IO_COMMENT2", u"JCMNT2", u"コメント２"},  // the first of two with that TAG
        {u"MOTOR", u"NAME", u""},
        {u"PLAIN", u"NAME", u"名前"},  // found past a line
        {u"NOSUCH", u"NAME", u""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetAttPrompt(*doc, c.block, c.tag), c.prompt);
}

TEST(GetAttPromptTest, AFailingCallReachesTheCaller) {
    SimCadRig rig;
    rig.cad->refusals().refuseNext(u"PromptString");
    EXPECT_THROW(GetAttPrompt(*rig.document(), u"DEVICE", u"NAME"), CadError);
}

}  // namespace
}  // namespace tavor::cad
