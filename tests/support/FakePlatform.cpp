#include "FakePlatform.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "base/TextUtil.h"

namespace tavor::test {

void FakePlatform::processMessages() {
    ++processMessagesCalls;
    auto [first, last] = atCalls_.equal_range(processMessagesCalls);
    std::vector<std::function<void()>> due;
    for (auto it = first; it != last; ++it)
        due.push_back(it->second);
    atCalls_.erase(first, last);
    for (auto& action : due)
        action();
}

ModalResult FakePlatform::messageBox(const std::u16string& text, const std::u16string& caption,
                                     MessageKind kind, MessageButtons buttons) {
    messages.push_back({text, caption, kind, buttons});
    return buttons == MessageButtons::YesNo ? ModalResult::Yes : ModalResult::Ok;
}

void FakePlatform::setClipboardText(const std::u16string& text) {
    if (clipboardFails)
        throw std::runtime_error("the clipboard cannot be opened");
    clipboard = text;
}

void FakePlatform::setStayOnTop(FormId form, bool on) {
    stayOnTop.emplace_back(form, on);
}

ModalResult FakePlatform::runModal(FormId form) {
    modalRuns.push_back(form);
    if (answers_.empty())
        return ModalResult::Cancel;
    Answer a = std::move(answers_.front());
    answers_.pop_front();
    if (a.action)
        a.action();
    return a.result;
}

bool FakePlatform::openInTextEditor(const std::filesystem::path& file) {
    openedFiles.push_back(file);
    return openSucceeds;
}

std::u16string FakePlatform::upperCase(const std::u16string& text) {
    // Enough of a locale for tests: ASCII and full-width Latin letters.
    std::u16string out = asciiUpper(text);
    for (auto& c : out)
        if (c >= u'\uFF41' && c <= u'\uFF5A')
            c = static_cast<char16_t>(c - 0x20);
    return out;
}

int FakePlatform::compareStrings(const std::u16string& a, const std::u16string& b) {
    // Enough of a collation for tests: like the system's, symbols sort before digits, digits
    // before letters, and case matters only when nothing else differs.
    auto rank = [](char16_t c) {
        const bool digit = c >= u'0' && c <= u'9';
        const bool letter = (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') || c > 0x7F;
        return digit ? 1 : letter ? 2 : 0;
    };
    const std::u16string ua = upperCase(a), ub = upperCase(b);
    for (std::size_t i = 0; i < std::min(ua.size(), ub.size()); ++i) {
        if (ua[i] == ub[i])
            continue;
        const int ra = rank(ua[i]), rb = rank(ub[i]);
        if (ra != rb)
            return ra < rb ? -1 : 1;
        return ua[i] < ub[i] ? -1 : 1;
    }
    if (ua.size() != ub.size())
        return ua.size() < ub.size() ? -1 : 1;
    return a == b ? 0 : (a < b ? -1 : 1);
}

std::optional<double> FakePlatform::readNumber(const std::u16string& text) {
    const std::string s = toUtf8(trimmed(text));
    if (s.empty())
        return std::nullopt;
    char* end = nullptr;
    const double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return v;
}

std::u16string FakePlatform::formatFixed(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return fromUtf8(buf);
}

int FakePlatform::textWidth(const std::u16string& text, const std::u16string&, int pixelSize) {
    int width = 0;
    for (const char16_t c : text)
        width += c < 0x80 ? (pixelSize + 1) / 2 : pixelSize;
    return width;
}

void FakePlatform::answerModal(ModalResult result, std::function<void()> action) {
    answers_.push_back({result, std::move(action)});
}

void FakePlatform::atProcessMessages(int calls, std::function<void()> action) {
    atCalls_.emplace(processMessagesCalls + calls, std::move(action));
}

}  // namespace tavor::test
