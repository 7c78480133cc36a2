#pragma once

#include <cstdint>
#include <deque>
#include <list>
#include <map>
#include <string>

namespace tavor {

class GridState;

// One undo record: the text a cell held before a change.
class TUndoCell {
public:
    GridState* Grid() const { return grid_; }
    const std::u16string& Text() const { return text_; }
    int X() const { return x_; }  // column
    int Y() const { return y_; }  // row
    // Sequence number within its grid, 0 for the oldest record of that grid.
    int UndoLevel() const;

private:
    friend class TUndoCells;
    struct Lane;
    TUndoCell(GridState* grid, std::u16string text, int x, int y, const Lane* lane,
              std::int64_t serial)
        : grid_(grid), text_(std::move(text)), x_(x), y_(y), lane_(lane), serial_(serial) {}

    GridState* grid_;
    std::u16string text_;
    int x_, y_;
    const Lane* lane_;
    std::int64_t serial_;  // counts up within the lane; the level is its distance to the front
};

struct TUndoCell::Lane {
    std::deque<std::list<TUndoCell>::iterator> records;  // the grid's records in list order
};

// The cell undo journal. One journal may hold the records of several grids; every lookup filters
// by grid.
//
// Within one grid the levels are always 0, 1, 2 ... in list order: Add gives the newest level
// plus one, Undo takes the newest, RemoveOldest renumbers from 0. So the grid's newest record
// (highest level, earliest on a tie) is its last one in list order and the oldest its first,
// and each grid keeps its records in a queue of its own: Add, Undo, FindNewest, FindOldest and
// RemoveOldest cost O(1) however many records the journal holds.
class TUndoCells {
public:
    TUndoCells() = default;
    TUndoCells(const TUndoCells&) = delete;
    TUndoCells& operator=(const TUndoCells&) = delete;

    // Records the current text of the cell; call it before the cell changes.
    const TUndoCell& Add(GridState* aGrid, int ACol, int ARow);
    // Puts the grid's newest record back into its cell (the link stays) and makes that cell the
    // current one; nothing when the grid has no record. A cell that no longer lies inside the
    // grid is neither written nor made current, but the record is used up all the same.
    void Undo(GridState* aGrid);
    void Clear();

    const TUndoCell* FindNewest(const GridState* grid) const;
    const TUndoCell* FindOldest(const GridState* grid) const;
    // Releases the grid's oldest record and returns how many of its records remain.
    int RemoveOldest(const GridState* grid);

    // The record at list position `index` (oldest first), walking from the front.
    const TUndoCell& GetItem(int index) const;
    int Count() const { return static_cast<int>(list_.size()); }

    // Largest number of records kept per grid; 0 keeps all.
    int UndoLevels() const { return undoLevels_; }
    void setUndoLevels(int levels) { undoLevels_ = levels; }

private:
    std::list<TUndoCell> list_;
    std::map<const GridState*, TUndoCell::Lane> lanes_;
    int undoLevels_ = 0;
};

}  // namespace tavor
