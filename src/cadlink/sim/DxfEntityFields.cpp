#include "cadlink/sim/DxfEntityFields.h"

#include "cadlink/sim/dxf/StructureCheck.h"

namespace tavor::cad::sim {

namespace {

// The position of each code in EntityFields::kCodes, -1 for the others: a record's groups are
// sorted into their slots with one look-up each.
constexpr std::array<std::int8_t, 1072> kSlots = [] {
    std::array<std::int8_t, 1072> slots{};
    slots.fill(-1);
    for (std::size_t k = 0; k < EntityFields::kCodes.size(); ++k)
        slots[static_cast<std::size_t>(EntityFields::kCodes[k])] = static_cast<std::int8_t>(k);
    return slots;
}();

std::int8_t slotOf(std::int32_t code) {
    return code >= 0 && code < static_cast<std::int32_t>(kSlots.size())
               ? kSlots[static_cast<std::size_t>(code)]
               : std::int8_t{-1};
}

}  // namespace

EntityFields::EntityFields(const dxf::GroupStream& s, GroupRange range) : s_(s) {
    at_.fill(-1);
    bool bracket = false;
    for (std::size_t i = range.first + 1; i < range.end; ++i) {
        const std::int32_t code = s.code(i);
        if (code == 102) {
            bracket = !bracket && !s.is(i, 102, "}");
            continue;
        }
        if (bracket)
            continue;
        if (code == 101) {
            embedded_ = i;
            break;
        }
        if (code >= 1000)
            break;  // xdata runs to the end of the record
        if (code == 330 && !owner_)
            owner_ = i;
        if (const std::int8_t k = slotOf(code); k >= 0 && at_[static_cast<std::size_t>(k)] < 0)
            at_[static_cast<std::size_t>(k)] = static_cast<std::int32_t>(i);
    }
}

std::optional<std::size_t> EntityFields::at(std::int32_t code) const {
    const std::int8_t k = slotOf(code);
    if (k < 0)
        return std::nullopt;
    const std::int32_t i = at_[static_cast<std::size_t>(k)];
    return i < 0 ? std::nullopt : std::optional<std::size_t>(static_cast<std::size_t>(i));
}

double EntityFields::real(std::int32_t code, double otherwise) const {
    const auto i = at(code);
    return i ? s_.real(*i) : otherwise;
}

std::int64_t EntityFields::integer(std::int32_t code, std::int64_t otherwise) const {
    const auto i = at(code);
    return i ? s_.integer(*i) : otherwise;
}

std::string_view EntityFields::bytes(std::int32_t code, std::string_view otherwise) const {
    const auto i = at(code);
    return i ? s_.value(*i) : otherwise;
}

Point EntityFields::point(std::int32_t xCode) const {
    return {real(xCode), real(xCode + 10), real(xCode + 20)};
}

std::optional<std::uint64_t> handleOf(const dxf::GroupStream& stream, const EntityFields& f) {
    if (const auto h = f.at(5))
        return dxf::parseHexHandle(stream.value(*h));
    return std::nullopt;
}

std::int32_t alignmentOf(std::int64_t horizontal, std::int64_t vertical) {
    if (horizontal < 0 || horizontal > 5)
        horizontal = 0;
    if (vertical < 1 || vertical > 3 || horizontal > 2)
        return static_cast<std::int32_t>(horizontal);
    // Top 6..8, middle 9..11, bottom 12..14, each left, centre, right.
    return static_cast<std::int32_t>((3 - vertical) * 3 + 6 + horizontal);
}

std::pair<std::int32_t, std::int32_t> justificationOf(std::int32_t alignment) {
    if (alignment >= 6 && alignment <= 14)
        return {(alignment - 6) % 3, 3 - (alignment - 6) / 3};
    return {alignment >= 0 && alignment <= 5 ? alignment : 0, 0};
}

std::string embeddedText(const dxf::GroupStream& s, GroupRange range, std::size_t marker) {
    std::string chunks, last;
    for (std::size_t i = marker + 1; i < range.end; ++i) {
        if (s.code(i) == 3)
            chunks += s.value(i);
        else if (s.code(i) == 1)
            last = s.value(i);
        else if (s.code(i) >= 1000)
            break;
    }
    return chunks + last;
}

std::u16string plainMText(std::u16string_view t) {
    std::u16string out;
    out.reserve(t.size());
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char16_t c = t[i];
        if (c == u'{' || c == u'}')
            continue;
        if (c != u'\\' || i + 1 >= t.size()) {
            out += c;
            continue;
        }
        const char16_t code = t[++i];
        if (code == u'P') {
            out += u'\n';
        } else if (code == u'~') {
            out += u' ';
        } else if (code == u'\\' || code == u'{' || code == u'}') {
            out += code;
        } else if (std::u16string_view(u"ACFfHQTWpc").find(code) != std::u16string_view::npos) {
            while (i + 1 < t.size() && t[i + 1] != u';')
                ++i;
            ++i;  // the ';' that ends the code
        } else if (code != u'L' && code != u'l' && code != u'O' && code != u'o' && code != u'K' &&
                   code != u'k') {
            out += u'\\';
            out += code;
        }
    }
    return out;
}

}  // namespace tavor::cad::sim
