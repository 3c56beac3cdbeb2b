#pragma once

#include <QWidget>

// The one-time legal notice shown before anything else is reachable.
// Return presses "I Understand", Escape presses "Quit".
class LegalGateView : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize kSize{520, 360};

    explicit LegalGateView(QWidget *parent = nullptr);

signals:
    void understood();
    void quitRequested();
};
