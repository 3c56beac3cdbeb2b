#include "cli/HistoryCommand.h"

#include "cli/ExitCode.h"
#include "cli/Terminal.h"
#include "engine/JobRecord.h"
#include "engine/ProgressDisplay.h"
#include "history/HistoryStore.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("HistoryCommand", text);
}

QJsonValue optional(const std::optional<QString> &text)
{
    return text ? QJsonValue(*text) : QJsonValue(QJsonValue::Null);
}

QString isoTime(const QDateTime &time)
{
    return time.toUTC().toString(Qt::ISODateWithMs);
}

QString describe(const DownloadHistory &record)
{
    const QString when = record.finishedAt
                             ? record.finishedAt->toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"))
                             : QStringLiteral("-");
    QStringList parts{when, JobStatusInfo::forStatus(JobRecord::status(record), QString()).text,
                      Terminal::plain(record.title)};
    if (record.finalFilePath)
        parts.append(Terminal::plain(*record.finalFilePath));
    else if (record.errorSummary)
        parts.append(Terminal::plain(*record.errorSummary));
    if (record.note)
        parts.append(Terminal::plain(QCoreApplication::translate("DownloadCoordinator", record.note->toUtf8().constData())));
    return parts.join(QStringLiteral("  ")) + QLatin1Char('\n');
}

} // namespace

namespace HistoryCommand {

bool admits(const DownloadHistory &record, HistoryOutcome outcome, const QString &search)
{
    const DownloadStatus status = JobRecord::status(record);
    if (outcome == HistoryOutcome::success && status != DownloadStatus::completed)
        return false;
    if (outcome == HistoryOutcome::failed && status != DownloadStatus::failed)
        return false;
    return search.isEmpty() || record.title.contains(search, Qt::CaseInsensitive) ||
           record.sourceURL.contains(search, Qt::CaseInsensitive);
}

QJsonObject toJson(const DownloadHistory &record)
{
    return QJsonObject{
        {QStringLiteral("uuid"), record.uuid.toString(QUuid::WithoutBraces)},
        {QStringLiteral("sourceURL"), record.sourceURL},
        {QStringLiteral("title"), record.title},
        {QStringLiteral("uploader"), optional(record.uploader)},
        {QStringLiteral("thumbnailURL"), optional(record.thumbnailURL)},
        {QStringLiteral("mediaTypeRaw"), record.mediaTypeRaw},
        {QStringLiteral("selectedQuality"), record.selectedQuality},
        {QStringLiteral("startedAt"), isoTime(record.startedAt)},
        {QStringLiteral("finishedAt"), record.finishedAt ? QJsonValue(isoTime(*record.finishedAt)) : QJsonValue()},
        {QStringLiteral("finalFilePath"), optional(record.finalFilePath)},
        {QStringLiteral("finalStatusRaw"), record.finalStatusRaw},
        {QStringLiteral("errorType"), optional(record.errorType)},
        {QStringLiteral("errorSummary"), optional(record.errorSummary)},
        {QStringLiteral("errorReason"), optional(record.errorReason)},
        {QStringLiteral("subtitleModeRaw"), optional(record.subtitleModeRaw)},
        {QStringLiteral("subtitleLang"), optional(record.subtitleLang)},
        {QStringLiteral("note"), optional(record.note)},
        {QStringLiteral("listTitle"), optional(record.listTitle)},
        {QStringLiteral("listIndex"), record.listIndex ? QJsonValue(*record.listIndex) : QJsonValue()},
        {QStringLiteral("fetchedFromList"), record.fetchedFromList},
    };
}

int run(const HistoryRequest &request, const HistoryStore &store)
{
    QList<DownloadHistory> records;
    for (const DownloadHistory &record : store.all()) {
        if (admits(record, request.outcome, request.search))
            records.append(record);
    }
    if (request.json) {
        QJsonArray array;
        for (const DownloadHistory &record : std::as_const(records))
            array.append(toJson(record));
        Terminal::out(QString::fromUtf8(QJsonDocument(array).toJson()));
        return ExitCode::success;
    }
    if (records.isEmpty()) {
        Terminal::out(tr("No download history.") + QLatin1Char('\n'));
        return ExitCode::success;
    }
    for (const DownloadHistory &record : std::as_const(records))
        Terminal::out(describe(record));
    return ExitCode::success;
}

} // namespace HistoryCommand
