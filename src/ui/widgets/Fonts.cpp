#include "ui/widgets/Fonts.h"

#include <QApplication>
#include <QFontDatabase>

namespace {

QFont sized(qreal factor, int weight = QFont::Normal)
{
    QFont font = QApplication::font();
    const qreal base = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    font.setPointSizeF(base * factor);
    font.setWeight(static_cast<QFont::Weight>(weight));
    return font;
}

} // namespace

namespace Fonts {

QFont body() { return sized(1.0); }
QFont headline() { return sized(1.05, QFont::Bold); }
QFont title() { return sized(1.6, QFont::Bold); }
QFont title3() { return sized(1.25, QFont::DemiBold); }
QFont subheadline() { return sized(1.0); }
QFont caption() { return sized(0.9); }
QFont caption2() { return sized(0.85); }

QFont monospaceCaption()
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    const qreal base = QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF() : 10.0;
    font.setPointSizeF(base * 0.9);
    return font;
}

QFont largeSymbolFont() { return sized(2.6); }

} // namespace Fonts
