// The grid of the saved-illustration browser: one title row and columns with title, key,
// width, alignment, data kind and a hidden flag; data rows of text cells; redraw held back while
// rows are loaded; sorting by a column; a selected row that can be scrolled to the top. While it
// has the focus, Up and Down select the data row above or below the selected one, Ctrl+Home and
// Ctrl+End the first and the last; the selection stops at either end.
//
// Row 0 is the title row; data rows are 1 to Rows() - 1.
#pragma once

#include "platform/forms/alignment.h"
#include "platform/forms/control.h"

#include <string>
#include <vector>

namespace forms {

enum class GridDataKind { Text, Date, Currency, WholeNumber };

struct GridColumn {
    std::string title;
    std::string key;
    int width = 1000; // twips
    Alignment alignment = Alignment::Left;
    GridDataKind dataKind = GridDataKind::Text;
    bool hidden = false;
};

struct GridProperties {
    std::vector<GridColumn> columns;
    std::vector<std::vector<std::string>> rows; // data rows only
    int row = 0;                                // selected row, 0: none
    int topRow = 1;
    bool redraw = true;
    int redrawCount = 0;
};

class Grid final : public ControlWith<GridProperties> {
public:
    Grid(Form& form, std::string name);

    ControlKind Kind() const override { return ControlKind::Grid; }

    int Cols() const;
    // Sets the number of columns; new columns are empty.
    void SetCols(int count);
    const GridColumn& Column(int col) const;
    void SetColumn(int col, GridColumn column);
    // The column whose key is `key`, -1 when none has it.
    int ColIndex(const std::string& key) const;

    // Rows including the title row.
    int Rows() const;
    // Keeps the title row and the first count - 1 data rows, adding empty ones as needed.
    void SetRows(int count);
    // Adds an empty data row and returns its number.
    int AddRow();
    // Row 0 gives the column titles. Error 380 outside the grid.
    std::string TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, std::string text);

    // False holds back drawing while rows are loaded; true draws once.
    bool Redraw() const;
    void SetRedraw(bool redraw);
    // How many times the grid was drawn again after a change (the skin's repaint count).
    int RedrawCount() const;

    // Sorts the data rows by `col`, ascending, ignoring case; rows of equal text keep their
    // order. The selection stays on the row number, as the control does.
    void SortAscendingIgnoringCase(int col);

    // The selected data row (0: none) and the first row shown.
    int Row() const;
    void SetRow(int row);
    int TopRow() const;
    void SetTopRow(int row);

    bool TakesFocus() const override { return true; }

    // What a user's click does: raises Click.
    void Press() { Raise(Click); }

    Event<> Click;

private:
    void DefaultKeyDownAction(int keyCode, int shift) override;
    void CheckCell(int row, int col) const;
    void Redrawn();
};

} // namespace forms
