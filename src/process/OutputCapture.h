#pragma once

#include "process/OutputSink.h"

#include <QByteArray>

#include <functional>
#include <mutex>

// Keeps the whole of one output stream, as it came, for a child whose answer
// is one document (yt-dlp's -J prints its JSON as a single line of any
// length). Memory is bounded by `limit`: once the stream grows beyond it,
// what was kept is dropped, nothing more is kept, exceeded() turns true and
// `onExceeded` is called once, so the caller can stop the child rather than
// read output it will never use. A document is never handed on cut.
//
// append() and finish() come from the runner's thread, the rest from any
// thread; a lock keeps them apart.
class OutputCapture : public OutputSink
{
public:
    explicit OutputCapture(qsizetype limit, std::function<void()> onExceeded = {});

    void append(const char *data, qsizetype size) override;
    void finish() override {}

    bool exceeded() const;
    // Everything kept so far; what arrives later is kept in a new buffer.
    QByteArray take();

private:
    const qsizetype m_limit;
    const std::function<void()> m_onExceeded;
    mutable std::mutex m_lock;
    QByteArray m_bytes;
    bool m_exceeded = false;
};
