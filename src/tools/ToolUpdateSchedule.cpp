#include "tools/ToolUpdateSchedule.h"

namespace ToolUpdateSchedule {

bool isDue(const std::optional<QDateTime> &lastCheck, const QDateTime &now)
{
    if (!lastCheck || now < *lastCheck)
        return true;
    const qint64 intervalSeconds = std::chrono::duration_cast<std::chrono::seconds>(kInterval).count();
    return lastCheck->secsTo(now) >= intervalSeconds;
}

} // namespace ToolUpdateSchedule
