#include "server/row_table.h"

#include <stdexcept>

namespace velmora {

void RowTable::assign(int rows, int columns, std::vector<std::string> cells)
{
    if (rows < 1 || columns < 1 || cells.size() < std::size_t(rows) * std::size_t(columns)) {
        clear();
        return;
    }
    cells.resize(std::size_t(rows) * std::size_t(columns));
    m_rows = rows;
    m_columns = columns;
    m_cells = std::move(cells);
}

void RowTable::clear()
{
    m_rows = 0;
    m_columns = 0;
    m_cells.clear();
}

const std::string& RowTable::at(int row, int column) const
{
    if (row < 1 || row > m_rows || column < 1 || column > m_columns) {
        throw std::out_of_range("RowTable::at");
    }
    return m_cells[std::size_t(row - 1) * std::size_t(m_columns) + std::size_t(column - 1)];
}

}  // namespace velmora
