#include "shell/ui/number_badge.h"

#include <QPainter>

#include "shell/ui/artwork.h"

namespace velmora::ui {

NumberBadge::NumberBadge(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void NumberBadge::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    artwork::paintCarBadge(p, QRectF(rect()), text(), font());
}

}  // namespace velmora::ui
