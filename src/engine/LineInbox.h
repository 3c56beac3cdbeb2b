#pragma once

#include "engine/ProgressEvent.h"

#include <QList>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <mutex>

// One output line with what the progress parser made of it. Parsing is pure,
// so it happens on the reader thread and the GUI thread only applies.
struct OutputLine
{
    QString text;
    ProgressEvent event;
};

// Hands the output lines of one running process to the GUI thread in
// batches: however fast lines arrive, at most one queued call is pending, and
// the lines reach the sink in the order they were posted.
class LineInbox : public std::enable_shared_from_this<LineInbox>
{
public:
    // Called on the context's thread with the lines gathered since the last call.
    using Sink = std::function<void(const QList<OutputLine> &lines)>;

    static std::shared_ptr<LineInbox> create(QObject *context, Sink sink);

    // Any thread.
    void post(OutputLine line);

    // Context thread: no further lines reach the sink (for a context about to go away).
    void close();

private:
    LineInbox(QObject *context, Sink sink);
    void drain();

    std::mutex m_lock;
    QObject *m_context; // guarded by m_lock; null once closed
    Sink m_sink;
    QList<OutputLine> m_pending;
    bool m_drainScheduled = false;
};
