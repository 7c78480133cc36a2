#pragma once

#include <memory>

#include "cadlink/Document.h"
#include "texttab/Tavor.h"

namespace tavor {

// The TEXT of the last entry that has a handle, fetched into `text` (left empty when the fetch
// fails). True when such an entry exists, even when its fetch failed.
bool FindTemplateText(cad::Document& doc, const TextList& list, std::shared_ptr<cad::Text>& text);

}  // namespace tavor
