#include "cadlink/sim/dxf/StructureCheck.h"

#include <unordered_map>

#include "cadlink/sim/dxf/DxfError.h"

namespace tavor::cad::sim::dxf {

namespace {

// Group codes that state a size in bytes (93 in bits) of data that follows in the file.
bool isLengthClaim(std::string_view recordType, std::int32_t code) {
    if (recordType == "ACAD_PROXY_ENTITY" || recordType == "ACAD_PROXY_OBJECT")
        return code == 92 || code == 93 || (code >= 160 && code <= 162);
    return recordType == "OLE2FRAME" && code == 90;
}

}  // namespace

std::optional<std::uint64_t> parseHexHandle(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty() || text.size() > 16)
        return std::nullopt;
    std::uint64_t n = 0;
    for (char c : text) {
        int v;
        if (c >= '0' && c <= '9')
            v = c - '0';
        else if (c >= 'A' && c <= 'F')
            v = c - 'A' + 10;
        else if (c >= 'a' && c <= 'f')
            v = c - 'a' + 10;
        else
            return std::nullopt;
        n = n << 4 | static_cast<std::uint64_t>(v);
    }
    return n;
}

void checkStructure(const GroupStream& s) {
    if (s.size() == 0)
        throw DxfError("The file holds no DXF groups.");
    std::optional<std::size_t> openSection;
    std::string_view sectionName, recordType;
    std::unordered_map<std::uint64_t, std::size_t> handles;
    bool handleSeen = false;  // a record's later 5 groups are not its own (sort tables)
    const auto sectionText = [&] {
        return std::string(sectionName) + " (" + s.placeOf(*openSection) + ")";
    };
    for (std::size_t i = 0; i < s.size(); ++i) {
        const std::int32_t code = s.code(i);
        if (code == 0) {
            handleSeen = false;
            recordType = trimBlanks(s.value(i));
            if (recordType == "SECTION") {
                if (openSection)
                    throw DxfError(s.placeOf(i) + ": a section begins before the section " +
                                   sectionText() + " has its ENDSEC.");
                openSection = i;
                sectionName = i + 1 < s.size() && s.code(i + 1) == 2 ? trimBlanks(s.value(i + 1))
                                                                     : std::string_view("?");
            } else if (recordType == "ENDSEC") {
                // A second ENDSEC after stray header variables is a known writer's slip
                // that readers pass over; the file is kept as it is.
                openSection.reset();
            } else if (recordType == "EOF") {
                if (openSection)
                    throw DxfError(s.placeOf(i) + ": the file ends before the section " +
                                   sectionText() + " has its ENDSEC.");
                return;
            }
        } else if (isOwnHandleCode(code) && sectionName != "HEADER" && !handleSeen) {
            handleSeen = true;
            const auto h = parseHexHandle(s.value(i));
            if (!h)
                throw DxfError(s.placeOf(i) + ": \"" + std::string(trimBlanks(s.value(i))) +
                               "\" is not a handle.");
            const auto [it, fresh] = handles.emplace(*h, i);
            if (!fresh)
                throw DxfError(s.placeOf(i) + ": the handle " +
                               std::string(trimBlanks(s.value(i))) + " is used twice (first at " +
                               s.placeOf(it->second) + ").");
        } else if (isLengthClaim(recordType, code)) {
            const std::int64_t claim = s.integer(i);
            const std::int64_t bytes = code == 93 ? claim / 8 : claim;
            if (bytes < 0 || static_cast<std::uint64_t>(bytes) > s.bytes().size())
                throw DxfError(s.placeOf(i) + ": the length " + std::to_string(claim) +
                               " (group code " + std::to_string(code) +
                               ") claims more than the file holds.");
        }
    }
    if (openSection)
        throw DxfError(s.placeOf(s.size()) + ": the file ends inside the section " + sectionText() +
                       ", which has no ENDSEC; it is cut short.");
    throw DxfError(s.placeOf(s.size()) + ": the file ends without an EOF group; it is cut short.");
}

}  // namespace tavor::cad::sim::dxf
