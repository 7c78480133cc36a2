#pragma once

#include <cstdint>
#include <string>

#include "convert/NumberText.h"

namespace tavor {

// The numbering dialog's fields as typed.
struct NumberingFields {
    NumberBase base = NumberBase::Decimal;
    std::u16string prefix, start, suffix, step, count;
};

// The texts that one numbering run creates: prefix, number, suffix, upper-cased in ASCII.
class NumberRun {
public:
    explicit NumberRun(const NumberingFields& fields);

    int count() const { return count_; }
    std::u16string text(int k) const;  // 0 <= k < count()

    // Most texts one run creates, so that a slip of the finger cannot exhaust memory.
    static constexpr int maxCount = 1'000'000;

private:
    std::u16string prefix_, suffix_;
    NumberBase base_;
    int width_;  // 0: the fixed text prefix + suffix
    std::int32_t start_, step_;
    int count_;
};

// The dialog's preview: the first and the last text, or the fixed text and its count.
std::u16string NumberingPreview(const NumberingFields& fields);

}  // namespace tavor
