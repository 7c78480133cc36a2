#pragma once

#include "cadlink/sim/Drawing.h"
#include "cadlink/sim/DxfLoader.h"
#include "cadlink/sim/dxf/DxfText.h"
#include "cadlink/sim/dxf/GroupStream.h"
#include "cadlink/sim/dxf/GroupWriter.h"

namespace tavor::cad::sim {

// Writes the drawing into the stream it was read from. Only what changed since the reading
// differs from the file: a changed value replaces its group alone; an erased entity leaves with
// what it owns and every reference the file keeps to it (groups, reactors, dictionaries, sort
// tables); a copy follows its original with a new handle, a fresh owner, no reactors and no
// extension dictionary; $HANDSEED covers the new handles. A justified text that moved has its
// other point moved with it.
void saveDrawing(const dxf::GroupStream& stream, const dxf::TextRules& text,
                 const DxfBinding& binding, const Drawing& drawing, const dxf::ByteSink& sink);

}  // namespace tavor::cad::sim
