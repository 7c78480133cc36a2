#include "cadlink/LockedLayers.h"

namespace tavor::cad {

LockedLayers::LockedLayers(Document& doc) {
    const auto layers = doc.GetLayers();
    const std::int32_t count = layers->Count();
    for (std::int32_t i = 0; i < count; ++i) {
        const auto layer = layers->Item(i);
        if (layer->Lock())
            list_ += layer->Name() + u"\t";
    }
}

bool LockedLayers::contains(const std::u16string& layer) const {
    return list_.find(u"\t" + layer + u"\t") != std::u16string::npos;
}

}  // namespace tavor::cad
