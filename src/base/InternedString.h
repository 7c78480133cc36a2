#pragma once

#include <string>
#include <string_view>

namespace tavor {

// A string that many objects share, such as a layer, style, tag or block name held by every
// entity of a large drawing: equal strings are stored once, each holder keeps one pointer, and
// a string goes when its last holder does. Thread-safe like a shared_ptr.
class InternedString {
public:
    InternedString() = default;
    InternedString(std::u16string_view text);  // NOLINT: stands in for the string it holds
    InternedString(const std::u16string& text) : InternedString(std::u16string_view(text)) {}
    InternedString(const char16_t* text) : InternedString(std::u16string_view(text)) {}
    InternedString(const InternedString& other);
    InternedString(InternedString&& other) noexcept : node_(other.node_) { other.node_ = nullptr; }
    InternedString& operator=(InternedString other) noexcept {
        std::swap(node_, other.node_);
        return *this;
    }
    ~InternedString() { release(); }

    const std::u16string& str() const;
    operator const std::u16string&() const { return str(); }  // NOLINT: read as a string
    bool empty() const { return node_ == nullptr; }
    std::size_t size() const { return str().size(); }

    // Equal strings share their node, so comparing two is comparing pointers.
    friend bool operator==(const InternedString& a, const InternedString& b) {
        return a.node_ == b.node_;
    }
    friend bool operator==(const InternedString& a, const std::u16string& b) {
        return a.str() == b;
    }
    friend bool operator==(const InternedString& a, const char16_t* b) { return a.str() == b; }

    // How many distinct strings are held now, for tests.
    static std::size_t heldCount();

private:
    struct Node;
    struct Pool;
    static Pool& pool();
    void release() noexcept;

    Node* node_ = nullptr;  // nullptr: the empty string
};

}  // namespace tavor
