#include "cadlink/sim/dxf/AsciiReader.h"

#include <algorithm>
#include <charconv>
#include <cstring>

#include "cadlink/sim/dxf/DxfError.h"

namespace tavor::cad::sim::dxf {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";
constexpr std::int32_t kLargestCode = 1071;

std::string shown(std::string_view s) {
    if (s.size() > 40)
        return std::string(s.substr(0, 40)) + "...";
    return std::string(s);
}

}  // namespace

std::size_t lineAt(std::string_view bytes, std::size_t offset) {
    offset = std::min(offset, bytes.size());
    return 1 + static_cast<std::size_t>(std::count(bytes.begin(), bytes.begin() + offset, '\n'));
}

void AsciiReader::read(GroupStream& s) {
    const std::string& b = s.bytes_;
    const std::size_t size = b.size();
    std::size_t pos = std::string_view(b).starts_with(kBom) ? kBom.size() : 0;
    std::size_t line = 1;
    // Ends the line that begins at `from`: the offset of its '\n', or `size` for the last one.
    const auto lineEnd = [&](std::size_t from) {
        const void* nl = std::memchr(b.data() + from, '\n', size - from);
        return nl ? static_cast<std::size_t>(static_cast<const char*>(nl) - b.data()) : size;
    };
    // Two lines a group: counting them first spares a growing vector's copies of a large file.
    s.reserve(static_cast<std::size_t>(std::count(b.begin(), b.end(), '\n')) / 2 + 1);
    bool sawEof = false;
    while (pos < size && !sawEof) {
        const std::size_t codeStart = pos;
        const std::size_t codeEnd = lineEnd(pos);
        const std::string_view codeText =
            trimBlanks(std::string_view(b).substr(codeStart, codeEnd - codeStart));
        if (codeEnd == size && codeText.empty())
            break;  // blanks after the last line
        std::int32_t code = -1;
        const auto [end, ec] =
            std::from_chars(codeText.data(), codeText.data() + codeText.size(), code);
        if (ec != std::errc() || end != codeText.data() + codeText.size() || code < 0 ||
            code > kLargestCode)
            throw DxfError("line " + std::to_string(line) + ": \"" + shown(codeText) +
                           "\" is not a group code.");
        if (s.size() == 0 && b[codeStart] == ' ')
            s.codeWidth_ = static_cast<int>(codeEnd - codeStart - (b[codeEnd - 1] == '\r'));
        if (s.lineEnding_.empty() && codeEnd < size)
            s.lineEnding_ = codeEnd > codeStart && b[codeEnd - 1] == '\r' ? "\r\n" : "\n";
        if (codeEnd + 1 >= size)
            throw DxfError("line " + std::to_string(line) + ": the group code " +
                           std::to_string(code) +
                           " has no value line (the file ends after an odd number of lines).");
        const std::size_t valueStart = codeEnd + 1;
        std::size_t valueEnd = lineEnd(valueStart);
        const std::size_t next = valueEnd < size ? valueEnd + 1 : size;
        if (valueEnd > valueStart && b[valueEnd - 1] == '\r')
            --valueEnd;
        s.add(codeStart, code);
        sawEof = code == 0 &&
                 trimBlanks(std::string_view(b).substr(valueStart, valueEnd - valueStart)) == "EOF";
        pos = next;
        line += 2;
    }
    if (s.lineEnding_.empty())
        s.lineEnding_ = "\n";
}

}  // namespace tavor::cad::sim::dxf
