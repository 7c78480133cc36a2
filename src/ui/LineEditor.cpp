#include "ui/LineEditor.h"

#include <utility>

namespace tavor {

void LineEditor::convertEachLine(const LineConversion& convert, LineHistory history) {
    const int count = lineCount();
    if (history == LineHistory::Keep) {
        for (int i = 0; i < count; ++i) {
            const std::u16string before = line(i);
            std::u16string text = before;
            const bool going = convert(text);
            if (text != before)  // a line the conversion left alone is not written again
                setLine(i, text);
            if (!going)
                return;
        }
        return;
    }
    // Each line is converted as soon as it is read: over long texts a second pass over a
    // finished copy costs more than the conversion, its lines having left the cache.
    std::vector<std::u16string> converted;
    converted.reserve(static_cast<std::size_t>(count));
    bool going = true;
    for (int i = 0; i < count; ++i) {
        converted.push_back(line(i));
        if (going)
            going = convert(converted.back());
    }
    setLines(std::move(converted));
}

}  // namespace tavor
