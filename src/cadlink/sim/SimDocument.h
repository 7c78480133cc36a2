#pragma once

#include <memory>

#include "cadlink/Document.h"
#include "cadlink/sim/SimCad.h"

namespace tavor::cad::sim {

// The automation objects of the simulated CAD's application and its one drawing.
std::shared_ptr<Application> makeApplicationObject(const std::shared_ptr<SimCad>& cad);
std::shared_ptr<Document> makeDocumentObject(const std::shared_ptr<SimCad>& cad);

}  // namespace tavor::cad::sim
