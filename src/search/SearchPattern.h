#pragma once

#include <string>

#include "cadlink/SelectionFilter.h"

namespace tavor {

// The CAD wildcard pattern for the typed text: every text when it is empty, texts that begin
// with it when `prefix` is set, otherwise texts that hold it anywhere. The typed text is passed
// on as it stands, so its own wildcards keep their meaning.
std::u16string searchPattern(const std::u16string& typed, bool prefix);

// TEXT entities whose string matches the pattern.
cad::SelectionFilter searchFilter(const std::u16string& pattern);

}  // namespace tavor
