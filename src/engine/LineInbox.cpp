#include "engine/LineInbox.h"

#include <QTimer>

std::shared_ptr<LineInbox> LineInbox::create(QObject *context, Sink sink)
{
    return std::shared_ptr<LineInbox>(new LineInbox(context, std::move(sink)));
}

LineInbox::LineInbox(QObject *context, Sink sink)
    : m_context(context)
    , m_sink(std::move(sink))
{
}

void LineInbox::post(OutputLine line)
{
    std::lock_guard guard(m_lock);
    if (!m_context)
        return;
    m_pending.append(std::move(line));
    if (m_drainScheduled)
        return;
    m_drainScheduled = true;
    // Posted under the lock so close() cannot let the context go in between.
    // The timer is started on the context's thread: this one has no event loop.
    QMetaObject::invokeMethod(
        m_context,
        [self = shared_from_this(), context = m_context] {
            QTimer::singleShot(kGatherWindow, context, [self] { self->flush(); });
        },
        Qt::QueuedConnection);
}

void LineInbox::close()
{
    std::lock_guard guard(m_lock);
    m_context = nullptr;
    m_pending.clear();
}

void LineInbox::flush()
{
    QList<OutputLine> lines;
    {
        std::lock_guard guard(m_lock);
        if (!m_context)
            return;
        lines.swap(m_pending);
        m_drainScheduled = false;
    }
    m_sink(lines);
}
