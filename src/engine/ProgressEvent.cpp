#include "engine/ProgressEvent.h"

#include <QStringList>

#include <array>

namespace {

struct StageText {
    ProgressStage stage;
    const char *raw;
};

constexpr std::array<StageText, 5> kStages{{
    {ProgressStage::downloading, "downloading"},
    {ProgressStage::audio, "audio"},
    {ProgressStage::merging, "merging"},
    {ProgressStage::finalizing, "finalizing"},
    {ProgressStage::unknown, "unknown"},
}};

QString optionalText(const std::optional<qint64> &value)
{
    return value ? QString::number(*value) : QStringLiteral("-");
}

} // namespace

namespace ProgressStages {

const QList<ProgressStage> &all()
{
    static const QList<ProgressStage> stages = [] {
        QList<ProgressStage> list;
        for (const StageText &entry : kStages)
            list.append(entry.stage);
        return list;
    }();
    return stages;
}

QString rawValue(ProgressStage stage)
{
    return QString::fromLatin1(kStages[static_cast<size_t>(stage)].raw);
}

std::optional<ProgressStage> fromRawValue(QStringView raw)
{
    for (const StageText &entry : kStages) {
        if (raw == QLatin1String(entry.raw))
            return entry.stage;
    }
    return std::nullopt;
}

} // namespace ProgressStages

QString ProgressEvent::describe() const
{
    // Joined, not formatted with arg(): the texts come from outside and may hold '%'.
    if (const DownloadProgress *p = progress()) {
        const QStringList fields = {
            QStringLiteral("percent=") + (p->percent ? QString::number(*p->percent, 'g', 17) : QStringLiteral("-")),
            QStringLiteral("downloaded=") + optionalText(p->downloadedBytes),
            QStringLiteral("total=") + optionalText(p->totalBytes),
            QStringLiteral("estimate=") + optionalText(p->estimatedTotalBytes),
            QStringLiteral("speed='") + p->speed + QLatin1Char('\''),
            QStringLiteral("eta='") + p->eta + QLatin1Char('\''),
            QStringLiteral("fragment=") + optionalText(p->fragmentIndex) + QLatin1Char('/')
                + optionalText(p->fragmentCount),
            QStringLiteral("filename='") + p->filename + QLatin1Char('\''),
            QStringLiteral("stage=") + ProgressStages::rawValue(p->stage),
        };
        return QStringLiteral("progress(") + fields.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    if (const Filepath *f = filepath())
        return QStringLiteral("filepath('") + f->path + QStringLiteral("')");
    if (const Stage *s = stage())
        return QStringLiteral("stage('") + s->name + QStringLiteral("')");
    if (const DownloadRetry *r = retry())
        return QStringLiteral("retry(") + QString::number(r->attempt) + QLatin1Char('/') + optionalText(r->limit)
            + QLatin1Char(')');
    return QStringLiteral("none");
}
