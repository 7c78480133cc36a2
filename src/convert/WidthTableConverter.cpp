#include "convert/WidthTableConverter.h"

#include <algorithm>
#include <stdexcept>

namespace tavor::zenHanUtil {

namespace {

width::Replacement packed(std::u16string_view to) {
    if (to.empty() || to.size() > 2)
        throw std::invalid_argument("table text of 1 or 2 units");
    return width::replacement(to[0], to.size() == 2 ? to[1] : u'\0');
}

struct PairRow {
    char16_t first, second;
    width::Replacement to;
};

}  // namespace

TableConverter::TableConverter(std::span<const TableRow> rows, WidthForm from)
    : rowCount_(rows.size()) {
    std::vector<PairRow> pairs;
    for (const auto& row : rows) {
        const std::u16string_view key = from == WidthForm::Full ? row.full : row.half;
        const width::Replacement to = packed(from == WidthForm::Full ? row.half : row.full);
        if (key.size() == 1) {
            singles_.add(key[0], to);
            if (width::secondUnit(to) != 0)
                growth_ = 2;
        } else if (key.size() == 2) {
            pairs.push_back({key[0], key[1], to});
        } else {
            throw std::invalid_argument("table text of 1 or 2 units");
        }
        lowest_ = std::min(lowest_, key.front());
        highest_ = std::max(highest_, key.front());
    }
    // Stable, so that each first unit's rules keep their row order.
    std::stable_sort(pairs.begin(), pairs.end(),
                     [](const PairRow& a, const PairRow& b) { return a.first < b.first; });
    for (std::size_t i = 0; i < pairs.size(); ++i) {
        if (i == 0 || pairs[i].first != pairs[i - 1].first)
            pairStarts_.add(pairs[i].first, static_cast<width::Replacement>(i + 1));
        pairFirsts_.push_back(pairs[i].first);
        pairRules_.push_back({pairs[i].second, pairs[i].to});
    }
}

void TableConverter::apply(std::u16string& s, const std::function<void()>& eachRow) const {
    if (!eachRow) {
        // The units before the first one the table looks for stay as they are: most lines hold
        // none and are left unwritten.
        const auto first = std::find_if(s.begin(), s.end(), [this](char16_t c) {
            return c >= lowest_ && c <= highest_ &&
                   (singles_.find(c) != 0 || pairStarts_.find(c) != 0);
        });
        if (first == s.end())
            return;
        const auto done = static_cast<std::size_t>(first - s.begin());
        if (growth_ == 1) {
            // No unit grows, so writing never overtakes reading: convert in place.
            const std::u16string_view rest = std::u16string_view(s).substr(done);
            s.resize(done + convert(rest, s.data() + done, eachRow));
            return;
        }
    }
    // Read from a text of our own: eachRow may run anything, even code that changes s.
    const std::u16string in = std::move(s);
    std::u16string out(in.size() * growth_, u'\0');
    out.resize(convert(in, out.data(), eachRow));
    s = std::move(out);
}

std::size_t TableConverter::convert(std::u16string_view in, char16_t* out,
                                    const std::function<void()>& eachRow) const {
    char16_t* o = out;
    const std::size_t n = in.size();
    const std::size_t rows = eachRow ? rowCount_ : 0;
    std::size_t rowsDone = 0;
    // Position after which the next row's turn comes: row k (1-based) ends at n * k / rows.
    auto rowEnd = [&](std::size_t k) { return rows == 0 ? n + 1 : n * k / rows; };
    std::size_t nextRowEnd = rowEnd(1);

    std::size_t i = 0;
    while (i < n) {
        const char16_t c = in[i];
        width::Replacement to = 0;
        std::size_t used = 1;
        const bool inRange = c >= lowest_ && c <= highest_;
        if (const width::Replacement start =
                inRange && !pairRules_.empty() ? pairStarts_.find(c) : 0;
            start != 0 && i + 1 < n) {
            for (std::size_t r = start - 1; r < pairRules_.size() && pairFirsts_[r] == c; ++r) {
                if (pairRules_[r].second == in[i + 1]) {
                    to = pairRules_[r].to;
                    used = 2;
                    break;
                }
            }
        }
        if (to == 0 && inRange)
            to = singles_.find(c);
        if (to == 0) {
            *o++ = c;
        } else {
            *o++ = width::firstUnit(to);
            if (const char16_t second = width::secondUnit(to))
                *o++ = second;
        }
        i += used;
        while (rowsDone < rows && i >= nextRowEnd) {
            eachRow();
            nextRowEnd = rowEnd(++rowsDone + 1);
        }
    }
    while (rowsDone < rows) {
        eachRow();
        ++rowsDone;
    }
    return static_cast<std::size_t>(o - out);
}

}  // namespace tavor::zenHanUtil
