#pragma once

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <numeric>
#include <type_traits>
#include <utility>
#include <vector>

namespace tavor {

namespace detail {

// Counts over positions 0..n-1: add or remove one at a position, sum a prefix, find the k-th
// counted slot.
template <class Count>
class FenwickCounts {
public:
    explicit FenwickCounts(std::size_t n) : tree_(n + 1, 0) {}

    // Every position counted once, built in linear time.
    static FenwickCounts allOnes(std::size_t n) {
        FenwickCounts counts(n);
        for (std::size_t i = 1; i < counts.tree_.size(); ++i)
            counts.tree_[i] = static_cast<Count>(i & (~i + 1));
        return counts;
    }

    void add(std::size_t pos) {
        for (std::size_t i = pos + 1; i < tree_.size(); i += i & (~i + 1))
            ++tree_[i];
    }
    void remove(std::size_t pos) {
        for (std::size_t i = pos + 1; i < tree_.size(); i += i & (~i + 1))
            --tree_[i];
    }
    // Sum over positions [0, pos).
    Count prefix(std::size_t pos) const {
        Count s = 0;
        for (std::size_t i = pos; i > 0; i -= i & (~i + 1))
            s += tree_[i];
        return s;
    }
    // The position of the (k+1)-th counted slot, counts being 0 or 1.
    std::size_t findKth(Count k) const {
        std::size_t pos = 0;
        std::size_t step = 1;
        while (step * 2 < tree_.size())
            step *= 2;
        for (; step > 0; step /= 2) {
            if (pos + step < tree_.size() && tree_[pos + step] <= k) {
                pos += step;
                k -= tree_[pos];
            }
        }
        return pos;
    }

private:
    std::vector<Count> tree_;
};

// The order in which the exchange sort leaves one group of equal keys. Reading the input from
// the left, the group behaves as a queue: a member joins the back, and every smaller entry met
// after it moves the front member to the back. `rotations[t]` is the number of smaller entries
// after member t and before member t+1 (or the end). Returns the members' ranks in the group
// (0 = first in input order) in their final order.
inline std::vector<std::size_t> groupOrder(const std::vector<std::size_t>& rotations) {
    const std::size_t m = rotations.size();
    // The queue as a cycle with a front index: joining the back inserts just before the front.
    std::vector<std::size_t> insertAt(m);
    std::size_t front = 0;
    for (std::size_t t = 0; t < m; ++t) {
        insertAt[t] = front;
        // Advance the front by 1 + rotations[t] around a cycle of t + 1; a division only when
        // the rotations go round more than once.
        const std::size_t size = t + 1;
        const std::size_t turn = rotations[t] < size ? rotations[t] : rotations[t] % size;
        front += 1 + turn;
        while (front >= size)
            front -= size;
    }
    std::vector<std::size_t> cycle;
    constexpr std::size_t kShortQueue = 128;
    if (m <= kShortQueue) {
        // A short queue is cheaper to build by inserting than to replay.
        cycle.reserve(m);
        for (std::size_t t = 0; t < m; ++t)
            cycle.insert(cycle.begin() + static_cast<std::ptrdiff_t>(insertAt[t]), t);
    } else {
        // Replay the insertions backwards: the last one keeps its index, each earlier one takes
        // the free slot its index names among those left.
        cycle.resize(m);
        auto free = FenwickCounts<std::size_t>::allOnes(m);
        for (std::size_t t = m; t-- > 0;) {
            const std::size_t slot = free.findKth(insertAt[t]);
            cycle[slot] = t;
            free.remove(slot);
        }
    }
    std::rotate(cycle.begin(), cycle.begin() + static_cast<std::ptrdiff_t>(front), cycle.end());
    return cycle;
}

// Turns `order`, the input positions sorted stably by key, into the order the exchange sort
// leaves: each run of equal keys is reordered in place. tiesWith(b, t) tells whether the entry
// at t ties with the one at b (b < t); it is asked only before `order` changes.
template <class Index, class TiesWith>
void reorderTies(std::vector<Index>& order, TiesWith tiesWith) {
    const std::size_t n = order.size();
    constexpr Index kTied = Index{1} << (std::numeric_limits<Index>::digits - 1);
    // The key's rank at every input position, marked when others share the key.
    std::vector<Index> rankAt(n);
    std::vector<std::pair<std::size_t, std::size_t>> tiedRuns;
    std::size_t ranks = 0;
    for (std::size_t begin = 0, end = 0; begin < n; begin = end, ++ranks) {
        end = begin + 1;
        while (end < n && tiesWith(begin, end))
            ++end;
        const Index mark = end - begin > 1 ? kTied : Index{0};
        if (mark)
            tiedRuns.emplace_back(begin, end);
        for (std::size_t t = begin; t < end; ++t)
            rankAt[order[t]] = static_cast<Index>(ranks) | mark;
    }
    if (tiedRuns.empty())
        return;
    // Reading the input from the left, a tied entry learns how many entries of smaller key lie
    // before it; the counts are kept per rank, which is as small as the number of keys.
    FenwickCounts<Index> seen(ranks);
    for (std::size_t p = 0; p < n; ++p) {
        const Index rank = rankAt[p] & static_cast<Index>(~kTied);
        if (rankAt[p] & kTied)
            rankAt[p] = seen.prefix(rank);
        seen.add(rank);
    }
    std::vector<std::size_t> rotations;
    std::vector<Index> members;
    for (const auto& [begin, end] : tiedRuns) {
        // Members lie in input order, thanks to the stable sort; `begin` entries are smaller.
        rotations.resize(end - begin);
        for (std::size_t t = begin; t < end; ++t) {
            const std::size_t before = t + 1 < end ? rankAt[order[t + 1]] : begin;
            rotations[t - begin] = before - rankAt[order[t]];
        }
        members.assign(order.begin() + static_cast<std::ptrdiff_t>(begin),
                       order.begin() + static_cast<std::ptrdiff_t>(end));
        const std::vector<std::size_t> ranked = groupOrder(rotations);
        for (std::size_t k = 0; k < ranked.size(); ++k)
            order[begin + k] = members[ranked[k]];
    }
}

// Asks for the cache lines of an item before it is needed.
template <class T>
void prefetch(const T& item) {
#if defined(__GNUC__)
    const char* bytes = reinterpret_cast<const char*>(&item);
    for (std::size_t offset = 0; offset < sizeof(T); offset += 64)
        __builtin_prefetch(bytes + offset);
#else
    static_cast<void>(item);
#endif
}

}  // namespace detail

// The order in which the plain exchange sort (for i < j, swap when less(j, i)) leaves positions
// 0..n-1, ties included, in O(n log n): result[k] is the input position that ends at k. `less`
// compares two input positions and must be a strict weak order.
template <class LessAt>
std::vector<std::size_t> exchangeSortOrder(std::size_t n, LessAt less) {
    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    if (n < 2)
        return order;
    std::stable_sort(order.begin(), order.end(), less);
    detail::reorderTies(order,
                        [&](std::size_t b, std::size_t t) { return !less(order[b], order[t]); });
    return order;
}

// Puts items[order[k]] at k, moving each item once along the permutation's cycles; `order` is
// used up as the record of what has been placed. The items a cycle reaches next are fetched
// ahead, since they lie anywhere in memory.
template <class T, class Index>
void applyOrder(std::vector<T>& items, std::vector<Index>& order) {
    constexpr Index kPlaced = std::numeric_limits<Index>::max();
    constexpr int kLookahead = 8;
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (order[start] == kPlaced || order[start] == start) {
            order[start] = kPlaced;
            continue;
        }
        std::size_t ahead = order[start];
        for (int d = 0; d < kLookahead && ahead != start; ++d) {
            detail::prefetch(items[ahead]);
            ahead = order[ahead];
        }
        T held = std::move(items[start]);
        std::size_t k = start;
        while (order[k] != start) {
            const std::size_t from = order[k];
            if (ahead != start) {
                detail::prefetch(items[ahead]);
                ahead = order[ahead];
            }
            items[k] = std::move(items[from]);
            order[k] = kPlaced;
            k = from;
        }
        items[k] = std::move(held);
        order[k] = kPlaced;
    }
}

// Reorders `items` exactly as the plain exchange sort does (for i < j, swap when
// less(items[j], items[i])), ties included, in O(n log n). `less` must be a strict weak order.
template <class T, class Less>
void exchangeSort(std::vector<T>& items, Less less) {
    std::vector<std::size_t> order = exchangeSortOrder(
        items.size(), [&](std::size_t a, std::size_t b) { return less(items[a], items[b]); });
    applyOrder(items, order);
}

namespace detail {

// Positions sorted stably by code: a radix sort a byte at a time from the lowest, skipping
// the bytes every code shares.
template <class Index>
std::vector<Index> stableOrderByCode(const std::vector<std::uint64_t>& codes) {
    const std::size_t n = codes.size();
    std::vector<Index> order(n);
    std::iota(order.begin(), order.end(), Index{0});
    if (n < 2)
        return order;
    constexpr int kBytes = 8;
    const auto byteOf = [](std::uint64_t code, int b) { return (code >> (8 * b)) & 0xFF; };
    std::array<std::array<std::size_t, 256>, kBytes> starts{};
    for (const std::uint64_t code : codes)
        for (int b = 0; b < kBytes; ++b)
            ++starts[b][byteOf(code, b)];
    std::vector<Index> spare;
    for (int b = 0; b < kBytes; ++b) {
        std::array<std::size_t, 256>& start = starts[b];
        if (start[byteOf(codes.front(), b)] == n)
            continue;
        std::size_t sum = 0;
        for (std::size_t& count : start)
            sum += std::exchange(count, sum);
        spare.resize(n);
        for (const Index i : order)
            spare[start[byteOf(codes[i], b)]++] = i;
        order.swap(spare);
    }
    return order;
}

template <class Index>
std::vector<Index> exchangeOrderByCode(const std::vector<std::uint64_t>& codes) {
    std::vector<Index> order = stableOrderByCode<Index>(codes);
    reorderTies(order,
                [&](std::size_t b, std::size_t t) { return codes[order[b]] == codes[order[t]]; });
    return order;
}

template <class Index, class T, class KeyOf, class Less>
void exchangeSortByKeys(std::vector<T>& items, KeyOf keyOf, Less less) {
    using Key = std::decay_t<decltype(keyOf(items.front()))>;
    std::vector<Key> keys;
    keys.reserve(items.size());
    for (const T& item : items)
        keys.push_back(keyOf(item));
    std::vector<Index> order(items.size());
    std::iota(order.begin(), order.end(), Index{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](Index a, Index b) { return less(keys[a], keys[b]); });
    reorderTies(
        order, [&](std::size_t b, std::size_t t) { return !less(keys[order[b]], keys[order[t]]); });
    keys = {};
    applyOrder(items, order);
}

}  // namespace detail

// A code whose unsigned order is the number's order, -0 and +0 being one; descending turns
// the order round. A NaN, which has no place among numbers, sorts beyond the infinities.
inline std::uint64_t orderedBits(double number, bool descending) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(number == 0.0 ? 0.0 : number);
    const std::uint64_t sign = std::uint64_t{1} << 63;
    const std::uint64_t code = (bits & sign) ? ~bits : bits | sign;
    return descending ? ~code : code;
}

namespace detail {

template <class Range, class NumberOf>
std::vector<std::uint64_t> orderedCodes(const Range& items, NumberOf numberOf, bool descending) {
    std::vector<std::uint64_t> codes;
    codes.reserve(items.size());
    for (const auto& item : items)
        codes.push_back(orderedBits(numberOf(item), descending));
    return codes;
}

// Calls `sort` with a position of the smallest type that numbers every item (32 bits below
// 2^31 items), so that the order and the scratch arrays take as little memory as they can.
template <class Sort>
void withPositionType(std::size_t size, Sort sort) {
    if (size < (std::size_t{1} << 31))
        sort(std::uint32_t{});
    else
        sort(std::size_t{});
}

}  // namespace detail

// The order in which the plain exchange sort leaves positions 0..n-1 of `numbers`, ascending
// or descending, through a radix sort instead of comparisons.
inline std::vector<std::size_t> exchangeSortOrderByNumber(const std::vector<double>& numbers,
                                                          bool descending) {
    return detail::exchangeOrderByCode<std::size_t>(detail::orderedCodes(
        numbers, [](double number) { return number; }, descending));
}

// Reorders `items` as the plain exchange sort does on the numbers `numberOf` gives, ascending
// or descending.
template <class T, class NumberOf>
void exchangeSortByNumber(std::vector<T>& items, NumberOf numberOf, bool descending) {
    if (items.size() < 2)
        return;
    std::vector<std::uint64_t> codes = detail::orderedCodes(items, numberOf, descending);
    detail::withPositionType(items.size(), [&](auto position) {
        auto order = detail::exchangeOrderByCode<decltype(position)>(codes);
        codes = {};  // freed before the records move
        applyOrder(items, order);
    });
}

// The same order with each key taken out once, so that the sort compares keys held in one
// array rather than reaching into the items.
template <class T, class KeyOf, class Less>
void exchangeSortBy(std::vector<T>& items, KeyOf keyOf, Less less) {
    if (items.size() < 2)
        return;
    detail::withPositionType(items.size(), [&](auto position) {
        detail::exchangeSortByKeys<decltype(position)>(items, keyOf, less);
    });
}

}  // namespace tavor
