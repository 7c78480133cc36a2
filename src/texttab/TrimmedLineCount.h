#pragma once

#include "ui/LineEditor.h"

namespace tavor {

// The editor's line count without its blank trailing lines; only blank lines give 0.
int TrimmedLineCount(const LineEditor& editor);

}  // namespace tavor
