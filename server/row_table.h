#pragma once

#include <string>
#include <vector>

namespace velmora {

// A rows x columns table of texts, 1-based in both dimensions, row-major.
class RowTable {
public:
    RowTable() = default;

    // Takes the first rows x columns cells, row by row; a dimension below 1
    // gives the empty table.
    void assign(int rows, int columns, std::vector<std::string> cells);
    void clear();

    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    bool empty() const { return m_rows == 0; }

    // Throws std::out_of_range outside the table.
    const std::string& at(int row, int column) const;

private:
    int m_rows = 0;
    int m_columns = 0;
    std::vector<std::string> m_cells;
};

}  // namespace velmora
