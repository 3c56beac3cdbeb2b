#include "analysis/LineCollector.h"

void LineCollector::add(const QString &line)
{
    std::lock_guard guard(m_lock);
    m_text += line;
    m_text += QLatin1Char('\n');
}

QString LineCollector::text() const
{
    std::lock_guard guard(m_lock);
    return m_text;
}
