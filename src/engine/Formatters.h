#pragma once

#include <QString>

namespace Formatters {

// The one byte formatter: one decimal, a point whatever the locale, steps of
// 1024 named B/KB/MB/GB/TB. Zero or less gives "-".
QString formatBytes(qint64 bytes);

} // namespace Formatters
