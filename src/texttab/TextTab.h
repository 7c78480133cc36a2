#pragma once

#include <memory>
#include <string>

#include "cadlink/CadLink.h"
#include "texttab/Tavor.h"
#include "texttab/TextTabControls.h"
#include "ui/TabContext.h"

namespace tavor {

// The TAG and block-name pattern that the TAG combo's text names ("TAG:description[pattern]").
struct TagChoice {
    std::u16string tag;
    std::u16string blockPattern = u"*";
};
TagChoice parseTagChoice(const std::u16string& comboText);

// The text tab's commands on the drawing. A CadError that a command does not handle itself
// leaves it for the form's default error report.
class TextTab {
public:
    TextTab(TextTabControls& controls, TabContext context, cad::CadLink& cad)
        : c_(controls), ctx_(context), cad_(cad) {}

    void acquireTexts();           // pick TEXTs into the list and the editor
    void update();                 // write the editor back into the drawing
    void align();                  // lay the texts out at the dX, dY step
    void acquireAttribute();       // pick block references, one TAG's values into the editor
    void followCaret(int caretY);  // 1-based line

private:
    double stepValue(const TEdit& field) const;
    void showSteps(bool warnWhenZero);
    void showLines();
    void startAcquisition(bool attributes);
    void enterRun();
    void leaveRun();

    int pickTexts(cad::Application& app);
    bool pickAttributes(cad::Application& app);
    void writeLines(cad::Document& doc);
    void fitListToLines();
    void alignTexts(cad::Document& doc);

    TextTabControls& c_;
    TabContext ctx_;
    cad::CadLink& cad_;
};

}  // namespace tavor
