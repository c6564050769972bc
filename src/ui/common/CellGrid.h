#pragma once
// A read-only grid of text cells addressed by (row, column), as the plan
// window's segment, word and reading grids are used.  The grids show what
// the open plan holds; the plan, not the grid, is what is saved.  The grid
// takes no keyboard focus of its own and shows no headers; every cell can be
// read by a screen reader, and the grid carries the accessible name of its
// section.

#include <QTableWidget>

namespace moxlet::ui {

class CellGrid : public QTableWidget {
    Q_OBJECT
public:
    CellGrid(int rows, int columns, const QString& objectName, const QString& accessibleName,
             QWidget* parent = nullptr);

    // The text of a cell, trailing blanks removed; empty outside the grid.
    QString cell(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    void clearCells();
    // Shows row `row` as the current one (the spelling row a dialog edits).
    void markRow(int row);

    // The height of one row, and of the whole grid without scrolling.
    int rowPixels() const;
    int fullHeight() const;
};

}  // namespace moxlet::ui
