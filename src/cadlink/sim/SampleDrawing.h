#pragma once

#include "cadlink/sim/Drawing.h"

namespace tavor::cad::sim {

// Layer names of the sample drawing that tests rely on. "NOTE" is locked; "NOTE2" is not, and
// its name starts with the locked one's.
inline constexpr char16_t kSampleLockedLayer[] = u"NOTE";
inline constexpr char16_t kSampleUnlockedLookalike[] = u"NOTE2";

// The first sheet's frame: the view a person starts with.
inline constexpr Point kSampleSheetLowerLeft{0, 0, 0}, kSampleSheetUpperRight{420, 297, 0};

// Fills an empty drawing with a drawing of the kind the program serves: Japanese wire numbers
// in a column and a row, I/O comment blocks (PIN1, IOADRS, JCMNT1, JCMNT2; one of them carries
// JCMNT2 twice), device blocks
// (NAME, NAME1, SPEC, TYPE), wire-number blocks (SENBAN), two title blocks with the fields of
// the built-in TAG groups, and a locked layer holding some texts and blocks.
void loadSampleDrawing(Drawing& drawing);

// The block definitions of the sample drawing, for drawings built in tests.
void defineSampleBlocks(Drawing& drawing);

}  // namespace tavor::cad::sim
