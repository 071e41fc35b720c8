#include "shell/ui/picture_button.h"

#include <QPainter>

namespace velmora::ui {

PictureButton::PictureButton(artwork::ButtonLook look, const QString& text, QWidget* parent)
    : QAbstractButton(parent), m_look(look)
{
    setText(text);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
}

QSize PictureButton::sizeHint() const
{
    return size();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    artwork::ButtonState state = artwork::ButtonState::Normal;
    if (!isEnabled())
        state = artwork::ButtonState::Disabled;
    else if (isDown())
        state = artwork::ButtonState::Pressed;
    else if (m_hovered)
        state = artwork::ButtonState::Hover;
    artwork::paintButton(p, QRectF(rect()), m_look, state);
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(QColor(0xffffff));
        const QRect face = rect().translated(0, isDown() ? 1 : 0).adjusted(0, 0, 0, -1);
        p.drawText(face, Qt::AlignCenter, text());
    }
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    m_hovered = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event)
{
    m_hovered = false;
    update();
    QAbstractButton::leaveEvent(event);
}

}  // namespace velmora::ui
