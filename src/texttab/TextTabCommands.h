#pragma once

#include <memory>
#include <string>

#include "cadlink/CadLink.h"
#include "texttab/Tavor.h"
#include "ui/Controls.h"
#include "ui/LineEditor.h"
#include "ui/Platform.h"

namespace tavor {

// What the text tab's commands need of the form that runs them beyond its controls: the stop
// button's run state, shared with the editor commands.
class TextTabHost {
public:
    virtual ~TextTabHost() = default;
    virtual void armStop() = 0;     // runFlag := true, SpeedButton5 enabled
    virtual void disarmStop() = 0;  // runFlag := false, SpeedButton5 disabled
    virtual bool runFlag() const = 0;
};

// The form's controls and fields that the text tab's commands read and write.
struct TextTabControls {
    TextTabHost& host;
    Platform& platform;
    cad::CadLink& cad;
    LineEditor& SynEdit1;
    TSpeedButton& SpeedButton2;  // update
    TSpeedButton& SpeedButton3;  // select all, hidden during a run
    TSpeedButton& SpeedButton4;  // undo
    TSpeedButton& SpeedButton6;  // align
    TEdit& Edit1;                // dX
    TEdit& Edit2;                // dY
    TLabel& Label1;
    TLabel& Label2;        // progress
    TCheckBox& CheckBox1;  // coordinate order
    TCheckBox& CheckBox9;  // the view follows the caret
    TComboBox& ComboBox1;  // TAG
    TStatusBar& StatusBar1;
    TextList& textList;
    bool& undoFlag;
    bool& ATTmode;
    int& CaretY_Old;
};

// The TAG and block-name pattern that the TAG combo's text names ("TAG:description[pattern]").
struct TagChoice {
    std::u16string tag;
    std::u16string blockPattern = u"*";
};
TagChoice parseTagChoice(const std::u16string& comboText);

// The text tab's commands on the drawing. A CadError that a command does not handle itself
// leaves it for the form's default error report.
class TextTabCommands {
public:
    explicit TextTabCommands(TextTabControls controls) : c_(controls) {}

    void SpeedButton1Click();        // pick TEXTs into the list and the editor
    void SpeedButton2Click();        // write the editor back into the drawing
    void SpeedButton6Click();        // lay the texts out at the dX, dY step
    void SpeedButton8Click();        // pick block references, one TAG's values into the editor
    void CaretYChanged(int caretY);  // 1-based line

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
    void addExtraLines(cad::Document& doc, int firstLine);
    void fitListToLines();
    void alignTexts(cad::Document& doc);

    TextTabControls c_;
};

}  // namespace tavor
