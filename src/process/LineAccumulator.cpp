#include "process/LineAccumulator.h"

#include <cstring>

bool isValidUtf8(const char *data, qsizetype size)
{
    const auto *s = reinterpret_cast<const unsigned char *>(data);
    qsizetype i = 0;
    while (i < size) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        int length;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (c >= 0xC2 && c <= 0xDF) {
            length = 2;
        } else if (c >= 0xE0 && c <= 0xEF) {
            length = 3;
            if (c == 0xE0)
                low = 0xA0; // overlong
            else if (c == 0xED)
                high = 0x9F; // surrogates
        } else if (c >= 0xF0 && c <= 0xF4) {
            length = 4;
            if (c == 0xF0)
                low = 0x90; // overlong
            else if (c == 0xF4)
                high = 0x8F; // above U+10FFFF
        } else {
            return false;
        }
        if (size - i < length)
            return false;
        if (s[i + 1] < low || s[i + 1] > high)
            return false;
        for (int k = 2; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
        }
        i += length;
    }
    return true;
}

namespace {

// Length of the longest prefix that does not end inside a multi-byte character.
qsizetype wholeCharacterPrefix(const char *data, qsizetype size)
{
    qsizetype end = size;
    qsizetype back = 0;
    while (end > 0 && back < 4 && (static_cast<unsigned char>(data[end - 1]) & 0xC0) == 0x80) {
        --end;
        ++back;
    }
    if (end > 0 && static_cast<unsigned char>(data[end - 1]) >= 0xC0) {
        const unsigned char lead = static_cast<unsigned char>(data[end - 1]);
        const qsizetype needed = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
        if (back + 1 < needed)
            return end - 1;
        return size;
    }
    return size;
}

} // namespace

LineAccumulator::LineAccumulator(Callback callback)
    : m_callback(std::move(callback))
{
}

void LineAccumulator::deliver(const char *data, qsizetype size)
{
    if (size > kMaxLineBytes)
        size = wholeCharacterPrefix(data, kMaxLineBytes);
    if (isValidUtf8(data, size))
        m_callback(QString::fromUtf8(data, size));
}

void LineAccumulator::append(const char *data, qsizetype size)
{
    std::lock_guard guard(m_lock);
    qsizetype pos = 0;
    while (pos < size) {
        const auto *newline = static_cast<const char *>(std::memchr(data + pos, '\n', size - pos));
        if (!newline) {
            absorbTail(data + pos, size - pos);
            return;
        }
        const qsizetype lineEnd = newline - data;
        if (m_discardingOverlongLine) {
            m_discardingOverlongLine = false;
        } else if (m_buffer.isEmpty()) {
            // The common case: the whole line is in this read; no copy.
            deliver(data + pos, lineEnd - pos);
        } else {
            m_buffer.append(data + pos, lineEnd - pos);
            deliver(m_buffer.constData(), m_buffer.size());
            m_buffer.clear();
        }
        pos = lineEnd + 1;
    }
}

void LineAccumulator::absorbTail(const char *data, qsizetype size)
{
    if (m_discardingOverlongLine)
        return;
    m_buffer.append(data, size);
    if (m_buffer.size() < kMaxLineBytes)
        return;
    deliver(m_buffer.constData(), m_buffer.size());
    m_buffer.clear();
    m_buffer.squeeze();
    m_discardingOverlongLine = true;
}

void LineAccumulator::finish()
{
    QByteArray tail;
    {
        std::lock_guard guard(m_lock);
        tail.swap(m_buffer);
        m_discardingOverlongLine = false;
    }
    if (!tail.isEmpty())
        deliver(tail.constData(), tail.size());
}
