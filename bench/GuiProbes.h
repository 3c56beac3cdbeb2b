#pragma once

// What the GUI benchmarks measure the GUI thread with.

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <ctime>

namespace {

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

void spin(qint64 ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

// Counts and times the list's paints.
class PaintMeter : public QObject
{
public:
    int paints = 0;
    qint64 paintNanoseconds = 0;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return false;
        QElapsedTimer timer;
        timer.start();
        static_cast<QWidget *>(watched)->removeEventFilter(this);
        QCoreApplication::sendEvent(watched, event);
        watched->installEventFilter(this);
        paintNanoseconds += timer.nsecsElapsed();
        ++paints;
        return true;
    }
};

// A timer that should fire every millisecond; the longest time between two
// of its shots is the longest the GUI thread was held up.
class PingProbe
{
public:
    PingProbe()
    {
        m_timer.setInterval(1);
        m_timer.setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longest = std::max(m_longest, m_sinceLast.nsecsElapsed());
            m_sinceLast.restart();
        });
    }
    void start()
    {
        m_longest = 0;
        m_sinceLast.start();
        m_timer.start();
    }
    double stopLongestMs()
    {
        m_timer.stop();
        return std::max(m_longest, m_sinceLast.nsecsElapsed()) / 1e6;
    }

private:
    QTimer m_timer;
    QElapsedTimer m_sinceLast;
    qint64 m_longest = 0;
};

} // namespace
