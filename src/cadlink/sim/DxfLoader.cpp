#include "cadlink/sim/DxfLoader.h"

#include <algorithm>
#include <cmath>

#include "cadlink/sim/dxf/DxfError.h"
#include "cadlink/sim/dxf/StructureCheck.h"

namespace tavor::cad::sim {

using dxf::GroupStream;
using dxf::trimBlanks;

namespace {

// Entities without a handle get numbers above any a file gives out in practice.
constexpr EntityId kFirstUnnamedId = EntityId{1} << 32;

std::size_t nextRecord(const GroupStream& s, std::size_t i) {
    for (++i; i < s.size(); ++i)
        if (s.code(i) == 0)
            return i;
    return s.size();
}

// The TEXT, INSERT and ATTRIB records of the ENTITIES section: the most entries the binding
// can get (a drawing of lines alone gets none).
std::size_t boundRecordCount(const GroupStream& s) {
    std::size_t count = 0;
    bool inEntities = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s.code(i) != 0)
            continue;
        if (s.is(i, 0, "SECTION"))
            inEntities = i + 1 < s.size() && s.is(i + 1, 2, "ENTITIES");
        else if (inEntities && (s.is(i, 0, "TEXT") || s.is(i, 0, "INSERT") || s.is(i, 0, "ATTRIB")))
            ++count;
    }
    return count;
}

std::uint32_t colourOf(std::int64_t aci) {
    static constexpr std::uint32_t basic[] = {0xFFFFFF, 0xFF0000, 0xFFFF00, 0x00FF00, 0x00FFFF,
                                              0x0000FF, 0xFF00FF, 0xFFFFFF, 0x808080, 0xC0C0C0};
    aci = std::abs(aci);
    return aci >= 1 && aci <= 9 ? basic[aci] : 0xC8C8C8;
}

std::u16string entityClassName(std::string_view type) {
    static constexpr std::pair<std::string_view, std::u16string_view> names[] = {
        {"LINE", u"AcDbLine"},
        {"CIRCLE", u"AcDbCircle"},
        {"ARC", u"AcDbArc"},
        {"TEXT", u"AcDbText"},
        {"MTEXT", u"AcDbMText"},
        {"LWPOLYLINE", u"AcDbPolyline"},
        {"POLYLINE", u"AcDb2dPolyline"},
        {"INSERT", u"AcDbBlockReference"},
        {"ATTDEF", u"AcDbAttributeDefinition"},
        {"SOLID", u"AcDbTrace"},
        {"HATCH", u"AcDbHatch"},
        {"POINT", u"AcDbPoint"},
        {"DIMENSION", u"AcDbDimension"},
    };
    for (const auto& [t, n] : names)
        if (t == type)
            return std::u16string(n);
    return u"AcDbEntity";
}

Point minus(const Point& a, const Point& b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

class Loader {
public:
    Loader(const GroupStream& s, const dxf::TextRules& text, Drawing& d)
        : s_(s), text_(text), d_(d) {}

    DxfBinding run();

private:
    std::u16string decode(std::string_view bytes) const { return text_.decode(bytes); }
    // Consecutive records mostly share a layer: its name is decoded once for them.
    const InternedString& layerOf(const EntityFields& f);
    // An entity's layer, added to the drawing when the file's table lacks it, as a CAD does.
    const InternedString& entityLayerOf(const EntityFields& f);
    void layer(GroupRange r);
    void entity(std::string_view type, GroupRange r);
    void blockEntity(std::string_view type, GroupRange r);
    std::optional<Shape> shapeOf(std::string_view type, GroupRange r, const EntityFields& f);
    // The shape, or none when its numbers cannot be read.
    std::optional<Shape> drawnShapeOf(std::string_view type, GroupRange r, const EntityFields& f);
    // `verticalCode`: 73 in a TEXT, 74 in an ATTRIB (where 73 is the field length).
    void readText(const EntityFields& f, GroupRange r, std::int32_t verticalCode,
                  TextProps& t) const;
    // The record's handle, or a number of its own when the file gives it none (R12 may not).
    EntityId idOf(const EntityFields& f);
    // The POLYLINE whose vertices have all been read, relative to `base`.
    std::optional<Shape> finishedPolyline(const Point& base);

    const GroupStream& s_;
    const dxf::TextRules& text_;
    Drawing& d_;
    DxfBinding binding_;
    EntityId nextUnnamed_ = kFirstUnnamedId;
    EntityRecord* insert_ = nullptr;  // the block reference whose attributes follow
    std::size_t insertEntry_ = 0;     // its entry in the binding
    std::string_view layerBytes_;
    InternedString layer_;
    bool layerMade_ = false;         // whether the drawing has layer_
    bool skipping_ = false;          // attributes of something not loaded follow
    std::optional<Shape> polyline_;  // a POLYLINE whose vertices follow
    bool polylineClosed_ = false;
    std::optional<BlockRecord> block_;
    Point blockBase_;
};

DxfBinding Loader::run() {
    binding_.reserve(boundRecordCount(s_));  // once: a copy to grow would double the peak
    std::string_view section;
    for (std::size_t i = 0; i < s_.size();) {
        const std::size_t end = nextRecord(s_, i);
        const GroupRange r{static_cast<std::uint32_t>(i), static_cast<std::uint32_t>(end)};
        if (s_.code(i) != 0) {
            i = end;
            continue;
        }
        const std::string_view type = trimBlanks(s_.value(i));
        if (type == "SECTION") {
            section = i + 1 < end && s_.code(i + 1) == 2 ? trimBlanks(s_.value(i + 1)) : "";
        } else if (section == "TABLES" && type == "LAYER") {
            layer(r);
        } else if (section == "BLOCKS") {
            if (type == "BLOCK") {
                const EntityFields f(s_, r);
                block_ = BlockRecord{decode(trimBlanks(f.bytes(2))), {}};
                blockBase_ = f.point(10);
            } else if (type == "ENDBLK") {
                if (block_ && !block_->name.empty() && !d_.findBlock(block_->name))
                    d_.defineBlock(std::move(*block_));
                block_.reset();
            } else if (block_) {
                blockEntity(type, r);
            }
        } else if (section == "ENTITIES") {
            entity(type, r);
        }
        i = end;
    }
    d_.forgetChanges();
    binding_.sort();
    return std::move(binding_);
}

const InternedString& Loader::layerOf(const EntityFields& f) {
    const std::string_view bytes = trimBlanks(f.bytes(8, "0"));
    if (layer_.empty() || bytes != layerBytes_) {
        const std::u16string name = decode(bytes);
        layer_ = name.empty() ? u"0" : name;
        layerBytes_ = bytes;
        layerMade_ = false;
    }
    return layer_;
}

const InternedString& Loader::entityLayerOf(const EntityFields& f) {
    const InternedString& layer = layerOf(f);
    if (!layerMade_ && !d_.findLayer(layer))
        d_.addLayer(layer);
    layerMade_ = true;
    return layer;
}

void Loader::layer(GroupRange r) {
    const EntityFields f(s_, r);
    const std::u16string name = decode(trimBlanks(f.bytes(2)));
    if (name.empty())
        return;
    const bool locked = (f.integer(70) & 4) != 0;
    if (d_.findLayer(name))
        d_.setLayerLocked(name, locked);
    else
        d_.addLayer(name, locked, colourOf(f.integer(62, 7)));
}

EntityId Loader::idOf(const EntityFields& f) {
    if (const auto id = handleOf(s_, f))
        return *id;
    return nextUnnamed_++;
}

void Loader::readText(const EntityFields& f, GroupRange r, std::int32_t verticalCode,
                      TextProps& t) const {
    if (const auto marker = f.embedded())
        t.string = decode(embeddedText(s_, r, *marker));
    else
        t.string = decode(f.bytes(1));
    t.insertion = f.point(10);
    t.alignmentPoint = f.at(11) ? f.point(11) : t.insertion;
    t.alignment = alignmentOf(f.integer(72), f.integer(verticalCode));
    t.height = f.real(40, t.height);
    if (const auto style = f.at(7))
        t.style = decode(trimBlanks(s_.value(*style)));
}

void Loader::entity(std::string_view type, GroupRange r) {
    if (type == "ATTRIB" || type == "VERTEX" || type == "SEQEND") {
        if (type == "VERTEX" && polyline_) {
            polyline_->points.push_back(EntityFields(s_, r).point(10));
        } else if (type == "ATTRIB" && insert_ && !skipping_) {
            const EntityFields f(s_, r);
            const EntityId id = idOf(f);
            EntityRecord& a = d_.addLoaded(id, EntityKind::Attribute, entityLayerOf(f));
            readText(f, r, 74, a.text);
            a.tag = decode(trimBlanks(f.bytes(2)));
            a.owner = insert_->id;
            insert_->attributes.push_back(id);
            binding_.add({id, r, {}});
        } else if (type == "SEQEND") {
            if (insert_)
                binding_.setSequenceEnd(insertEntry_, r);
            if (auto p = finishedPolyline({}))
                d_.addShape(std::move(*p));
            insert_ = nullptr;
            skipping_ = false;
        }
        return;
    }
    if (auto p = finishedPolyline({}))
        d_.addShape(std::move(*p));
    insert_ = nullptr;
    skipping_ = false;
    const EntityFields f(s_, r);
    if (f.integer(67) == 1) {  // paper space: kept in the file, not shown
        skipping_ = true;
        return;
    }
    if (type == "TEXT") {
        const EntityId id = idOf(f);
        readText(f, r, 73, d_.addLoaded(id, EntityKind::Text, entityLayerOf(f)).text);
        binding_.add({id, r, {}});
    } else if (type == "INSERT") {
        const EntityId id = idOf(f);
        EntityRecord& e = d_.addLoaded(id, EntityKind::Insert, entityLayerOf(f));
        e.blockName = decode(trimBlanks(f.bytes(2)));
        e.blockInsertion = f.point(10);
        const std::size_t entry = binding_.add({id, r, {}});
        if (f.integer(66) == 1)
            insert_ = &e, insertEntry_ = entry;
    } else if (auto shape = drawnShapeOf(type, r, f)) {
        if (type == "POLYLINE")
            polyline_ = std::move(shape);
        else
            d_.addShape(std::move(*shape));
    }
}

std::optional<Shape> Loader::drawnShapeOf(std::string_view type, GroupRange r,
                                          const EntityFields& f) {
    try {
        return shapeOf(type, r, f);
    } catch (const dxf::DxfError&) {
        return std::nullopt;  // numbers it cannot read (a decimal comma): kept, not drawn
    }
}

std::optional<Shape> Loader::finishedPolyline(const Point& base) {
    std::optional<Shape> done = std::move(polyline_);
    polyline_.reset();
    if (!done)
        return done;
    for (Point& p : done->points)
        p = minus(p, base);
    if (polylineClosed_ && !done->points.empty())
        done->points.push_back(done->points.front());
    return done;
}

std::optional<Shape> Loader::shapeOf(std::string_view type, GroupRange r, const EntityFields& f) {
    Shape sh;
    sh.layer = layerOf(f);
    if (type == "LINE") {
        sh.points = {f.point(10), f.point(11)};
    } else if (type == "LWPOLYLINE") {
        for (std::size_t i = r.first; i < r.end; ++i)
            if (s_.code(i) == 10)
                sh.points.push_back({s_.real(i), 0, 0});
            else if (s_.code(i) == 20 && !sh.points.empty())
                sh.points.back().y = s_.real(i);
        if ((f.integer(70) & 1) && !sh.points.empty())
            sh.points.push_back(sh.points.front());
    } else if (type == "POLYLINE") {
        polylineClosed_ = (f.integer(70) & 1) != 0;  // its vertices follow
    } else if (type == "CIRCLE" || type == "ARC") {
        sh.kind = type == "CIRCLE" ? Shape::Kind::Circle : Shape::Kind::Arc;
        sh.centre = f.point(10);
        sh.radius = f.real(40);
        sh.startAngle = f.real(50);
        sh.endAngle = f.real(51, 360);
    } else if (type == "MTEXT" || type == "TEXT") {
        sh.kind = Shape::Kind::Text;
        sh.centre = f.point(10);
        sh.height = f.real(40, 2.5);
        sh.text =
            type == "MTEXT" ? plainMText(decode(embeddedText(s_, r, r.first))) : decode(f.bytes(1));
    } else {
        return std::nullopt;
    }
    return sh;
}

void Loader::blockEntity(std::string_view type, GroupRange r) {
    if (type == "VERTEX") {
        if (polyline_)
            polyline_->points.push_back(EntityFields(s_, r).point(10));
        return;
    }
    if (auto p = finishedPolyline(blockBase_))
        block_->shapes.push_back(std::move(*p));
    if (type == "SEQEND" || type == "ATTRIB")
        return;
    const EntityFields f(s_, r);
    BlockEntityRecord e{entityClassName(type), {}, {}, {}, {}, {}};
    if (type == "ATTDEF") {
        e.tag = decode(trimBlanks(f.bytes(2)));
        e.prompt = decode(f.bytes(3));
        e.defaultValue = decode(f.bytes(1));
        e.from = minus(f.point(10), blockBase_);
    } else if (type == "LINE") {
        e.from = minus(f.point(10), blockBase_);
        e.to = minus(f.point(11), blockBase_);
    } else if (auto shape = drawnShapeOf(type, r, f)) {
        if (type == "POLYLINE") {
            polyline_ = std::move(shape);
        } else {
            for (Point& p : shape->points)
                p = minus(p, blockBase_);
            shape->centre = minus(shape->centre, blockBase_);
            block_->shapes.push_back(std::move(*shape));
        }
    }
    block_->entities.push_back(std::move(e));
}

}  // namespace

DxfHeader readHeader(const GroupStream& s) {
    DxfHeader h;
    for (std::size_t i = 0; i + 1 < s.size(); ++i) {
        if (s.is(i, 0, "ENDSEC"))
            break;
        if (s.code(i) != 9)
            continue;
        const std::string_view name = trimBlanks(s.value(i));
        if (name == "$ACADVER")
            h.acadVersion = trimBlanks(s.value(i + 1));
        else if (name == "$DWGCODEPAGE")
            h.codePage = trimBlanks(s.value(i + 1));
        else if (name == "$HANDSEED")
            h.handSeed = i + 1;
    }
    return h;
}

std::size_t DxfBinding::add(const Entry& entry) {
    entries_.push_back(entry);
    return entries_.size() - 1;
}

void DxfBinding::setSequenceEnd(std::size_t position, GroupRange range) {
    entries_[position].sequenceEnd = range;
}

void DxfBinding::sort() {
    std::sort(entries_.begin(), entries_.end(),
              [](const Entry& a, const Entry& b) { return a.id < b.id; });
}

const DxfBinding::Entry* DxfBinding::find(EntityId id) const {
    const auto it = std::lower_bound(entries_.begin(), entries_.end(), id,
                                     [](const Entry& e, EntityId v) { return e.id < v; });
    return it != entries_.end() && it->id == id ? &*it : nullptr;
}

DxfBinding loadDrawing(const GroupStream& stream, const dxf::TextRules& text, Drawing& drawing) {
    DxfBinding binding = Loader(stream, text, drawing).run();
    // Above every handle in use, whatever $HANDSEED says: some writers leave it behind.
    EntityId seed = 1;
    const auto seedAt = readHeader(stream).handSeed;
    if (seedAt)
        seed = dxf::parseHexHandle(stream.value(*seedAt)).value_or(seed);
    for (std::size_t i = 0; i < stream.size(); ++i)
        if (dxf::isOwnHandleCode(stream.code(i)) && i != seedAt)
            if (const auto h = dxf::parseHexHandle(stream.value(i)); h && *h >= seed)
                seed = *h + 1;
    drawing.setHandleSeed(seed);
    return binding;
}

}  // namespace tavor::cad::sim
