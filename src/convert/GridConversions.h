#pragma once

#include <functional>
#include <string>

#include "convert/Addition.h"
#include "grid/GridEditTarget.h"
#include "ui/GridState.h"

namespace tavor {

class NumberRun;
class Replacer;

using TextConversion = std::function<std::u16string(const std::u16string&)>;

// The conversion of "選択範囲のスペース以外を全角に": full width, then every ideographic space
// back to a plain space, so that the cell ends with half-width spaces only.
std::u16string FullWidthExceptSpaces(std::u16string text);
// The conversion of the grid's "選択範囲を半角に".
std::u16string HalfWidth(std::u16string text);

// The selection cut to the data cells, so that neither a selection over the fixed row and
// column nor a stale one beyond the grid reaches them. Empty (right < left or bottom < top)
// when no data cell is left.
GridRect SelectedDataCells(const GridState& grid);

// The walks below go over the grid's selection rectangle row by row, top to bottom, and
// within a row left to right. Each returns how many cells it journalled and wrote.

// Every cell of the selection is journalled, converted and written, changed or not.
int ConvertGridSelection(GridState& grid, const TextConversion& convert,
                         const CellJournal& journal);

// Every cell of the selection is journalled and written, whether it held the search string or not.
int ReplaceInGridSelection(GridState& grid, const Replacer& replacer, const CellJournal& journal);

// Only cells in which the addition finds a number are journalled and written.
int AddInGridSelection(GridState& grid, const AdditionSettings& settings,
                       const CellJournal& journal);

// The run's texts down the current column: from the current row to the grid's last row when
// the selection covers one row, else over the selected rows; existing texts are overwritten.
int NumberGridColumn(GridState& grid, const NumberRun& run, const CellJournal& journal);

}  // namespace tavor
