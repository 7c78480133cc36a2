#include "DxfSamples.h"

#include <cstring>

#include "base/TextUtil.h"
#include "cadlink/sim/dxf/GroupCodes.h"
#include "cadlink/sim/dxf/GroupStream.h"
#include "sys/TextCodec.h"

namespace tavor::test {

using namespace cad::sim::dxf;

CodePage cp932() {
    return {[](std::string_view b) { return decodeCodePage(b, TextEncoding::Cp932); },
            [](std::u16string_view t) { return encodeCodePage(t, TextEncoding::Cp932); }};
}

std::string dxfLines(const std::vector<std::string_view>& groups, std::string_view eol) {
    std::string out;
    for (std::string_view g : groups) {
        const std::size_t space = g.find(' ');
        out += g.substr(0, space);
        out += eol;
        out += space == std::string_view::npos ? std::string_view() : g.substr(space + 1);
        out += eol;
    }
    return out;
}

std::string sampleR2000Utf8() {
    return dxfLines({
        "0 SECTION",
        "2 HEADER",
        "9 $ACADVER",
        "1 AC1015",
        "9 $DWGCODEPAGE",
        "3 ANSI_932",
        "9 $HANDSEED",
        "5 100",
        "0 ENDSEC",
        "0 SECTION",
        "2 TABLES",
        "0 TABLE",
        "2 LAYER",
        "5 2",
        "330 0",
        "100 AcDbSymbolTable",
        "70 2",
        "0 LAYER",
        "5 10",
        "330 2",
        "100 AcDbSymbolTableRecord",
        "100 AcDbLayerTableRecord",
        "2 0",
        "70 0",
        "62 7",
        "6 CONTINUOUS",
        "0 LAYER",
        "5 11",
        "330 2",
        "100 AcDbSymbolTableRecord",
        "100 AcDbLayerTableRecord",
        "2 LOCKED",
        "70 4",
        "62 1",
        "6 CONTINUOUS",
        "0 ENDTAB",
        "0 ENDSEC",
        "0 SECTION",
        "2 BLOCKS",
        "0 BLOCK",
        "5 20",
        "330 1F",
        "100 AcDbEntity",
        "8 0",
        "100 AcDbBlockBegin",
        "2 TAG",
        "70 2",
        "10 0.0",
        "20 0.0",
        "30 0.0",
        "3 TAG",
        "1 ",
        "0 ATTDEF",
        "5 21",
        "330 1F",
        "100 AcDbEntity",
        "8 0",
        "100 AcDbText",
        "10 1.0",
        "20 2.0",
        "30 0.0",
        "40 2.5",
        "1 default",
        "100 AcDbAttributeDefinition",
        "3 名前",
        "2 NAME",
        "70 0",
        "0 LINE",
        "5 22",
        "330 1F",
        "100 AcDbEntity",
        "8 0",
        "100 AcDbLine",
        "10 0.0",
        "20 0.0",
        "30 0.0",
        "11 10.0",
        "21 0.0",
        "31 0.0",
        "0 ENDBLK",
        "5 23",
        "330 1F",
        "100 AcDbEntity",
        "8 0",
        "100 AcDbBlockEnd",
        "0 ENDSEC",
        "0 SECTION",
        "2 ENTITIES",
        "0 TEXT",
        "5 30",
        "102 {ACAD_REACTORS",
        "330 50",
        "102 }",
        "330 1A",
        "100 AcDbEntity",
        "8 0",
        "100 AcDbText",
        "10 1.0",
        "20 2.0",
        "30 0.0",
        "40 2.5",
        "1 表\\U+2460",
        "100 AcDbText",
        "0 TEXT",
        "5 31",
        "102 {ACAD_REACTORS",
        "330 50",
        "102 }",
        "330 1A",
        "100 AcDbEntity",
        "8 LOCKED",
        "100 AcDbText",
        "10 5.0",
        "20 5.0",
        "30 0.0",
        "40 2.5",
        "1 centred",
        "72 1",
        "11 6.0",
        "21 5.0",
        "31 0.0",
        "100 AcDbText",
        "73 2",
        "0 INSERT",
        "5 32",
        "330 1A",
        "100 AcDbEntity",
        "8 0",
        "100 AcDbBlockReference",
        "66 1",
        "2 TAG",
        "10 20.0",
        "20 30.0",
        "30 0.0",
        "0 ATTRIB",
        "5 33",
        "330 32",
        "100 AcDbEntity",
        "8 0",
        "100 AcDbText",
        "10 21.0",
        "20 32.0",
        "30 0.0",
        "40 2.5",
        "1 VAL",
        "100 AcDbAttribute",
        "2 NAME",
        "70 0",
        "73 2",
        "0 SEQEND",
        "5 34",
        "330 32",
        "100 AcDbEntity",
        "8 0",
        "0 LINE",
        "5 35",
        "102 {ACAD_XDICTIONARY",
        "360 60",
        "102 }",
        "330 1A",
        "100 AcDbEntity",
        "8 0",
        "100 AcDbLine",
        "10 0.0",
        "20 0.0",
        "30 0.0",
        "11 50.0",
        "21 0.0",
        "31 0.0",
        "1001 APP",
        "1000 xdata kept",
        "0 ENDSEC",
        "0 SECTION",
        "2 OBJECTS",
        "0 DICTIONARY",
        "5 C",
        "330 0",
        "100 AcDbDictionary",
        "3 ACAD_GROUP",
        "350 D",
        "0 DICTIONARY",
        "5 D",
        "330 C",
        "100 AcDbDictionary",
        "3 G1",
        "350 50",
        "0 GROUP",
        "5 50",
        "102 {ACAD_REACTORS",
        "330 D",
        "102 }",
        "330 D",
        "100 AcDbGroup",
        "300 grp",
        "70 0",
        "71 1",
        "340 30",
        "340 31",
        "0 DICTIONARY",
        "5 60",
        "102 {ACAD_REACTORS",
        "330 35",
        "330 30",
        "102 }",
        "330 35",
        "100 AcDbDictionary",
        "3 KEY",
        "350 61",
        "0 XRECORD",
        "5 61",
        "330 60",
        "100 AcDbXrecord",
        "1 data",
        "0 ENDSEC",
        "0 EOF",
    });
}

std::string sampleR2000() {
    return encodeCodePage(fromUtf8(sampleR2000Utf8()), TextEncoding::Cp932);
}

std::string toBinary(std::string_view ascii) {
    const GroupStream s = GroupStream::read(std::string(ascii));
    std::string out("AutoCAD Binary DXF\r\n\x1a\0", 22);
    const auto put = [&](const auto& v) {
        char buf[sizeof v];
        std::memcpy(buf, &v, sizeof v);
        out.append(buf, sizeof v);
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        put(static_cast<std::int16_t>(s.code(i)));
        switch (valueTypeOf(s.code(i))) {
            case ValueType::Real:
                put(s.real(i));
                break;
            case ValueType::Int16:
                put(static_cast<std::int16_t>(s.integer(i)));
                break;
            case ValueType::Int32:
                put(static_cast<std::int32_t>(s.integer(i)));
                break;
            case ValueType::Int64:
                put(static_cast<std::int64_t>(s.integer(i)));
                break;
            case ValueType::Bool:
                out += static_cast<char>(s.integer(i));
                break;
            case ValueType::Chunk:
                out += static_cast<char>(s.value(i).size() / 2);
                for (std::size_t k = 0; k + 1 < s.value(i).size(); k += 2)
                    out += static_cast<char>(
                        std::stoi(std::string(s.value(i).substr(k, 2)), nullptr, 16));
                break;
            case ValueType::String:
                out += s.value(i);
                out += '\0';
                break;
        }
    }
    return out;
}

}  // namespace tavor::test
