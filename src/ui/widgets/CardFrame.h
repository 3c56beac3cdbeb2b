#pragma once

#include <QFrame>

// A frame drawn as a card: a rounded fill of the card colour behind its
// children, as the previews of an analysed link are shown.
class CardFrame : public QFrame
{
    Q_OBJECT

public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *event) override;
};
