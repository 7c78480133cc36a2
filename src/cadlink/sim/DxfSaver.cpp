#include "cadlink/sim/DxfSaver.h"

#include <unordered_set>

#include "cadlink/sim/DxfEntityFields.h"
#include "cadlink/sim/dxf/StructureCheck.h"

namespace tavor::cad::sim {

using dxf::GroupStream;
using dxf::trimBlanks;

namespace {

std::string hexOf(EntityId id) {
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string out;
    do {
        out.insert(out.begin(), digits[id & 0xF]);
        id >>= 4;
    } while (id);
    return out;
}

Point plus(const Point& a, const Point& b, const Point& c) {
    return {a.x + b.x - c.x, a.y + b.y - c.y, a.z + b.z - c.z};
}

bool samePoint(const Point& a, const Point& b) {
    return a.x == b.x && a.y == b.y && a.z == b.z;
}

// The changes to one record: groups with new bytes, and bytes to write after a group.
struct RecordEdits {
    std::map<std::size_t, std::string> replaced, after;
    std::vector<std::size_t> dropped;
};

class Saver {
public:
    Saver(const GroupStream& s, const dxf::TextRules& text, const DxfBinding& b, const Drawing& d)
        : s_(s), text_(text), b_(b), d_(d), w_(s), nextExtra_(d.handleSeed()) {}

    void run(const dxf::ByteSink& sink);

private:
    void entity(EntityId id);
    RecordEdits editsOf(GroupRange r, const EntityRecord& e) const;
    void textEdits(GroupRange r, const EntityFields& f, const EntityRecord& e,
                   RecordEdits& edits) const;
    void stringEdits(GroupRange r, const EntityFields& f, const std::u16string& string,
                     RecordEdits& edits) const;
    void pointEdits(const EntityFields& f, std::int32_t xCode, const Point& p,
                    RecordEdits& edits) const;
    std::string cloneOf(GroupRange r, const EntityRecord* e, EntityId handle,
                        std::optional<EntityId> owner) const;
    void dropRange(GroupRange r);
    void dropReferences();
    bool isErased(std::size_t i) const {
        const auto h = dxf::parseHexHandle(s_.value(i));
        return h && erased_.contains(*h);
    }

    const GroupStream& s_;
    const dxf::TextRules& text_;
    const DxfBinding& b_;
    const Drawing& d_;
    dxf::GroupWriter w_;
    dxf::StreamPatch patch_;
    std::unordered_set<EntityId> erased_;
    EntityId nextExtra_;  // handles of records that the drawing has no entity for (SEQEND)
    bool newHandles_ = false;
};

void Saver::run(const dxf::ByteSink& sink) {
    for (EntityId id : d_.touched())
        entity(id);
    if (!erased_.empty())
        dropReferences();
    if (newHandles_)
        if (const auto seedAt = readHeader(s_).handSeed) {
            const EntityId seed = std::max(d_.handleSeed(), nextExtra_);
            const auto old = dxf::parseHexHandle(s_.value(*seedAt));
            if (!old || seed > *old)
                patch_.replace(*seedAt, w_.replacedText(*seedAt, hexOf(seed)));
        }
    dxf::writePatched(s_, patch_, sink);
}

void Saver::entity(EntityId id) {
    const DxfBinding::Entry* entry = b_.find(id);
    const EntityRecord* e = d_.find(id);
    if (entry) {
        if (!e) {
            dropRange(entry->record);
            dropRange(entry->sequenceEnd);
            if (handleOf(s_, EntityFields(s_, entry->record)))
                erased_.insert(id);
            return;
        }
        RecordEdits edits = editsOf(entry->record, *e);
        for (auto& [i, bytes] : edits.replaced)
            patch_.replace(i, std::move(bytes));
        for (const auto& [i, bytes] : edits.after)
            patch_.append(i, bytes);
        for (std::size_t i : edits.dropped)
            patch_.drop(i);
        return;
    }
    if (!e || e->kind == EntityKind::Attribute || !e->source)
        return;
    const DxfBinding::Entry* root = b_.find(e->source);
    if (!root || root->record.end == root->record.first)
        return;
    newHandles_ = true;
    std::string bytes = cloneOf(root->record, e, id, std::nullopt);
    for (EntityId a : e->attributes) {
        const EntityRecord* att = d_.find(a);
        const DxfBinding::Entry* attRoot = att ? b_.find(att->source) : nullptr;
        if (attRoot)
            bytes += cloneOf(attRoot->record, att, a, id);
    }
    GroupRange anchor = root->record;
    if (root->sequenceEnd.end > root->sequenceEnd.first) {
        anchor = root->sequenceEnd;
        bytes += cloneOf(root->sequenceEnd, nullptr, nextExtra_++, id);
    }
    patch_.append(anchor.end - 1, bytes);
}

void Saver::pointEdits(const EntityFields& f, std::int32_t xCode, const Point& p,
                       RecordEdits& edits) const {
    const double values[] = {p.x, p.y, p.z};
    for (int k = 0; k < 3; ++k)
        if (const auto i = f.at(xCode + 10 * k); i && s_.real(*i) != values[k])
            edits.replaced[*i] = w_.replacedReal(*i, values[k]);
}

void Saver::stringEdits(GroupRange r, const EntityFields& f, const std::u16string& string,
                        RecordEdits& edits) const {
    const auto marker = f.embedded();
    const std::string stored = marker ? embeddedText(s_, r, *marker) : std::string(f.bytes(1));
    if (text_.decode(stored) == string)
        return;
    const std::string encoded = text_.encode(string);
    if (!marker) {
        if (const auto i = f.at(1))
            edits.replaced[*i] = w_.replacedText(*i, encoded);
        return;
    }
    // A multi-line attribute: its own value holds the first line, the embedded MTEXT all.
    if (const auto i = f.at(1))
        edits.replaced[*i] = w_.replacedText(*i, encoded.substr(0, encoded.find("\\P")));
    std::optional<std::size_t> last;
    for (std::size_t i = *marker + 1; i < r.end && s_.code(i) < 1000; ++i)
        if (s_.code(i) == 3)
            edits.dropped.push_back(i);
        else if (s_.code(i) == 1)
            last = i;
    if (last)
        edits.replaced[*last] = w_.replacedText(*last, encoded);
}

void Saver::textEdits(GroupRange r, const EntityFields& f, const EntityRecord& e,
                      RecordEdits& edits) const {
    const TextProps& t = e.text;
    stringEdits(r, f, t.string, edits);
    const Point fileInsertion = f.point(10);
    const Point fileAlignment = f.at(11) ? f.point(11) : fileInsertion;
    Point insertion = t.insertion, alignmentPoint = t.alignmentPoint;
    if (t.alignment != 0) {
        // A justified text is placed by its alignment point: whichever point moved, both move.
        const bool insertionMoved = !samePoint(insertion, fileInsertion);
        const bool alignmentMoved = !samePoint(alignmentPoint, fileAlignment);
        if (insertionMoved && !alignmentMoved)
            alignmentPoint = plus(fileAlignment, insertion, fileInsertion);
        else if (alignmentMoved && !insertionMoved)
            insertion = plus(fileInsertion, alignmentPoint, fileAlignment);
    }
    pointEdits(f, 10, insertion, edits);
    pointEdits(f, 11, alignmentPoint, edits);

    const std::int32_t verticalCode = e.kind == EntityKind::Attribute ? 74 : 73;
    const auto [h, v] = justificationOf(t.alignment);
    const auto fileH = f.integer(72), fileV = f.integer(verticalCode);
    const auto anchor = f.at(1) ? f.at(1) : f.at(20);
    std::string afterString;
    if (const auto i = f.at(72); i && fileH != h)
        edits.replaced[*i] = w_.replacedInteger(*i, h);
    else if (!i && h != 0)
        afterString += w_.integer(72, h);
    if (!f.at(11) && t.alignment != 0) {
        afterString += w_.real(11, alignmentPoint.x) + w_.real(21, alignmentPoint.y);
        if (f.at(30))
            afterString += w_.real(31, alignmentPoint.z);
    }
    if (const auto i = f.at(verticalCode); i && fileV != v) {
        edits.replaced[*i] = w_.replacedInteger(*i, v);
    } else if (!i && v != 0) {
        // In its own subclass where the file has subclasses: the second AcDbText, AcDbAttribute.
        std::optional<std::size_t> subclass;
        int texts = 0;
        for (std::size_t k = r.first; k < r.end && !subclass; ++k)
            if (s_.is(k, 100, "AcDbAttribute") || (s_.is(k, 100, "AcDbText") && ++texts == 2))
                subclass = e.kind == EntityKind::Attribute ? f.at(2) : std::optional(k);
        if (subclass)
            edits.after[*subclass] += w_.integer(verticalCode, v);
        else
            afterString += w_.integer(verticalCode, v);
    }
    if (anchor && !afterString.empty())
        edits.after[*anchor] += afterString;
}

RecordEdits Saver::editsOf(GroupRange r, const EntityRecord& e) const {
    RecordEdits edits;
    const EntityFields f(s_, r);
    if (const auto i = f.at(8); i && text_.decode(trimBlanks(s_.value(*i))) != e.layer)
        edits.replaced[*i] = w_.replacedText(*i, text_.encode(e.layer.str()));
    if (e.kind == EntityKind::Insert)
        pointEdits(f, 10, e.blockInsertion, edits);
    else
        textEdits(r, f, e, edits);
    return edits;
}

std::string Saver::cloneOf(GroupRange r, const EntityRecord* e, EntityId handle,
                           std::optional<EntityId> owner) const {
    const RecordEdits edits = e ? editsOf(r, *e) : RecordEdits{};
    std::string out;
    bool bracket = false, skipping = false, ownerSeen = false;
    for (std::size_t i = r.first; i < r.end; ++i) {
        const std::int32_t code = s_.code(i);
        if (code == 102) {
            const std::string_view v = trimBlanks(s_.value(i));
            if (!bracket)
                skipping = v == "{ACAD_REACTORS" || v == "{ACAD_XDICTIONARY";
            const bool wasSkipping = skipping;
            bracket = !bracket && v != "}";
            if (!bracket)
                skipping = false;
            if (wasSkipping)
                continue;
        } else if (skipping) {
            continue;
        }
        if (std::find(edits.dropped.begin(), edits.dropped.end(), i) != edits.dropped.end())
            continue;
        const bool isOwner = code == 330 && !bracket && !ownerSeen;
        ownerSeen = ownerSeen || isOwner;
        if (code == 5)
            out += w_.replacedText(i, hexOf(handle));
        else if (isOwner && owner)
            out += w_.replacedText(i, hexOf(*owner));
        else if (const auto rep = edits.replaced.find(i); rep != edits.replaced.end())
            out += rep->second;
        else
            out += s_.raw(i);
        if (const auto a = edits.after.find(i); a != edits.after.end())
            out += a->second;
    }
    return out;
}

void Saver::dropRange(GroupRange r) {
    for (std::size_t i = r.first; i < r.end; ++i)
        patch_.drop(i);
}

void Saver::dropReferences() {
    for (bool more = true; more;) {
        more = false;
        for (std::size_t first = 0; first < s_.size();) {
            std::size_t end = first + 1;
            while (end < s_.size() && s_.code(end) != 0)
                ++end;
            const GroupRange r{static_cast<std::uint32_t>(first), static_cast<std::uint32_t>(end)};
            first = end;
            if (s_.code(r.first) != 0 || patch_.dropped(r.first))
                continue;
            const EntityFields f(s_, r);
            if (const auto owner = f.owner(); owner && isErased(*owner)) {
                dropRange(r);
                if (const auto h = f.at(5))
                    if (const auto id = dxf::parseHexHandle(s_.value(*h)))
                        erased_.insert(*id);
                more = true;
                continue;
            }
            const std::string_view type = trimBlanks(s_.value(r.first));
            bool reactors = false;
            for (std::size_t i = r.first + 1; i < r.end; ++i) {
                const std::int32_t code = s_.code(i);
                if (code == 102)
                    reactors = trimBlanks(s_.value(i)) == "{ACAD_REACTORS";
                else if (reactors && code == 330 && isErased(i))
                    patch_.drop(i);
                else if (type == "GROUP" && code == 340 && isErased(i))
                    patch_.drop(i);
                else if (type == "DICTIONARY" && (code == 350 || code == 360) && isErased(i)) {
                    patch_.drop(i);
                    if (s_.code(i - 1) == 3)
                        patch_.drop(i - 1);
                } else if (type == "SORTENTSTABLE" && code == 331 && isErased(i)) {
                    patch_.drop(i);
                    if (i + 1 < r.end && s_.code(i + 1) == 5)
                        patch_.drop(i + 1);
                }
            }
        }
    }
}

}  // namespace

void saveDrawing(const GroupStream& stream, const dxf::TextRules& text, const DxfBinding& binding,
                 const Drawing& drawing, const dxf::ByteSink& sink) {
    Saver(stream, text, binding, drawing).run(sink);
}

}  // namespace tavor::cad::sim
