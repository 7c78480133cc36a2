#include "texttab/TrimmedLineCount.h"

#include "base/TextUtil.h"

namespace tavor {

int TrimmedLineCount(const LineEditor& editor) {
    int n = editor.lineCount();
    while (n > 0 && isBlank(editor.line(n - 1)))
        --n;
    return n;
}

}  // namespace tavor
