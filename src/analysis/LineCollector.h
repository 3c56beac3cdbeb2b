#pragma once

#include <QString>

#include <mutex>

// Gathers what one analysis run says on standard error. The runner delivers
// lines from its own thread, possibly while the caller reads the result; the
// lock keeps each append whole and the text in arrival order.
class LineCollector
{
public:
    // Appends the line and one line feed.
    void add(const QString &line);

    QString text() const;

private:
    mutable std::mutex m_lock;
    QString m_text;
};
