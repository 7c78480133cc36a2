#pragma once

#include <string>

#include "cadlink/Document.h"

namespace tavor::cad {

// The names of the drawing's locked layers, each between tabs ("\tA\tB\t"), so that a layer is
// found by searching "\t" + name + "\t". The comparison is exact, case included.
class LockedLayers {
public:
    LockedLayers() = default;
    explicit LockedLayers(Document& doc);

    bool contains(const std::u16string& layer) const;
    const std::u16string& list() const { return list_; }

private:
    std::u16string list_ = u"\t";
};

}  // namespace tavor::cad
