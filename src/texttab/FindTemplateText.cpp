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

cad::Text& usableTemplate(const std::shared_ptr<cad::Text>& text) {
    if (!text)
        throw cad::CadError(u"The template TEXT is no longer in the drawing.");
    return *text;
}

}  // namespace tavor
