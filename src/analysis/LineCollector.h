#pragma once

#include <QString>

#include <mutex>

// Gathers the output of one analysis run. The runner delivers lines of both
// streams from its own thread, possibly while the caller reads the result;
// the lock keeps each append whole and each text in arrival order.
class LineCollector
{
public:
    // Appends the line and one line feed to the standard error text when
    // `isErr`, else to the standard output text.
    void add(const QString &line, bool isErr);

    QString out() const;
    QString err() const;

private:
    mutable std::mutex m_lock;
    QString m_out;
    QString m_err;
};
