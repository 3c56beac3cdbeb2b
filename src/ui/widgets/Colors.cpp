#include "ui/widgets/Colors.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

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

double luminance(const QColor &colour)
{
    const auto channel = [](double value) {
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) + 0.0722 * channel(rgb.blueF());
}

// `from` moved toward `toward` in small steps until it stands out enough
// against every colour of `against`; `toward` itself when nothing less does.
QColor reaching(const QColor &from, const QColor &toward, std::initializer_list<QColor> against)
{
    for (int step = 0; step <= 50; ++step) {
        const QColor candidate = blend(toward, from, step / 50.0);
        const bool enough = std::all_of(against.begin(), against.end(), [&](const QColor &other) {
            return Colors::contrast(candidate, other) >= Colors::kControlContrast;
        });
        if (enough)
            return candidate;
    }
    return toward;
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

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor controlEdge(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    return reaching(window, palette.color(QPalette::WindowText),
                    {window, palette.color(QPalette::Base), palette.color(QPalette::Button), cardFill(palette)});
}

QColor selectedSegment(const QPalette &palette)
{
    const QColor window = palette.color(QPalette::Window);
    // Away from the background: darker on a light window, lighter on a dark one.
    const QColor away = isDark(palette) ? QColor(Qt::white) : QColor(Qt::black);
    return reaching(palette.color(QPalette::Highlight), away,
                    {window, palette.color(QPalette::Button), cardFill(palette)});
}

} // namespace Colors
