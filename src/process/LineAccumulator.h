#pragma once

#include "process/OutputSink.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <mutex>

// Cuts the bytes of one output stream into lines. Only the line feed ends a
// line; a carriage return is kept as an ordinary character. Lines that are not
// valid UTF-8 are dropped silently.
//
// A line that grows beyond kMaxLineBytes without a line feed is cut: its first
// kMaxLineBytes bytes (shortened to a whole UTF-8 character) are delivered as a
// line at once, and the rest of it, up to and including its line feed, is
// discarded. Memory stays bounded whatever the child prints.
class LineAccumulator : public OutputSink
{
public:
    using Callback = std::function<void(const QString &line)>;

    static constexpr qsizetype kMaxLineBytes = 1024 * 1024;

    explicit LineAccumulator(Callback callback);

    // Adds bytes and delivers every line they complete, in order, one at a time.
    void append(const char *data, qsizetype size) override;
    void append(const QByteArray &bytes) { append(bytes.constData(), bytes.size()); }

    // Delivers the unfinished tail, if any, as a last line and empties the buffer.
    void finish() override;

private:
    void deliver(const char *data, qsizetype size);
    void absorbTail(const char *data, qsizetype size);

    Callback m_callback;
    std::mutex m_lock;
    QByteArray m_buffer;
    bool m_discardingOverlongLine = false;
};

// Strict UTF-8 check: no overlong forms, no surrogates, nothing above U+10FFFF.
bool isValidUtf8(const char *data, qsizetype size);
