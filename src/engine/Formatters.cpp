#include "engine/Formatters.h"

#include <array>

namespace Formatters {

QString formatBytes(qint64 bytes)
{
    if (bytes <= 0)
        return QStringLiteral("-");
    static constexpr std::array<const char *, 5> units{"B", "KB", "MB", "GB", "TB"};
    double value = static_cast<double>(bytes);
    size_t unit = 0;
    while (value >= 1024.0 && unit + 1 < units.size()) {
        value /= 1024.0;
        ++unit;
    }
    // QString::number never uses the locale's decimal separator.
    return QString::number(value, 'f', 1) + QLatin1Char(' ') + QLatin1String(units[unit]);
}

} // namespace Formatters
