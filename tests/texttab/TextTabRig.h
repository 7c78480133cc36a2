#pragma once

#include <string>
#include <vector>

#include "base/TextUtil.h"
#include "shell/MainFormRig.h"

namespace tavor::test {

// A headless program on the simulated CAD, with helpers to put texts in the drawing, pick them
// and read back what the drawing holds.
struct TextTabRig : MainFormRig {
    TextTabRig() {
        drawing().addLayer(u"TEXT");
        form.CheckBox1.checked = true;
    }

    cad::sim::Drawing& drawing() { return cad.cad->drawing(); }
    cad::sim::Refusals& refusals() { return cad.cad->refusals(); }

    cad::Handle addText(const std::u16string& s, cad::Point at,
                        const std::u16string& layer = u"TEXT", std::int32_t alignment = 0) {
        return drawing().addText({s, at, layer, alignment});
    }

    void acquire(std::vector<cad::Handle> picked) {
        cad.picker.pickNext(std::move(picked));
        form.SpeedButton1Click();
    }

    // The live TEXTs of the drawing as "string@x,y" in drawing order.
    std::vector<std::string> textsInDrawing() const {
        std::vector<std::string> out;
        const auto& d = cad.cad->drawing();
        for (const auto id : d.modelSpace()) {
            const auto& e = d.live(id);
            if (e.kind != cad::sim::EntityKind::Text)
                continue;
            const cad::Point& p = e.referencePoint();
            out.push_back(toUtf8(e.text.string) + "@" + num(p.x) + "," + num(p.y));
        }
        return out;
    }

    const cad::sim::EntityRecord* entity(const cad::Handle& h) const {
        return cad.cad->drawing().find(h);
    }

    std::vector<std::u16string> listTexts() const {
        std::vector<std::u16string> out;
        for (const auto& t : form.textList)
            out.push_back(t.text);
        return out;
    }

    static std::string num(double v) {
        std::string s = std::to_string(v);
        s.erase(s.find_last_not_of('0') + 1);
        if (s.back() == '.')
            s.pop_back();
        return s;
    }
};

}  // namespace tavor::test
