#pragma once

#include <memory>

#include "cadlink/Document.h"
#include "cadlink/com/Dispatch.h"

namespace tavor::cad::com {

// What the objects of one application share: the dispatch ids of each interface, resolved on
// first use. It lives as long as any object of that application.
struct ComSession {
    DispatchNames application, document, layers, layer, selectionSets, selectionSet, entity, text,
        blockReference, attributeReference, blocks, block, blockEntity;
};
using Session = std::shared_ptr<ComSession>;

// `object` reached with the session's ids of one interface.
inline Dispatch dispatchOf(ComPtr<IDispatch> object, const Session& session,
                           DispatchNames ComSession::*role, ComPtr<IDispatch> plain = {}) {
    return Dispatch(std::move(object),
                    std::shared_ptr<DispatchNames>(session, &(session.get()->*role)),
                    std::move(plain));
}

// A count or index the CAD returns; raises CadError when it does not fit 32 bits.
std::int32_t toInt32(const VARIANT& value);

// An object reached through the session's ids of one interface, with the calls that several
// interfaces share.
class ComRoleObject {
protected:
    ComRoleObject(ComPtr<IDispatch> object, Session session, DispatchNames ComSession::*role,
                  ComPtr<IDispatch> plain = {})
        : session_(std::move(session)),
          d_(dispatchOf(std::move(object), session_, role, std::move(plain))) {}

    std::int32_t count() { return toInt32(d_.get(L"Count").get()); }
    ComPtr<IDispatch> item(std::int32_t index) {
        return toDispatch(d_.get(L"Item", {integerValue(index)}).get());
    }
    std::u16string name() { return toString(d_.get(L"Name").get()); }

    Session session_;
    Dispatch d_;
};

// The document and collection objects and the drawing objects.
std::shared_ptr<Document> makeDocument(ComPtr<IDispatch> object, const Session& session);
std::shared_ptr<Layers> makeLayers(ComPtr<IDispatch> object, const Session& session);
std::shared_ptr<SelectionSets> makeSelectionSets(ComPtr<IDispatch> object, const Session& session);
std::shared_ptr<Blocks> makeBlocks(ComPtr<IDispatch> object, const Session& session);
// A drawing object of a kind not yet known; AsText() and the like tell it.
std::shared_ptr<Entity> makeEntity(ComPtr<IDispatch> object, const Session& session);

}  // namespace tavor::cad::com
