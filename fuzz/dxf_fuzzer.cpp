// The DXF reader: any bytes either open as a drawing or are refused with a DxfError naming the
// place; a drawing that opens and is saved unchanged gives back every byte it was read from.
#include <cstdint>
#include <string>

#include "FuzzText.h"
#include "cadlink/sim/Drawing.h"
#include "cadlink/sim/DxfDrawingFile.h"
#include "cadlink/sim/dxf/DxfError.h"
#include "sys/TextCodec.h"

using namespace tavor;
using namespace tavor::cad::sim;
using tavor::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    static const dxf::CodePage cp932{
        [](std::string_view b) { return decodeCodePage(b, TextEncoding::Cp932); },
        [](std::u16string_view t) { return encodeCodePage(t, TextEncoding::Cp932); }};
    const std::string input(reinterpret_cast<const char*>(bytes), size);
    Drawing drawing;
    std::unique_ptr<DxfDrawingFile> file;
    try {
        file = DxfDrawingFile::open(input, cp932, drawing);
    } catch (const dxf::DxfError& e) {
        const std::string what = e.what();
        require(what.starts_with("line ") || what.starts_with("byte ") ||
                    what == "The file holds no DXF groups.",
                "a refusal names the line or the byte");
        return 0;
    }
    require(file->bytes(drawing) == input, "an unchanged drawing saves byte for byte");
    return 0;
}
