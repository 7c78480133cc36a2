#pragma once

#include <memory>

#include "cadlink/Document.h"
#include "texttab/Tavor.h"

namespace tavor {

// The TEXT of the last entry that has a handle, fetched into `text` (left empty when the fetch
// fails). True when such an entry exists, even when its fetch failed.
bool FindTemplateText(cad::Document& doc, const TextList& list, std::shared_ptr<cad::Text>& text);

// A template whose TEXT could not be fetched (erased in the CAD meanwhile) cannot be copied:
// raises, which ends the run with its fixed message.
cad::Text& usableTemplate(const std::shared_ptr<cad::Text>& text);

}  // namespace tavor
