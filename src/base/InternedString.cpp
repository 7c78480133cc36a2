#include "base/InternedString.h"

#include <atomic>
#include <mutex>
#include <unordered_set>

namespace tavor {

struct InternedString::Node {
    std::u16string text;
    std::atomic<std::size_t> holders{1};
};

// Every node that is held, by its text. Counts change without the lock while a holder keeps
// the node alive; finding a node and letting go of the last holder happen under it.
struct InternedString::Pool {
    static std::u16string_view textOf(const Node* n) { return n->text; }
    static std::u16string_view textOf(std::u16string_view s) { return s; }
    struct Hash {
        using is_transparent = void;
        template <class T>
        std::size_t operator()(const T& t) const {
            return std::hash<std::u16string_view>()(textOf(t));
        }
    };
    struct Equal {
        using is_transparent = void;
        template <class A, class B>
        bool operator()(const A& a, const B& b) const {
            return textOf(a) == textOf(b);
        }
    };

    std::mutex mutex;
    std::unordered_set<Node*, Hash, Equal> nodes;
};

InternedString::Pool& InternedString::pool() {
    static auto* p = new Pool;  // outlives every static holder, whatever the order of exit
    return *p;
}

namespace {

const std::u16string kEmpty;

}  // namespace

InternedString::InternedString(std::u16string_view text) {
    if (text.empty())
        return;
    auto& p = pool();
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
    auto& p = pool();
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
    auto& p = pool();
    std::lock_guard lock(p.mutex);
    return p.nodes.size();
}

}  // namespace tavor
