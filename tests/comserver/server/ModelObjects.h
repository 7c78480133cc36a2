#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <memory>

#include "cadlink/Document.h"
#include "cadlink/Objects.h"
#include "cadlink/sim/SimCad.h"
#include "comserver/Values.h"
#include "comserver/server/ServerState.h"

namespace tavor::test::fakecad {

// What every model object knows: the server, and the simulated CAD it was handed out by (which
// stays the same for the object's life even when the server is reset meanwhile).
struct ModelContext {
    ServerState& state;
    std::shared_ptr<cad::sim::SimCad> cad;
};

// The application object of the CAD class, with one reference for the caller.
IDispatch* newApplicationObject(ServerState& state);

Value documentObject(const ModelContext& context, std::shared_ptr<cad::Document> document);
Value layersObject(const ModelContext& context, std::shared_ptr<cad::Layers> layers);
Value blocksObject(const ModelContext& context, std::shared_ptr<cad::Blocks> blocks);
Value selectionSetsObject(const ModelContext& context, std::shared_ptr<cad::SelectionSets> sets);
Value selectionSetObject(const ModelContext& context, std::shared_ptr<cad::SelectionSet> set);
// The object of the interface its kind has: a text, a block reference or an attribute reference.
Value entityObject(const ModelContext& context, const std::shared_ptr<cad::Object>& object);

// A window handle or an object id: VT_I8, or VT_I4 when the switch says so.
Value wideInteger(const ServerState& state, std::int64_t value);

}  // namespace tavor::test::fakecad
