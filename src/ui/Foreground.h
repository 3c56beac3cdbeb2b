#pragma once

#include <QColor>

class QWidget;

// Gives a widget's text one colour, whichever palette role its parent makes
// it draw with (labels inside scroll areas draw with Text, not WindowText).
void setForeground(QWidget *widget, const QColor &colour);
