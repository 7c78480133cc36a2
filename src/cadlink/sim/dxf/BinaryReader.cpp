#include "cadlink/sim/dxf/BinaryReader.h"

#include <cstring>

#include "cadlink/sim/dxf/DxfError.h"

namespace tavor::cad::sim::dxf {

namespace {

[[noreturn]] void cutShort(std::size_t offset, std::int32_t code) {
    throw DxfError("byte " + std::to_string(offset) +
                   ": the binary file ends inside the group of code " + std::to_string(code) + ".");
}

std::size_t fixedSize(ValueType type) {
    switch (type) {
        case ValueType::Real:
        case ValueType::Int64:
            return 8;
        case ValueType::Int32:
            return 4;
        case ValueType::Int16:
            return 2;
        case ValueType::Bool:
            return 1;
        case ValueType::String:
        case ValueType::Chunk:
            break;
    }
    return 0;
}

}  // namespace

void BinaryReader::read(GroupStream& s) {
    const std::string& b = s.bytes_;
    const std::size_t size = b.size();
    std::size_t pos = kBinarySentinel.size();
    // R12 writes "0" as one byte followed directly by "SECTION"; later releases as two bytes.
    s.oneByteCodes_ = pos + 1 < size && b[pos] == 0 && b[pos + 1] != 0;
    s.format_ = Format::Binary;
    bool sawEof = false;
    while (pos < size && !sawEof) {
        const std::size_t start = pos;
        std::int32_t code = 0;
        if (s.oneByteCodes_) {
            code = static_cast<unsigned char>(b[pos++]);
            if (code == 255) {
                if (pos + 2 > size)
                    cutShort(start, code);
                std::int16_t wide;
                std::memcpy(&wide, b.data() + pos, 2);
                code = wide;
                pos += 2;
            }
        } else {
            if (pos + 2 > size)
                cutShort(start, -1);
            std::int16_t wide;
            std::memcpy(&wide, b.data() + pos, 2);
            code = wide;
            pos += 2;
        }
        if (code < 0 || code > 1071)
            throw DxfError("byte " + std::to_string(start) + ": " + std::to_string(code) +
                           " is not a group code.");
        const ValueType type = valueTypeOf(code);
        std::size_t valueStart = pos, valueSize = 0;
        if (type == ValueType::String) {
            const void* nul = std::memchr(b.data() + pos, 0, size - pos);
            if (!nul)
                throw DxfError("byte " + std::to_string(start) + ": the string of group code " +
                               std::to_string(code) + " has no end; the binary file is short.");
            valueSize = static_cast<std::size_t>(static_cast<const char*>(nul) - (b.data() + pos));
            pos += valueSize + 1;
        } else if (type == ValueType::Chunk) {
            if (pos >= size)
                cutShort(start, code);
            valueSize = static_cast<unsigned char>(b[pos]);
            valueStart = pos + 1;
            pos = valueStart + valueSize;
        } else {
            valueSize = fixedSize(type);
            pos += valueSize;
        }
        if (pos > size)
            cutShort(start, code);
        s.add(start, code);
        sawEof = code == 0 && std::string_view(b).substr(valueStart, valueSize) == "EOF";
    }
    s.starts_.shrink_to_fit();
    s.codes_.shrink_to_fit();
}

}  // namespace tavor::cad::sim::dxf
