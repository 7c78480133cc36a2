#include "cadlink/sim/DxfDrawingFile.h"

#include "cadlink/sim/DxfSaver.h"

namespace tavor::cad::sim {

std::unique_ptr<DxfDrawingFile> DxfDrawingFile::open(std::string bytes,
                                                     const dxf::CodePage& codePage,
                                                     Drawing& drawing) {
    dxf::GroupStream stream = dxf::GroupStream::read(std::move(bytes));
    const DxfHeader header = readHeader(stream);
    std::unique_ptr<DxfDrawingFile> file(new DxfDrawingFile(
        std::move(stream), dxf::TextRules(header.acadVersion, header.codePage, codePage)));
    Drawing loaded;
    file->binding_ = loadDrawing(file->stream_, file->text_, loaded);
    drawing.replaceWith(std::move(loaded));
    return file;
}

void DxfDrawingFile::write(const Drawing& drawing, const dxf::ByteSink& sink) const {
    saveDrawing(stream_, text_, binding_, drawing, sink);
}

std::string DxfDrawingFile::bytes(const Drawing& drawing) const {
    std::string out;
    out.reserve(stream_.bytes().size());
    write(drawing, [&](std::string_view b) { out += b; });
    return out;
}

}  // namespace tavor::cad::sim
