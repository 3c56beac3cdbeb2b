#include "ui/history/HistoryPresentation.h"

#include "engine/DownloadErrorCategory.h"
#include "engine/FailureSummary.h"
#include "engine/JobRecord.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QString qualityText(const DownloadHistory &record)
{
    const QString &stored = record.selectedQuality;
    if (JobRecord::mediaKind(record) == MediaKind::audio) {
        const auto format = AudioFormats::fromRawValue(stored);
        return format ? AudioFormats::displayText(*format) : stored;
    }
    const auto quality = VideoQualities::fromRawValue(stored);
    return quality ? VideoQualities::label(*quality) : stored;
}

// The locale's long date without the weekday and with the month abbreviated:
// "Dec 10, 2026", "10. Dez. 2026", "2026年12月10日".
QString abbreviatedDateFormat(const QLocale &locale)
{
    static const QRegularExpression weekday(QStringLiteral("dddd[,،]?\\s*"));
    QString format = locale.dateFormat(QLocale::LongFormat);
    format.remove(weekday);
    format.replace(QLatin1String("MMMM"), QLatin1String("MMM"));
    return format.trimmed();
}

} // namespace

namespace HistoryPresentation {

const QList<HistoryFilter> &filters()
{
    static const QList<HistoryFilter> all{HistoryFilter::all, HistoryFilter::success, HistoryFilter::failed};
    return all;
}

QString filterLabel(HistoryFilter filter)
{
    switch (filter) {
    case HistoryFilter::all:
        return QCoreApplication::translate("HistoryView", "All");
    case HistoryFilter::success:
        return QCoreApplication::translate("HistoryView", "Success");
    case HistoryFilter::failed:
        return QCoreApplication::translate("HistoryView", "Failed");
    }
    return {};
}

bool matches(const DownloadHistory &record, HistoryFilter filter, const QString &search)
{
    switch (filter) {
    case HistoryFilter::all:
        break;
    case HistoryFilter::success:
        if (JobRecord::status(record) != DownloadStatus::completed)
            return false;
        break;
    case HistoryFilter::failed:
        if (JobRecord::status(record) != DownloadStatus::failed)
            return false;
        break;
    }
    return search.isEmpty() || record.title.contains(search, Qt::CaseInsensitive)
        || record.sourceURL.contains(search, Qt::CaseInsensitive)
        || (record.listTitle && record.listTitle->contains(search, Qt::CaseInsensitive));
}

QString subtitle(const DownloadHistory &record)
{
    QStringList parts{MediaKinds::label(JobRecord::mediaKind(record))};
    if (const QString quality = qualityText(record); !quality.isEmpty())
        parts << quality;
    if (record.listTitle && record.listIndex)
        parts << QCoreApplication::translate("HistoryPresentation", "Entry %1 of “%2”")
                     .arg(*record.listIndex)
                     .arg(*record.listTitle);
    if (record.finalFilePath && !record.finalFilePath->isEmpty()) {
        if (const QString name = QFileInfo(*record.finalFilePath).fileName(); !name.isEmpty())
            parts << name;
    }
    if (record.note)
        parts << QCoreApplication::translate("DownloadCoordinator", record.note->toUtf8().constData());
    return parts.join(QStringLiteral(" \u00B7 "));
}

std::optional<QString> failureText(const DownloadHistory &record)
{
    if (JobRecord::status(record) != DownloadStatus::failed)
        return std::nullopt;
    if (record.errorSummary && !record.errorSummary->isEmpty())
        return FailureSummary::translated(*record.errorSummary);
    if (const auto category = DownloadErrorCategories::fromRawValue(record.errorType.value_or(QString())))
        return QCoreApplication::translate("DownloadErrorCategory", DownloadErrorCategories::userMessage(*category));
    return std::nullopt;
}

std::optional<QString> failureReason(const DownloadHistory &record)
{
    if (JobRecord::status(record) != DownloadStatus::failed || !record.errorReason || record.errorReason->isEmpty())
        return std::nullopt;
    return record.errorReason;
}

int failureLineCount(const DownloadHistory &record)
{
    if (JobRecord::status(record) != DownloadStatus::failed)
        return 0;
    const bool text = (record.errorSummary && !record.errorSummary->isEmpty())
                      || DownloadErrorCategories::fromRawValue(record.errorType.value_or(QString())).has_value();
    return int(text) + int(record.errorReason && !record.errorReason->isEmpty());
}

bool offersRetry(const DownloadHistory &record)
{
    const DownloadStatus status = JobRecord::status(record);
    return status == DownloadStatus::failed || status == DownloadStatus::cancelled;
}

QString dateText(const DownloadHistory &record, const QLocale &locale)
{
    const QDateTime when = (record.finishedAt ? *record.finishedAt : record.startedAt).toLocalTime();
    // Qt 6.4 has no day periods ("B", as in zh_TW's "Bh:mm"); AM/PM stands in.
    const QString time = locale.timeFormat(QLocale::ShortFormat).replace(QLatin1Char('B'), QLatin1String("AP"));
    return locale.toString(when.date(), abbreviatedDateFormat(locale)) + QLatin1Char(' ') + locale.toString(when.time(), time);
}

} // namespace HistoryPresentation
