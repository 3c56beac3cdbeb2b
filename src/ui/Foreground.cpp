#include "ui/Foreground.h"

#include <QWidget>

void setForeground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(role, colour);
    widget->setPalette(palette);
}
