#pragma once

#include <QAbstractButton>

#include "shell/ui/artwork.h"

namespace velmora::ui {

// A button drawn from its pictures (normal, hover, pressed), with an optional
// caption on top.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(artwork::ButtonLook look, const QString& text, QWidget* parent);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    artwork::ButtonLook m_look;
    bool m_hovered = false;
};

}  // namespace velmora::ui
