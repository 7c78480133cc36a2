// The CAD view follows the editor's caret line.
#include <optional>

#include "cadlink/Connection.h"
#include "cadlink/ZoomToPoint.h"
#include "texttab/TextTab.h"

namespace tavor {

void TextTab::followCaret(int caretY) {
    if (caretY == c_.CaretY_Old)
        return;
    const TextList& list = c_.textList;
    const auto n = static_cast<int>(list.size());
    std::optional<cad::Point> point;
    if (c_.CheckBox9.checked && n > 0 && caretY >= 1) {
        if (caretY <= n) {
            point = list[static_cast<std::size_t>(caretY - 1)].insPt;
        } else if (!c_.ATTmode) {
            // Where the update would create the TEXT of this line.
            point = list.back().insPt;
            const int beyond = caretY - n;
            point->x += stepValue(c_.Edit1) * beyond;
            point->y += stepValue(c_.Edit2) * beyond;
        }
    }
    std::shared_ptr<cad::Application> app;
    if (point && cad::ConnectToCad(cad_, app))
        cad::ZoomToPoint(cad_.desktop(), *app, *point);
    c_.CaretY_Old = caretY;
}

}  // namespace tavor
