#include "comserver/server/Failures.h"

#include <algorithm>

namespace tavor::test::fakecad {

namespace {

char16_t asciiLower(char16_t c) {
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

}  // namespace

bool sameAsciiName(std::u16string_view a, std::u16string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return asciiLower(x) == asciiLower(y); });
}

void Failures::add(InjectedFailure failure) {
    if (failure.remaining > 0)
        pending_.push_back(std::move(failure));
}

std::optional<InjectedFailure> Failures::take(std::u16string_view name) {
    const auto it = std::find_if(pending_.begin(), pending_.end(), [&](const InjectedFailure& f) {
        return f.name.empty() || sameAsciiName(f.name, name);
    });
    if (it == pending_.end())
        return std::nullopt;
    InjectedFailure taken = *it;
    if (--it->remaining == 0)
        pending_.erase(it);
    return taken;
}

std::optional<InjectedFailure> Failures::countCall(std::u16string_view name) {
    if (++calls_ != failingCall_)
        return std::nullopt;
    failedMember_ = name;
    return callFailure_;
}

void Failures::failCall(int number, InjectedFailure failure) {
    calls_ = 0;
    failingCall_ = number;
    callFailure_ = std::move(failure);
    failedMember_.clear();
}

void Failures::clear() {
    pending_.clear();
    failCall(0, {});
}

}  // namespace tavor::test::fakecad
