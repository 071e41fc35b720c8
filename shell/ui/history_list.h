#pragma once

#include <QTreeWidget>

namespace velmora::ui {

// The draw history in report style: period, numbers; the newest row on top.
// A numbers text of ten cars is drawn as a row of small car badges.
class HistoryList : public QTreeWidget {
    Q_OBJECT
public:
    explicit HistoryList(QWidget* parent);

    // Inserts a row at the top.
    void addRow(const QString& period, const QString& numbers);
    void clearRows();
    int rowCount() const;
    // Text of a row (0 is the top) and column (0 period, 1 numbers).
    QString rowText(int row, int column) const;
};

}  // namespace velmora::ui
