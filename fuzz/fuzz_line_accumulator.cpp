// Bytes cut into reads anywhere give the same lines as one read, every line
// is valid text without a line feed, and none is longer than the cap.
#include "process/LineAccumulator.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QStringList cut(const QByteArray &bytes, size_t step)
{
    QStringList lines;
    LineAccumulator accumulator([&lines](const QString &line) { lines.append(line); });
    for (qsizetype at = 0; at < bytes.size(); at += static_cast<qsizetype>(step))
        accumulator.append(bytes.constData() + at, std::min<qsizetype>(step, bytes.size() - at));
    accumulator.finish();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    // The first byte chooses how the rest is split into reads.
    const size_t step = 1 + data[0] % 17;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const QStringList whole = cut(bytes, bytes.size() + 1);
    if (cut(bytes, step) != whole)
        std::abort();
    for (const QString &line : whole) {
        if (line.contains(QLatin1Char('\n')) || line.toUtf8().size() > LineAccumulator::kMaxLineBytes)
            std::abort();
    }
    return 0;
}
