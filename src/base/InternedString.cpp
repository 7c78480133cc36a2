#include "base/InternedString.h"

#include <atomic>
#include <mutex>
#include <unordered_set>

namespace tavor {

struct InternedString::Node {
    std::u16string text;
    std::atomic<std::size_t> holders{1};
};

namespace {

struct NodeHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view s) const {
        return std::hash<std::u16string_view>()(s);
    }
    template <class N>
    std::size_t operator()(const N* n) const {
        return (*this)(std::u16string_view(n->text));
    }
};

struct NodeEqual {
    using is_transparent = void;
    template <class N>
    static std::u16string_view textOf(const N* n) {
        return n->text;
    }
    static std::u16string_view textOf(std::u16string_view s) { return s; }
    template <class A, class B>
    bool operator()(const A& a, const B& b) const {
        return textOf(a) == textOf(b);
    }
};

// Every node that is held, by its text. Counts change without the lock while a holder keeps
// the node alive; finding a node and letting go of the last holder happen under it.
template <class N>
struct Pool {
    std::mutex mutex;
    std::unordered_set<N*, NodeHash, NodeEqual> nodes;
};

template <class N>
Pool<N>& pool() {
    static auto* p = new Pool<N>;  // outlives every static holder, whatever the order of exit
    return *p;
}

const std::u16string kEmpty;

}  // namespace

InternedString::InternedString(std::u16string_view text) {
    if (text.empty())
        return;
    auto& p = pool<Node>();
    std::lock_guard lock(p.mutex);
    if (const auto it = p.nodes.find(text); it != p.nodes.end()) {
        node_ = *it;
        node_->holders.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    node_ = new Node{std::u16string(text)};
    p.nodes.insert(node_);
}

InternedString::InternedString(const InternedString& other) : node_(other.node_) {
    if (node_)
        node_->holders.fetch_add(1, std::memory_order_relaxed);
}

void InternedString::release() noexcept {
    if (!node_)
        return;
    // Not the last holder: nobody can be freeing the node, so the count drops without the lock.
    std::size_t n = node_->holders.load(std::memory_order_relaxed);
    while (n > 1)
        if (node_->holders.compare_exchange_weak(n, n - 1, std::memory_order_acq_rel))
            return;
    // Perhaps the last: the lock keeps anyone from finding the node while it goes.
    auto& p = pool<Node>();
    std::lock_guard lock(p.mutex);
    if (node_->holders.fetch_sub(1, std::memory_order_acq_rel) == 1) {
        p.nodes.erase(node_);
        delete node_;
    }
}

const std::u16string& InternedString::str() const {
    return node_ ? node_->text : kEmpty;
}

std::size_t InternedString::heldCount() {
    auto& p = pool<Node>();
    std::lock_guard lock(p.mutex);
    return p.nodes.size();
}

}  // namespace tavor
