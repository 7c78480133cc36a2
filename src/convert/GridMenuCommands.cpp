#include "convert/GridMenuCommands.h"

#include "convert/GridConversions.h"
#include "convert/ModalForm.h"
#include "convert/Replace.h"
#include "convert/TavorKasanForm.h"
#include "convert/TavorRenbanForm.h"
#include "convert/TavorTikanForm.h"
#include "ui/GridState.h"

namespace tavor {

namespace {

// The numbering dialog's buttons as the grid uses it: no insertion, and the action overwrites.
// They are put back however the dialog's run ends.
class RenbanGridUse {
public:
    explicit RenbanGridUse(TTavorRenbanForm& renban) : renban_(renban) {
        renban_.Button3.enabled = false;
        renban_.Button1.caption = u"上書き";
    }
    ~RenbanGridUse() {
        renban_.Button3.enabled = true;
        renban_.Button1.caption = u"追加";
    }
    RenbanGridUse(const RenbanGridUse&) = delete;
    RenbanGridUse& operator=(const RenbanGridUse&) = delete;

private:
    TTavorRenbanForm& renban_;
};

}  // namespace

GridMenuCommands::GridMenuCommands(Platform& platform, GridEditTarget target,
                                   TTavorTikanForm& tikan, TTavorKasanForm& kasan,
                                   TTavorRenbanForm& renban)
    : platform_(platform),
      target_(std::move(target)),
      tikan_(tikan),
      kasan_(kasan),
      renban_(renban) {}

void GridMenuCommands::N32Click() {
    target_.closeGroup(ConvertGridSelection(*target_.grid, FullWidthExceptSpaces, target_.journal));
}

void GridMenuCommands::N33Click() {
    target_.closeGroup(ConvertGridSelection(*target_.grid, HalfWidth, target_.journal));
}

// The search string starts as the selection's top left cell; the replacement keeps its last
// value. Cancel, or no search string, journals nothing.
void GridMenuCommands::N35Click() {
    const GridState& grid = *target_.grid;
    const GridRect cells = SelectedDataCells(grid);
    tikan_.Edit1.text = grid.cell(cells.left, cells.top);
    if (RunModalOnTop(platform_, FormId::Tikan) != ModalResult::Ok ||
        tikan_.Edit1.text.get().empty())
        return;
    const Replacer replacer(tikan_.Edit1.text, tikan_.Edit2.text, tikan_.CheckBox1.checked,
                            platform_);
    target_.closeGroup(ReplaceInGridSelection(*target_.grid, replacer, target_.journal));
}

// An addend of 0 (or no integer) changes nothing and leaves the group count as it was.
void GridMenuCommands::N36Click() {
    if (RunModalOnTop(platform_, FormId::Kasan) != ModalResult::Ok)
        return;
    const AdditionSettings settings = kasan_.settings();
    if (settings.addend == 0)
        return;
    target_.closeGroup(AddInGridSelection(*target_.grid, settings, target_.journal));
}

// The dialog writes the cells itself when its action button is pressed.
void GridMenuCommands::N31Click() {
    const RenbanGridUse gridUse(renban_);
    renban_.setGridTarget(target_);
    RunModalOnTop(platform_, FormId::Renban);
}

}  // namespace tavor
