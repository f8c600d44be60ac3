#include "platform/forms/controls/grid.h"

#include "platform/forms/errors.h"
#include "platform/forms/keys.h"

#include <algorithm>
#include <cctype>

namespace forms {

namespace {

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::toupper(static_cast<unsigned char>(x)) <
               std::toupper(static_cast<unsigned char>(y));
    });
}

} // namespace

Grid::Grid(Form& form, std::string name) : ControlWith(form, std::move(name)) {}

void Grid::Redrawn() {
    if (p_.redraw) {
        ++p_.redrawCount;
        Changed();
    }
}

int Grid::Cols() const {
    Touch();
    return static_cast<int>(p_.columns.size());
}

void Grid::SetCols(int count) {
    Touch();
    const auto size = static_cast<std::size_t>(std::max(0, count));
    p_.columns.resize(size);
    for (auto& row : p_.rows) {
        row.resize(size);
    }
    Redrawn();
}

const GridColumn& Grid::Column(int col) const {
    Touch();
    CheckCell(0, col);
    return p_.columns[static_cast<std::size_t>(col)];
}

void Grid::SetColumn(int col, GridColumn column) {
    Touch();
    CheckCell(0, col);
    p_.columns[static_cast<std::size_t>(col)] = std::move(column);
    Redrawn();
}

int Grid::ColIndex(const std::string& key) const {
    Touch();
    for (std::size_t c = 0; c < p_.columns.size(); ++c) {
        if (p_.columns[c].key == key) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

int Grid::Rows() const {
    Touch();
    return static_cast<int>(p_.rows.size()) + 1;
}

void Grid::SetRows(int count) {
    Touch();
    const auto data = static_cast<std::size_t>(std::max(0, count - 1));
    p_.rows.resize(data, std::vector<std::string>(p_.columns.size()));
    if (p_.row >= Rows()) {
        p_.row = 0;
    }
    p_.topRow = std::clamp(p_.topRow, 1, std::max(1, Rows() - 1));
    Redrawn();
}

int Grid::AddRow() {
    Touch();
    p_.rows.emplace_back(p_.columns.size());
    Redrawn();
    return static_cast<int>(p_.rows.size());
}

void Grid::CheckCell(int row, int col) const {
    if (row < 0 || row > static_cast<int>(p_.rows.size()) || col < 0 ||
        col >= static_cast<int>(p_.columns.size())) {
        RaiseInvalidPropertyValue(DisplayName() + " cell " + std::to_string(row) + ", " +
                                  std::to_string(col));
    }
}

std::string Grid::TextMatrix(int row, int col) const {
    Touch();
    CheckCell(row, col);
    if (row == 0) {
        return p_.columns[static_cast<std::size_t>(col)].title;
    }
    return p_.rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)];
}

void Grid::SetTextMatrix(int row, int col, std::string text) {
    Touch();
    CheckCell(row, col);
    if (row == 0) {
        p_.columns[static_cast<std::size_t>(col)].title = std::move(text);
    } else {
        p_.rows[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col)] = std::move(text);
    }
    Redrawn();
}

bool Grid::Redraw() const {
    return Get(&GridProperties::redraw);
}

void Grid::SetRedraw(bool redraw) {
    Touch();
    if (redraw == p_.redraw) {
        return;
    }
    p_.redraw = redraw;
    Redrawn();
}

int Grid::RedrawCount() const {
    return Get(&GridProperties::redrawCount);
}

void Grid::SortAscendingIgnoringCase(int col) {
    Touch();
    CheckCell(0, col);
    const auto c = static_cast<std::size_t>(col);
    std::stable_sort(p_.rows.begin(), p_.rows.end(),
                     [c](const std::vector<std::string>& a, const std::vector<std::string>& b) {
                         return LessIgnoringCase(a[c], b[c]);
                     });
    Redrawn();
}

int Grid::Row() const {
    return Get(&GridProperties::row);
}

void Grid::SetRow(int row) {
    Touch();
    if (row < 0 || row >= Rows()) {
        RaiseInvalidPropertyValue(DisplayName() + ".Row = " + std::to_string(row));
    }
    p_.row = row;
    Redrawn();
}

int Grid::TopRow() const {
    return Get(&GridProperties::topRow);
}

void Grid::SetTopRow(int row) {
    Touch();
    p_.topRow = std::clamp(row, 1, std::max(1, Rows() - 1));
    Redrawn();
}

void Grid::DefaultKeyDownAction(int keyCode, int shift) {
    const int last = Rows() - 1;
    if (last < 1) {
        return;
    }
    const bool ctrl = (shift & vbCtrlMask) != 0;
    int row = p_.row;
    if (keyCode == vbKeyUp) {
        row = std::max(p_.row - 1, 1);
    } else if (keyCode == vbKeyDown) {
        row = std::min(p_.row + 1, last);
    } else if (keyCode == vbKeyHome && ctrl) {
        row = 1;
    } else if (keyCode == vbKeyEnd && ctrl) {
        row = last;
    }
    if (row == p_.row) {
        return;
    }
    p_.row = row;
    // A row above the first one shown scrolls into view; the skin shows one below the last.
    p_.topRow = std::min(p_.topRow, row);
    Redrawn();
}

} // namespace forms
