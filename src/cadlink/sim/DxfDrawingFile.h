#pragma once

#include <memory>
#include <string>

#include "cadlink/sim/Drawing.h"
#include "cadlink/sim/DxfLoader.h"
#include "cadlink/sim/dxf/DxfText.h"
#include "cadlink/sim/dxf/GroupStream.h"
#include "cadlink/sim/dxf/GroupWriter.h"

namespace tavor::cad::sim {

// A drawing opened from DXF: the file as it was read and where the drawing's entities lie in
// it, so that writing gives back the same bytes except where the drawing changed since.
class DxfDrawingFile {
public:
    // Reads the bytes into `drawing`, in place of what it held. Raises dxf::DxfError naming the
    // line; then `drawing` is as it was.
    static std::unique_ptr<DxfDrawingFile> open(std::string bytes, const dxf::CodePage& codePage,
                                                Drawing& drawing);

    void write(const Drawing& drawing, const dxf::ByteSink& sink) const;
    std::string bytes(const Drawing& drawing) const;

private:
    DxfDrawingFile(dxf::GroupStream stream, dxf::TextRules text)
        : stream_(std::move(stream)), text_(std::move(text)) {}

    dxf::GroupStream stream_;
    dxf::TextRules text_;
    DxfBinding binding_;
};

}  // namespace tavor::cad::sim
