#include "convert/Numbering.h"

#include <algorithm>
#include <limits>

#include "base/TextUtil.h"

namespace tavor {

namespace {

// The start number as typed in the chosen base. An octal start is read digit by digit as
// OctStrToInt reads it (8 and 9 pass); any text that is no number there, as in the other
// bases, gives the caller's fallback.
std::optional<std::int32_t> readStart(const NumberingFields& f) {
    switch (f.base) {
        case NumberBase::Hexadecimal:
            if (const auto v = ParseHexDigits(f.start))
                return static_cast<std::int32_t>(*v);
            return std::nullopt;
        case NumberBase::Octal:
            return OctStrToInt(f.start);
        case NumberBase::Decimal:
            break;
    }
    return ParseDecimalInt(f.start);
}

// How many numbers start + k * step stay 32-bit values. Hexadecimal wraps modulo 2^32 by
// design; decimal and octal end the run before a number that would not fit, rather than
// write a wrong one.
std::int64_t fittingCount(NumberBase base, std::int32_t start, std::int32_t step) {
    constexpr std::int64_t unlimited = std::numeric_limits<std::int64_t>::max();
    if (base == NumberBase::Hexadecimal || step == 0)
        return unlimited;
    const std::int64_t room = step > 0
                                  ? std::int64_t{std::numeric_limits<std::int32_t>::max()} - start
                                  : std::int64_t{start} - std::numeric_limits<std::int32_t>::min();
    return room / (step > 0 ? std::int64_t{step} : -std::int64_t{step}) + 1;
}

std::int32_t numberAt(NumberBase base, std::int32_t start, std::int32_t step, std::int64_t k) {
    if (base == NumberBase::Hexadecimal)
        return static_cast<std::int32_t>(static_cast<std::uint32_t>(start) +
                                         static_cast<std::uint32_t>(k) *
                                             static_cast<std::uint32_t>(step));
    return static_cast<std::int32_t>(start + k * step);
}

}  // namespace

NumberRun::NumberRun(const NumberingFields& f)
    : prefix_(f.prefix),
      suffix_(f.suffix),
      base_(f.base),
      width_(static_cast<int>(f.start.size())),
      start_(0),
      step_(1) {
    std::int64_t count = 0;
    if (width_ == 0) {
        // The fixed text is made as often as the count says; an empty count makes none,
        // as the preview's "x 0" promises.
        count = ParseDecimalInt(f.count).value_or(0);
    } else {
        count = ParseDecimalInt(f.count).value_or(1);
        start_ = readStart(f).value_or(1);
        step_ = ParseDecimalInt(f.step).value_or(1);
        count = std::min(count, fittingCount(base_, start_, step_));
    }
    count_ = static_cast<int>(std::clamp<std::int64_t>(count, 0, maxCount));
}

std::u16string NumberRun::text(int k) const {
    if (width_ == 0)
        return asciiUpper(prefix_ + suffix_);
    return asciiUpper(prefix_ + FormatNumber(numberAt(base_, start_, step_, k), base_, width_) +
                      suffix_);
}

std::u16string NumberingPreview(const NumberingFields& f) {
    if (f.start.empty()) {
        const std::int32_t count = ParseDecimalInt(f.count).value_or(0);
        return u"[ " + asciiUpper(f.prefix + f.suffix) + u" ] x " + toU16(count);
    }
    const int width = static_cast<int>(f.start.size());
    const std::int32_t start = readStart(f).value_or(0);
    const std::int32_t count = f.base == NumberBase::Decimal ? ParseDecimalInt(f.count).value_or(0)
                                                             : ParseDecimalInt(f.count).value_or(1);
    const std::int32_t step = ParseDecimalInt(f.step).value_or(1);
    // The last number that a run would really write: a run ended early by the 32-bit limit
    // shows its true last text.
    std::int64_t last =
        std::min<std::int64_t>(
            {std::int64_t{count}, fittingCount(f.base, start, step), NumberRun::maxCount}) -
        1;
    if (f.base != NumberBase::Hexadecimal) {
        const std::int64_t value = std::int64_t{start} + last * step;
        if (value < std::numeric_limits<std::int32_t>::min() ||
            value > std::numeric_limits<std::int32_t>::max())
            last = 0;
    }
    const std::u16string lastNumber =
        FormatNumber(numberAt(f.base, start, step, last), f.base, width);
    return asciiUpper(u"[ " + f.prefix + f.start + f.suffix + u" ] ～ [ " + f.prefix + lastNumber +
                      f.suffix + u" ]");
}

}  // namespace tavor
