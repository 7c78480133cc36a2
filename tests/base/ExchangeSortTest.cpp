#include <gtest/gtest.h>

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
