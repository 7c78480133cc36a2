#pragma once

#include <algorithm>
#include <cstddef>
#include <numeric>
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

}  // namespace detail

// Reorders `items` exactly as the plain exchange sort does (for i < j, swap when
// less(items[j], items[i])), ties included, in O(n log n). `less` must be a strict weak order.
template <class T, class Less>
void exchangeSort(std::vector<T>& items, Less less) {
    const std::size_t n = items.size();
    if (n < 2)
        return;
    std::vector<std::size_t> byKey(n);
    std::iota(byKey.begin(), byKey.end(), std::size_t{0});
    std::stable_sort(byKey.begin(), byKey.end(),
                     [&](std::size_t a, std::size_t b) { return less(items[a], items[b]); });

    std::vector<std::size_t> order;
    order.reserve(n);
    detail::FenwickCounts smaller(n);  // input positions of entries of the groups done so far
    std::size_t begin = 0;
    while (begin < n) {
        std::size_t end = begin + 1;
        while (end < n && !less(items[byKey[begin]], items[byKey[end]]))
            ++end;
        // Members in input order, thanks to the stable sort.
        std::vector<std::size_t> rotations(end - begin);
        for (std::size_t t = begin; t < end; ++t) {
            const std::size_t from = byKey[t] + 1;
            const std::size_t to = t + 1 < end ? byKey[t + 1] : n;
            rotations[t - begin] =
                static_cast<std::size_t>(smaller.prefix(to) - smaller.prefix(from));
        }
        for (const std::size_t rank : detail::groupOrder(rotations))
            order.push_back(byKey[begin + rank]);
        for (std::size_t t = begin; t < end; ++t)
            smaller.add(byKey[t], 1);
        begin = end;
    }

    std::vector<T> sorted;
    sorted.reserve(n);
    for (const std::size_t i : order)
        sorted.push_back(std::move(items[i]));
    items = std::move(sorted);
}

}  // namespace tavor
