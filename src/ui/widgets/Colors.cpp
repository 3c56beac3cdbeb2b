#include "ui/widgets/Colors.h"

namespace {

bool isDark(const QPalette &palette)
{
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor blend(const QColor &a, const QColor &b, qreal share)
{
    return QColor::fromRgbF(a.redF() * share + b.redF() * (1 - share), a.greenF() * share + b.greenF() * (1 - share),
                            a.blueF() * share + b.blueF() * (1 - share));
}

} // namespace

namespace Colors {

QColor semantic(SemanticColor colour, const QPalette &palette)
{
    const bool dark = isDark(palette);
    switch (colour) {
    case SemanticColor::green:
        return dark ? QColor(0x4c, 0xc3, 0x6a) : QColor(0x1e, 0x8e, 0x3e);
    case SemanticColor::orange:
        return dark ? QColor(0xff, 0xa1, 0x3a) : QColor(0xd9, 0x6c, 0x00);
    case SemanticColor::red:
        return dark ? QColor(0xff, 0x6b, 0x5e) : QColor(0xd0, 0x2b, 0x20);
    case SemanticColor::blue:
        return dark ? QColor(0x5a, 0xa2, 0xff) : QColor(0x1a, 0x6d, 0xe0);
    case SemanticColor::secondary:
        return secondaryText(palette);
    }
    return secondaryText(palette);
}

QColor secondaryText(const QPalette &palette)
{
    return blend(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.6);
}

QColor quaternaryFill(const QPalette &palette)
{
    return blend(palette.color(QPalette::WindowText), palette.color(QPalette::Window), 0.08);
}

QColor cardFill(const QPalette &palette)
{
    return blend(palette.color(QPalette::WindowText), palette.color(QPalette::Base), 0.035);
}

} // namespace Colors
