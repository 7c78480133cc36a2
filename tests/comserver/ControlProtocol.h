#pragma once

#include <cstddef>

// The control object's dispatch names and the layout of what it hands back, shared by the
// server and the rig.
namespace tavor::test::fakecad::control {

inline constexpr char16_t kReset[] = u"Reset";
inline constexpr char16_t kAddLayer[] = u"AddLayer";                    // (Name, Locked)
inline constexpr char16_t kAddText[] = u"AddText";                      // (String, Point, Layer,
                                                                        //  Alignment) -> Handle
inline constexpr char16_t kDefineBlock[] = u"DefineBlock";              // (Name, Tags, Prompts)
inline constexpr char16_t kAddBlockReference[] = u"AddBlockReference";  // (Block, Point, Layer,
                                                                        //  Tags, Values) -> Handle
inline constexpr char16_t kLoadSample[] = u"LoadSample";
inline constexpr char16_t kPickNext[] = u"PickNext";  // (Handles)
inline constexpr char16_t kPickAllNext[] = u"PickAllNext";
inline constexpr char16_t kCancelNextPick[] = u"CancelNextPick";
inline constexpr char16_t kFailNext[] = u"FailNext";      // (Name, Code, Message, Times, ErrorInfo)
inline constexpr char16_t kFailCall[] = u"FailCall";      // (Call, Code, Message)
inline constexpr char16_t kRefuseNext[] = u"RefuseNext";  // (Role, Times)
inline constexpr char16_t kSetSwitch[] = u"SetSwitch";    // (Switch, On)
inline constexpr char16_t kLiveObjects[] = u"LiveObjects";
inline constexpr char16_t kCalls[] = u"Calls";
inline constexpr char16_t kFailedMember[] = u"FailedMember";
inline constexpr char16_t kEntities[] = u"Entities";
inline constexpr char16_t kTextOf[] = u"TextOf";  // (Handle) -> string, or VT_EMPTY
inline constexpr char16_t kSelectionSetNames[] = u"SelectionSetNames";
inline constexpr char16_t kViewCentre[] = u"ViewCentre";
inline constexpr char16_t kViewHeight[] = u"ViewHeight";
inline constexpr char16_t kRegenerations[] = u"Regenerations";
inline constexpr char16_t kEntityUpdates[] = u"EntityUpdates";
inline constexpr char16_t kMainWindow[] = u"MainWindow";
inline constexpr char16_t kViewWindow[] = u"ViewWindow";

// The switches that SetSwitch names.
inline constexpr char16_t kLockedLayersRefuseWrites[] = u"LockedLayersRefuseWrites";
inline constexpr char16_t kTextFilterIgnoresCase[] = u"TextFilterIgnoresCase";
inline constexpr char16_t kHwndAs32Bit[] = u"HwndAs32Bit";
inline constexpr char16_t kAttributesAsDispatchArray[] = u"AttributesAsDispatchArray";
inline constexpr char16_t kAnswerInterfaceIds[] = u"AnswerInterfaceIds";

// Entities gives one VT_ARRAY | VT_VARIANT row per entity of model space, in drawing order;
// these are the row's fields. The attributes are flat triples: handle, tag, value.
enum EntityField : std::size_t {
    kHandleField,
    kObjectNameField,
    kLayerField,
    kStringField,  // a text's string, a block reference's block name
    kPointField,   // a text's reference point, a block reference's insertion point
    kAlignmentField,
    kAttributesField,
    kEntityFieldCount
};

}  // namespace tavor::test::fakecad::control
