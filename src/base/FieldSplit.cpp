#include "base/FieldSplit.h"

namespace tavor {

namespace {

constexpr char16_t kQuote = u'"';

// Reads a quoted field from `pos` (at its opening quote) and leaves `pos` after the closing one.
std::u16string readQuoted(std::u16string_view text, std::size_t& pos) {
    std::u16string field;
    ++pos;
    while (pos < text.size()) {
        if (text[pos] == kQuote) {
            if (pos + 1 < text.size() && text[pos + 1] == kQuote) {
                field += kQuote;
                pos += 2;
                continue;
            }
            ++pos;
            return field;
        }
        field += text[pos++];
    }
    return field;
}

}  // namespace

std::vector<std::u16string> splitFields(std::u16string_view text, char16_t delimiter) {
    std::vector<std::u16string> fields;
    if (text.empty())
        return fields;
    std::size_t pos = 0;
    while (true) {
        std::u16string field;
        if (pos < text.size() && text[pos] == kQuote)
            field = readQuoted(text, pos);
        const std::size_t end = std::min(text.find(delimiter, pos), text.size());
        field.append(text.substr(pos, end - pos));
        fields.push_back(std::move(field));
        if (end == text.size())
            return fields;
        pos = end + 1;
    }
}

std::u16string bracketedPattern(std::u16string_view label) {
    const std::size_t open = label.find(u'['), close = label.find(u']');
    if (open == std::u16string_view::npos || close == std::u16string_view::npos || close < open + 2)
        return u"*";
    return std::u16string(label.substr(open + 1, close - open - 1));
}

}  // namespace tavor
