#include "texttab/FindTemplateText.h"

#include "cadlink/CadError.h"

namespace tavor {

bool FindTemplateText(cad::Document& doc, const TextList& list, std::shared_ptr<cad::Text>& text) {
    for (auto it = list.rbegin(); it != list.rend(); ++it) {
        if (it->sHnd.empty())
            continue;
        try {
            text = doc.GetObjectByHandle(it->sHnd)->AsText();
        } catch (const cad::CadError&) {
            text.reset();
        }
        return true;
    }
    return false;
}

}  // namespace tavor
