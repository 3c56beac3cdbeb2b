#include "process/OutputCapture.h"

#include <utility>

OutputCapture::OutputCapture(qsizetype limit, std::function<void()> onExceeded)
    : m_limit(limit)
    , m_onExceeded(std::move(onExceeded))
{
}

void OutputCapture::append(const char *data, qsizetype size)
{
    bool exceededNow = false;
    {
        std::lock_guard guard(m_lock);
        if (m_exceeded)
            return;
        if (size > m_limit - m_bytes.size()) {
            // A cut document is of no use: free it at once.
            m_bytes = QByteArray();
            m_exceeded = true;
            exceededNow = true;
        } else {
            m_bytes.append(data, size);
        }
    }
    // Outside the lock: the handler may well stop the child.
    if (exceededNow && m_onExceeded)
        m_onExceeded();
}

bool OutputCapture::exceeded() const
{
    std::lock_guard guard(m_lock);
    return m_exceeded;
}

QByteArray OutputCapture::take()
{
    std::lock_guard guard(m_lock);
    return std::exchange(m_bytes, QByteArray());
}
