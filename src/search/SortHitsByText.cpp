#include "search/SortHitsByText.h"

#include "base/ExchangeSortOrder.h"
#include "base/TextUtil.h"

namespace tavor {

void SortHitsByText(HitList& hits, TLabel& label, Platform& platform) {
    const std::size_t n = hits.size();
    if (n < 2)
        return;
    // The whole sort takes a fraction of a second; one progress step is all there is to show.
    label.caption = u"1 / " + toU16(static_cast<long long>(n - 1));
    platform.processMessages();
    // The keys are copies of the texts, close together, so that comparing them stays in cache.
    // std::u16string's own order compares char16_t code units as unsigned numbers.
    exchangeSortBy(
        hits, [](const Tavor2& hit) { return hit.text; },
        [](const std::u16string& a, const std::u16string& b) { return a < b; });
    label.caption = u"";
}

}  // namespace tavor
