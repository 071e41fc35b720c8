#pragma once

#include <QLabel>

namespace velmora::ui {

// A car number label: it holds the number text like any label and draws it
// as a badge in that car's colour.
class NumberBadge : public QLabel {
    Q_OBJECT
public:
    explicit NumberBadge(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora::ui
