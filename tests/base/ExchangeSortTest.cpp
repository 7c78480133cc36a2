#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <utility>
#include <vector>

#include "base/ExchangeSortOrder.h"

namespace tavor {
namespace {

// key, original position: the position tells tied entries apart.
using Item = std::pair<int, int>;

bool keyLess(const Item& a, const Item& b) {
    return a.first < b.first;
}

std::vector<Item> plainExchangeSort(std::vector<Item> v) {
    for (std::size_t i = 0; i + 1 < v.size(); ++i)
        for (std::size_t j = i + 1; j < v.size(); ++j)
            if (keyLess(v[j], v[i]))
                std::swap(v[i], v[j]);
    return v;
}

std::vector<Item> randomItems(std::mt19937& rng, int size, int distinctKeys) {
    std::uniform_int_distribution<int> key(0, distinctKeys - 1);
    std::vector<Item> v;
    for (int i = 0; i < size; ++i)
        v.emplace_back(key(rng), i);
    return v;
}

void expectSameAsPlain(const std::vector<Item>& input) {
    std::vector<Item> fast = input;
    exchangeSort(fast, keyLess);
    ASSERT_EQ(fast, plainExchangeSort(input)) << "size " << input.size();
}

TEST(ExchangeSortTest, SmallArraysWithHeavyTiesMatchThePlainSortExactly) {
    std::mt19937 rng(20261209);
    for (int round = 0; round < 20000; ++round) {
        const int size = static_cast<int>(rng() % 13);
        const int keys = 1 + static_cast<int>(rng() % 4);
        expectSameAsPlain(randomItems(rng, size, keys));
    }
}

TEST(ExchangeSortTest, LargeArraysMatchThePlainSortExactly) {
    std::mt19937 rng(7);
    for (const auto& [size, keys] :
         {std::pair{2000, 3}, std::pair{3000, 40}, std::pair{2500, 2500}, std::pair{1500, 1}}) {
        expectSameAsPlain(randomItems(rng, size, keys));
    }
}

// number, original position
using Numbered = std::pair<double, int>;

std::vector<Numbered> plainNumberSort(std::vector<Numbered> v, bool descending) {
    const auto less = [&](const Numbered& a, const Numbered& b) {
        return descending ? b.first < a.first : a.first < b.first;
    };
    for (std::size_t i = 0; i + 1 < v.size(); ++i)
        for (std::size_t j = i + 1; j < v.size(); ++j)
            if (less(v[j], v[i]))
                std::swap(v[i], v[j]);
    return v;
}

TEST(ExchangeSortTest, NumberKeysMatchThePlainSortExactlyEitherWay) {
    // Signed zeros tie, as they do under <; infinities and tiny magnitudes keep their places.
    const std::vector<double> pool = {-0.0,
                                      0.0,
                                      1.5,
                                      -1.5,
                                      -8.0,
                                      1e-300,
                                      -1e-300,
                                      std::numeric_limits<double>::infinity(),
                                      -std::numeric_limits<double>::infinity(),
                                      123456.25,
                                      std::numeric_limits<double>::denorm_min()};
    std::mt19937 rng(11);
    for (int round = 0; round < 3000; ++round) {
        const std::size_t size = round < 2990 ? rng() % 40 : 2000 + rng() % 500;
        const std::size_t distinct = 1 + rng() % pool.size();
        std::vector<Numbered> input;
        for (std::size_t i = 0; i < size; ++i)
            input.emplace_back(pool[rng() % distinct], static_cast<int>(i));
        for (const bool descending : {false, true}) {
            std::vector<Numbered> fast = input;
            exchangeSortByNumber(
                fast, [](const Numbered& n) { return n.first; }, descending);
            ASSERT_EQ(fast, plainNumberSort(input, descending))
                << "size " << size << (descending ? " descending" : " ascending");
        }
    }
}

TEST(ExchangeSortTest, TiesAreNotKeptInInputOrder) {
    // (1,a) (1,b) (0,c): swapping c to the front sends a behind b.
    const std::vector<Item> input = {{1, 0}, {1, 1}, {0, 2}};
    std::vector<Item> fast = input;
    exchangeSort(fast, keyLess);
    EXPECT_EQ(fast, (std::vector<Item>{{0, 2}, {1, 1}, {1, 0}}));
}

TEST(ExchangeSortTest, ShortListsStayAsTheyAre) {
    std::vector<Item> empty;
    exchangeSort(empty, keyLess);
    EXPECT_TRUE(empty.empty());
    std::vector<Item> one = {{5, 0}};
    exchangeSort(one, keyLess);
    EXPECT_EQ(one, (std::vector<Item>{{5, 0}}));
}

}  // namespace
}  // namespace tavor
