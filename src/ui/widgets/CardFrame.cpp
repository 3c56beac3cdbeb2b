#include "ui/widgets/CardFrame.h"

#include "ui/widgets/Colors.h"

#include <QPainter>
#include <QPainterPath>

void CardFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath path;
    path.addRoundedRect(QRectF(rect()), 10, 10);
    painter.fillPath(path, Colors::cardFill(palette()));
}
