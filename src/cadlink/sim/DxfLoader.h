#pragma once

#include <optional>
#include <string>
#include <vector>

#include "cadlink/sim/Drawing.h"
#include "cadlink/sim/DxfEntityFields.h"
#include "cadlink/sim/dxf/DxfText.h"
#include "cadlink/sim/dxf/GroupStream.h"

namespace tavor::cad::sim {

// The header values that decide how the rest of the file is read.
struct DxfHeader {
    std::string acadVersion;              // $ACADVER, "AC1009" (R12) ... "AC1032" (R2018)
    std::string codePage;                 // $DWGCODEPAGE
    std::optional<std::size_t> handSeed;  // the group that holds $HANDSEED's value
};

DxfHeader readHeader(const dxf::GroupStream& stream);

// Where each entity that the simulated drawing holds lies in the stream it was read from.
class DxfBinding {
public:
    struct Entry {
        EntityId id;
        GroupRange record;
        GroupRange sequenceEnd;  // a block reference's SEQEND after its attributes; else empty
    };

    void reserve(std::size_t count) { entries_.reserve(count); }
    // The entry's position, for setSequenceEnd until sort().
    std::size_t add(const Entry& entry);
    void setSequenceEnd(std::size_t position, GroupRange range);
    void sort();
    // nullptr for an entity that the file does not hold (a copy made since).
    const Entry* find(EntityId id) const;

private:
    std::vector<Entry> entries_;  // by id once sorted
};

// Reads the stream's layers, block definitions and model-space entities into `drawing` (a new
// one). Everything else stays in the stream only; LINE, polylines, CIRCLE, ARC and MTEXT
// become shapes the window draws. Raises dxf::DxfError for a value that is not a number.
DxfBinding loadDrawing(const dxf::GroupStream& stream, const dxf::TextRules& text,
                       Drawing& drawing);

}  // namespace tavor::cad::sim
