#include "analysis/LineCollector.h"

void LineCollector::add(const QString &line, bool isErr)
{
    std::lock_guard guard(m_lock);
    QString &text = isErr ? m_err : m_out;
    text += line;
    text += QLatin1Char('\n');
}

QString LineCollector::out() const
{
    std::lock_guard guard(m_lock);
    return m_out;
}

QString LineCollector::err() const
{
    std::lock_guard guard(m_lock);
    return m_err;
}
