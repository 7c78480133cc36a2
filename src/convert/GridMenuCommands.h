#pragma once

#include "grid/GridEditTarget.h"

namespace tavor {

class Platform;
class TTavorKasanForm;
class TTavorRenbanForm;
class TTavorTikanForm;

// The cell commands of the attribute grid's popup menu. Each walks the grid's selection (the
// numbering: its current column) through the edit target, which journals every cell just
// before it is written and then sets the group that Ctrl+Z and UNDO take back. The dialogs are
// the program's single instances, which keep their fields between uses.
class GridMenuCommands {
public:
    GridMenuCommands(Platform& platform, GridEditTarget target, TTavorTikanForm& tikan,
                     TTavorKasanForm& kasan, TTavorRenbanForm& renban);

    void N32Click();  // selection to full width, spaces kept half-width
    void N33Click();  // selection to half width
    void N35Click();  // replace in the selection
    void N36Click();  // add to the numbers of the selection
    void N31Click();  // the numbering dialog, overwriting down the current column

private:
    Platform& platform_;
    GridEditTarget target_;
    TTavorTikanForm& tikan_;
    TTavorKasanForm& kasan_;
    TTavorRenbanForm& renban_;
};

}  // namespace tavor
