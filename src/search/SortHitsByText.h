#pragma once

#include "search/Tavor2.h"
#include "ui/Controls.h"
#include "ui/Platform.h"

namespace tavor {

// Orders the hits by text exactly as the plain exchange sort does (for i < j, swap the whole
// records when text i > text j), equal texts included, but in O(n log n). Texts compare as
// UTF-16 code units, so a proper prefix sorts first and upper-case Latin letters before
// lower-case ones. The label shows that the sort runs and is empty afterwards.
void SortHitsByText(HitList& hits, TLabel& label, Platform& platform);

}  // namespace tavor
