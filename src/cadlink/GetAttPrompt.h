#pragma once

#include <string>

#include "cadlink/Document.h"

namespace tavor::cad {

inline constexpr char16_t kAttributeDefinition[] = u"AcDbAttributeDefinition";

// The prompt of the attribute definition with the TAG in the block definition of that name, or
// empty. Only the first block definition whose name matches is searched; names and TAGs are
// compared exactly, case included. A failing CAD call reaches the caller.
std::u16string GetAttPrompt(Document& document, const std::u16string& blockName,
                            const std::u16string& tag);

}  // namespace tavor::cad
