#include "engine/DownloadStatus.h"

#include <array>

namespace {

constexpr std::array<const char *, 7> kRaw{"queued",    "analyzing", "downloading", "merging",
                                           "completed", "cancelled", "failed"};

} // namespace

namespace DownloadStatuses {

const QList<DownloadStatus> &all()
{
    static const QList<DownloadStatus> cases = [] {
        QList<DownloadStatus> list;
        for (size_t i = 0; i < kRaw.size(); ++i)
            list.append(static_cast<DownloadStatus>(i));
        return list;
    }();
    return cases;
}

QString rawValue(DownloadStatus status)
{
    return QString::fromLatin1(kRaw[static_cast<size_t>(status)]);
}

std::optional<DownloadStatus> fromRawValue(QStringView raw)
{
    for (size_t i = 0; i < kRaw.size(); ++i) {
        if (raw == QLatin1String(kRaw[i]))
            return static_cast<DownloadStatus>(i);
    }
    return std::nullopt;
}

bool isActive(DownloadStatus status)
{
    switch (status) {
    case DownloadStatus::analyzing:
    case DownloadStatus::downloading:
    case DownloadStatus::merging:
        return true;
    case DownloadStatus::queued:
    case DownloadStatus::completed:
    case DownloadStatus::cancelled:
    case DownloadStatus::failed:
        return false;
    }
    return false;
}

bool isTerminal(DownloadStatus status)
{
    return status == DownloadStatus::completed || status == DownloadStatus::cancelled
        || status == DownloadStatus::failed;
}

} // namespace DownloadStatuses
