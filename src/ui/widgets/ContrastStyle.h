#pragma once

#include <QProxyStyle>

// The application's style: Qt's Fusion, the same on every desktop, with the
// edges of text fields, pop-up pickers, buttons, check boxes and
// radio buttons drawn in Colors::controlEdge, so that every control stands
// out from its background by at least 3:1 on light and dark palettes alike.
// Fusion draws them a shade darker than the window, which on a dark window
// all but vanishes. A focused control keeps the style's highlighted edge.
class ContrastStyle : public QProxyStyle
{
    Q_OBJECT

public:
    ContrastStyle();

    // Makes it the application's style (once; a second call changes nothing).
    static void install();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};
