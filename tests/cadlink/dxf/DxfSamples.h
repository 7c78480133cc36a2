#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cadlink/sim/dxf/DxfText.h"

namespace tavor::test {

// The system's CP932, as the program hands it to the DXF reader.
cad::sim::dxf::CodePage cp932();

// DXF text from alternating code and value lines (given as "code value" pairs, one per item,
// split at the first space), joined by `eol`.
std::string dxfLines(const std::vector<std::string_view>& groups, std::string_view eol = "\n");

// A small R2000 drawing (ANSI_932): layers 0 and LOCKED (locked), block TAG with an ATTDEF
// (prompt 名前) and a LINE, and in model space: TEXT 30 "表\U+2460" with a reactor to the group
// 50, a centred TEXT 31 on LOCKED, INSERT 32 of TAG with ATTRIB 33 "VAL" and SEQEND 34, a LINE
// 35 with an extension dictionary 60 (its reactors: 35 and 30), and the objects: the group
// dictionary, group 50 holding 30 and 31, the dictionary 60. $HANDSEED is 100. The text is UTF-8
// here: encode it first.
std::string sampleR2000Utf8();
// The sample in its own code page, CP932.
std::string sampleR2000();

// The same groups as a binary DXF file.
std::string toBinary(std::string_view asciiDxf);

}  // namespace tavor::test
