#include <initializer_list>

#include "cadlink/CadError.h"
#include "cadlink/com/ComObjects.h"
#include "cadlink/com/ComSession.h"

namespace tavor::cad::com {

namespace {

// How an object shows that it is of a kind: the kind's interface ID where the server answers
// it, else its object name.
struct Kind {
    const IID& iid;
    std::initializer_list<const char16_t*> objectNames;
    const char16_t* label;
};
const Kind kTextKind{kTextIid, {u"AcDbText"}, u"TEXT"};
// A multiple insert is a block reference too.
const Kind kBlockReferenceKind{
    kBlockReferenceIid, {u"AcDbBlockReference", u"AcDbMInsertBlock"}, u"block reference"};
const Kind kAttributeReferenceKind{
    kAttributeReferenceIid, {u"AcDbAttribute"}, u"attribute reference"};

// The object as that kind; raises CadError when it is another.
ComPtr<IDispatch> asKind(Dispatch& d, const Kind& kind) {
    if (auto asked = d.pointer().query<IDispatch>(kind.iid))
        return asked;
    const std::u16string name = toString(d.get(L"ObjectName").get());
    for (const char16_t* objectName : kind.objectNames)
        if (name == objectName)
            return d.pointer();
    throw CadError(u"The object is a " + name + u", not a " + kind.label + u".", E_NOINTERFACE);
}

class ComText;
class ComBlockReference;
class ComAttributeReference;

// What every drawing object offers, whatever its kind.
template <class Interface>
class ComEntityBase : public Interface, protected ComRoleObject {
public:
    ComEntityBase(ComPtr<IDispatch> object, Session session, DispatchNames ComSession::*role)
        : ComRoleObject(std::move(object), std::move(session), role) {}

    Handle GetHandle() override { return toString(d_.get(L"Handle").get()); }
    std::int64_t GetObjectID() override { return toInteger(d_.get(L"ObjectID").get()); }
    void DeleteObject() override { d_.call(L"Delete"); }
    std::u16string GetLayer() override { return toString(d_.get(L"Layer").get()); }
    std::shared_ptr<Entity> CopyEntity() override {
        return makeEntity(toDispatch(d_.call(L"Copy").get()), session_);
    }
    void UpdateEntity() override { d_.call(L"Update"); }

    std::shared_ptr<Text> AsText() override;
    std::shared_ptr<BlockReference> AsBlockReference() override;
    std::shared_ptr<AttributeReference> AsAttributeReference() override;

protected:
    Point getPoint(const wchar_t* name) { return toPoint(d_.get(name).get()); }
    std::u16string getString(const wchar_t* name) { return toString(d_.get(name).get()); }
};

class ComEntity final : public ComEntityBase<Entity> {
public:
    ComEntity(ComPtr<IDispatch> object, Session session)
        : ComEntityBase(std::move(object), std::move(session), &ComSession::entity) {}
};

class ComText final : public ComEntityBase<Text> {
public:
    ComText(ComPtr<IDispatch> object, Session session)
        : ComEntityBase(std::move(object), std::move(session), &ComSession::text) {}

    std::u16string GetTextString() override { return getString(L"TextString"); }
    void SetTextString(const std::u16string& text) override {
        d_.put(L"TextString", stringValue(text));
    }
    std::int32_t GetAlignment() override { return toInt32(d_.get(L"Alignment").get()); }
    void SetAlignment(std::int32_t alignment) override {
        d_.put(L"Alignment", integerValue(alignment));
    }
    Point GetInsertionPoint() override { return getPoint(L"InsertionPoint"); }
    void SetInsertionPoint(const Point& point) override {
        d_.put(L"InsertionPoint", pointValue(point));
    }
    Point GetTextAlignmentPoint() override { return getPoint(L"TextAlignmentPoint"); }
    void SetTextAlignmentPoint(const Point& point) override {
        d_.put(L"TextAlignmentPoint", pointValue(point));
    }
};

class ComAttributeReference final : public ComEntityBase<AttributeReference> {
public:
    ComAttributeReference(ComPtr<IDispatch> object, Session session)
        : ComEntityBase(std::move(object), std::move(session), &ComSession::attributeReference) {}

    std::u16string TagString() override { return getString(L"TagString"); }
    std::u16string GetAttributeText() override { return getString(L"TextString"); }
    void SetAttributeText(const std::u16string& text) override {
        d_.put(L"TextString", stringValue(text));
    }
    Point GetAttributeInsertionPoint() override { return getPoint(L"InsertionPoint"); }
    std::int32_t Alignment() override { return toInt32(d_.get(L"Alignment").get()); }
};

class ComBlockReference final : public ComEntityBase<BlockReference> {
public:
    ComBlockReference(ComPtr<IDispatch> object, Session session)
        : ComEntityBase(std::move(object), std::move(session), &ComSession::blockReference) {}

    bool GetHasAttributes() override { return toBool(d_.get(L"HasAttributes").get()); }
    std::vector<std::shared_ptr<AttributeReference>> GetAttributes() override {
        std::vector<std::shared_ptr<AttributeReference>> out;
        for (auto& attribute : toDispatchArray(d_.call(L"GetAttributes").get()))
            out.push_back(std::make_shared<ComAttributeReference>(std::move(attribute), session_));
        return out;
    }
    Point GetBlockInsertionPoint() override { return getPoint(L"InsertionPoint"); }
    std::u16string GetBlockName() override { return name(); }
};

template <class Interface>
std::shared_ptr<Text> ComEntityBase<Interface>::AsText() {
    return std::make_shared<ComText>(asKind(d_, kTextKind), session_);
}

template <class Interface>
std::shared_ptr<BlockReference> ComEntityBase<Interface>::AsBlockReference() {
    return std::make_shared<ComBlockReference>(asKind(d_, kBlockReferenceKind), session_);
}

template <class Interface>
std::shared_ptr<AttributeReference> ComEntityBase<Interface>::AsAttributeReference() {
    return std::make_shared<ComAttributeReference>(asKind(d_, kAttributeReferenceKind), session_);
}

}  // namespace

std::shared_ptr<Entity> makeEntity(ComPtr<IDispatch> object, const Session& session) {
    return std::make_shared<ComEntity>(std::move(object), session);
}

}  // namespace tavor::cad::com
