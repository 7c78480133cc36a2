#pragma once

#include <functional>
#include <string>
#include <vector>

#include "convert/PopupMenus.h"
#include "ui/Controls.h"

namespace tavor {

class EditorCommandHost;
class TTavorKasanForm;
class TTavorRenbanForm;
class TTavorTikanForm;

// The commands of the editor's popup menu. The main form owns one and forwards its menu
// handlers here; the dialogs are the program's single instances, which keep their fields.
class EditorCommands {
public:
    EditorCommands(EditorCommandHost& host, TTavorTikanForm& tikan, TTavorKasanForm& kasan,
                   TTavorRenbanForm& renban);

    void PopupMenu1Popup(TPopupMenu1& menu);

    void N20Click();  // clear
    void N10Click();  // cut
    void N11Click();  // copy
    void N12Click();  // paste
    void N1Click();   // all lines to full width
    void N2Click();   // selection to full width
    void N4Click();   // all lines to half width
    void N5Click();   // selection to half width
    void N28Click();  // ( ) to full width in all lines
    // The ten items of "その他のすべてを変換", each with its table routine.
    void N23Click(TableRoutine routine);
    void N7Click();   // replace in all lines
    void N8Click();   // replace in the selection
    void N14Click();  // add in all lines
    void N15Click();  // add in the selection
    void N17Click();  // the numbering dialog, editor use
    void N25Click();  // version information

    static constexpr std::u16string_view versionText =
        u"Tavordesk 2.2 2024.12.26\nCopyright (C) Tavordesk developers";

private:
    // Changes one line in place; returns whether the line counts as done for the stop check
    // (the addition checks only after lines it changed).
    using LineConversion = std::function<bool(std::u16string&)>;

    void snapshotAndConvertAll(const LineConversion& convert);
    void snapshotAndConvertSelection(const LineConversion& convert);
    void convertAllLines(const LineConversion& convert);
    void convertSelection(const LineConversion& convert);
    // Converts one line; after a line that counts, lets messages run. False once the stop
    // button has ended the run.
    bool convertLine(std::u16string& line, const LineConversion& convert);
    // Runs the conversion over the lines, letting messages run and obeying the stop button.
    void convertLines(std::vector<std::u16string>& lines, const LineConversion& convert);
    bool replaceDialogAccepted();

    EditorCommandHost& host_;
    TTavorTikanForm& tikan_;
    TTavorKasanForm& kasan_;
    TTavorRenbanForm& renban_;
};

}  // namespace tavor
