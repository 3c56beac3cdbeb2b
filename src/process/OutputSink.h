#pragma once

#include <QtGlobal>

// Where the bytes of one output stream of a child go as they are read. The
// runner calls append() for every read and finish() once the stream has
// ended (and may call append() again afterwards, for output that
// grandchildren still write into the inherited pipe). Both are called on the
// run's I/O thread.
class OutputSink
{
public:
    virtual ~OutputSink() = default;
    virtual void append(const char *data, qsizetype size) = 0;
    virtual void finish() = 0;
};
