#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <type_traits>
#include <utility>
#include <vector>

namespace tavor {

namespace detail {

// Counts over positions 0..n-1: add one at a position, sum a prefix, find the k-th set slot.
class FenwickCounts {
public:
    explicit FenwickCounts(std::size_t n) : tree_(n + 1, 0) {}

    void add(std::size_t pos, int delta) {
        for (std::size_t i = pos + 1; i < tree_.size(); i += i & (~i + 1))
            tree_[i] += delta;
    }
    // Sum over positions [0, pos).
    int prefix(std::size_t pos) const {
        int s = 0;
        for (std::size_t i = pos; i > 0; i -= i & (~i + 1))
            s += tree_[i];
        return s;
    }
    // The position of the (k+1)-th counted slot, counts being 0 or 1.
    std::size_t findKth(int k) const {
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
    std::vector<int> tree_;
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
        const std::size_t size = t + 1;
        front = (front + 1) % size;
        front = (front + rotations[t] % size) % size;
    }
    // Replay the insertions backwards: the last one keeps its index, each earlier one takes the
    // free slot its index names among those left.
    FenwickCounts free(m);
    for (std::size_t i = 0; i < m; ++i)
        free.add(i, 1);
    std::vector<std::size_t> cycle(m);
    for (std::size_t t = m; t-- > 0;) {
        const std::size_t slot = free.findKth(static_cast<int>(insertAt[t]));
        cycle[slot] = t;
        free.add(slot, -1);
    }
    std::rotate(cycle.begin(), cycle.begin() + static_cast<std::ptrdiff_t>(front), cycle.end());
    return cycle;
}

// The exchange sort's order from the entries sorted stably by key: posAt(t) is the input
// position of the t-th entry in key order, tiesWith(b, t) tells whether the t-th ties with the
// b-th (b < t). Groups of equal keys are reordered as the exchange sort leaves them; a group of
// one needs no counting.
template <class PosAt, class TiesWith>
std::vector<std::size_t> orderFromKeyOrder(std::size_t n, PosAt posAt, TiesWith tiesWith) {
    std::vector<std::size_t> order;
    order.reserve(n);
    FenwickCounts smaller(n);  // input positions of entries of the groups done so far
    std::vector<std::size_t> rotations;
    std::size_t begin = 0;
    while (begin < n) {
        std::size_t end = begin + 1;
        while (end < n && tiesWith(begin, end))
            ++end;
        if (end - begin == 1) {
            order.push_back(posAt(begin));
            smaller.add(posAt(begin), 1);
            begin = end;
            continue;
        }
        // Members in input order, thanks to the stable sort.
        rotations.assign(end - begin, 0);
        for (std::size_t t = begin; t < end; ++t) {
            const std::size_t from = posAt(t) + 1;
            const std::size_t to = t + 1 < end ? posAt(t + 1) : n;
            rotations[t - begin] =
                static_cast<std::size_t>(smaller.prefix(to) - smaller.prefix(from));
        }
        for (const std::size_t rank : groupOrder(rotations))
            order.push_back(posAt(begin + rank));
        for (std::size_t t = begin; t < end; ++t)
            smaller.add(posAt(t), 1);
        begin = end;
    }
    return order;
}

}  // namespace detail

// The order in which the plain exchange sort (for i < j, swap when less(j, i)) leaves positions
// 0..n-1, ties included, in O(n log n): result[k] is the input position that ends at k. `less`
// compares two input positions and must be a strict weak order.
template <class LessAt>
std::vector<std::size_t> exchangeSortOrder(std::size_t n, LessAt less) {
    std::vector<std::size_t> byKey(n);
    std::iota(byKey.begin(), byKey.end(), std::size_t{0});
    if (n < 2)
        return byKey;
    std::stable_sort(byKey.begin(), byKey.end(), less);
    return detail::orderFromKeyOrder(
        n, [&](std::size_t t) { return byKey[t]; },
        [&](std::size_t b, std::size_t t) { return !less(byKey[b], byKey[t]); });
}

// Puts items[order[k]] at k, moving each item once along the permutation's cycles; `order` is
// used up as the record of what has been placed.
template <class T>
void applyOrder(std::vector<T>& items, std::vector<std::size_t>& order) {
    constexpr std::size_t kPlaced = static_cast<std::size_t>(-1);
    for (std::size_t start = 0; start < order.size(); ++start) {
        if (order[start] == kPlaced || order[start] == start) {
            order[start] = kPlaced;
            continue;
        }
        T held = std::move(items[start]);
        std::size_t k = start;
        while (order[k] != start) {
            const std::size_t from = order[k];
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

// The same order with each key taken out once beside its position, so that the sort compares
// keys held in one array rather than reaching into the items.
template <class T, class KeyOf, class Less>
void exchangeSortBy(std::vector<T>& items, KeyOf keyOf, Less less) {
    using Key = std::decay_t<decltype(keyOf(items.front()))>;
    const std::size_t n = items.size();
    if (n < 2)
        return;
    std::vector<std::pair<Key, std::size_t>> keyed;
    keyed.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        keyed.emplace_back(keyOf(items[i]), i);
    std::stable_sort(keyed.begin(), keyed.end(),
                     [&](const auto& a, const auto& b) { return less(a.first, b.first); });
    std::vector<std::size_t> order = detail::orderFromKeyOrder(
        n, [&](std::size_t t) { return keyed[t].second; },
        [&](std::size_t b, std::size_t t) { return !less(keyed[b].first, keyed[t].first); });
    keyed = {};
    applyOrder(items, order);
}

}  // namespace tavor
