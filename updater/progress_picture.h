#pragma once

#include <QWidget>

namespace velmora {

// The filled part of the progress bar. The window sets its width to the
// progress; it paints whatever width it has.
class ProgressPicture : public QWidget {
    Q_OBJECT
public:
    explicit ProgressPicture(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace velmora
