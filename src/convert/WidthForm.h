#pragma once

namespace tavor {

// The two forms a width mapping converts to.
enum class WidthForm { Full, Half };

}  // namespace tavor
