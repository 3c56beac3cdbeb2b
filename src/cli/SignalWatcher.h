#pragma once

#include <QObject>

#include <memory>

class QSocketNotifier;

// Brings SIGINT and SIGTERM into the event loop: the handler only writes the
// signal number into a pipe, and interrupted() is emitted on this object's
// thread. While it lives, the signals no longer end the process, nor does
// SIGPIPE; the previous handlers come back when it is destroyed. One instance
// at a time.
class SignalWatcher : public QObject
{
    Q_OBJECT

public:
    explicit SignalWatcher(QObject *parent = nullptr);
    ~SignalWatcher() override;

    SignalWatcher(const SignalWatcher &) = delete;
    SignalWatcher &operator=(const SignalWatcher &) = delete;

    // False when the pipe or the handlers could not be set up; the signals
    // then keep their default effect.
    bool isWatching() const { return m_notifier != nullptr; }

signals:
    void interrupted(int signalNumber);

private:
    void drain();

    std::unique_ptr<QSocketNotifier> m_notifier;
};
