#include "cli/AnalyzeCommand.h"

#include "analysis/YTDLPClient.h"
#include "cli/ExitCode.h"
#include "cli/SignalWatcher.h"
#include "cli/Terminal.h"
#include "engine/DownloadErrorCategory.h"
#include "engine/Formatters.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("AnalyzeCommand", text);
}

QString resolution(const MediaFormat &format)
{
    if (format.width && format.height)
        return QStringLiteral("%1x%2").arg(*format.width).arg(*format.height);
    if (format.height)
        return QStringLiteral("%1p").arg(*format.height);
    if (format.vcodec == QLatin1String("none"))
        return tr("audio only");
    return format.qualityLabel.value_or(QString());
}

QString codecs(const MediaFormat &format)
{
    QStringList parts;
    for (const auto &codec : {format.vcodec, format.acodec}) {
        if (codec && *codec != QLatin1String("none"))
            parts.append(*codec);
    }
    return parts.join(QLatin1Char('+'));
}

QStringList formatRow(const MediaFormat &format)
{
    return {format.id,
            format.ext,
            resolution(format),
            format.fps ? QString::number(*format.fps, 'g', 4) + QStringLiteral("fps") : QString(),
            codecs(format),
            format.filesize ? Formatters::formatBytes(*format.filesize) : QString(),
            format.note.value_or(QString())};
}

// Rows with their columns padded to a common width, indented.
QString table(const QList<QStringList> &rows)
{
    QList<qsizetype> widths;
    for (const QStringList &row : rows) {
        widths.resize(std::max(widths.size(), row.size()));
        for (qsizetype i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], row[i].size());
    }
    QString text;
    for (const QStringList &row : rows) {
        QString line;
        for (qsizetype i = 0; i < row.size(); ++i)
            line += row[i].leftJustified(widths[i]) + QStringLiteral("  ");
        text += QStringLiteral("  ") + line.trimmed() + QLatin1Char('\n');
    }
    return text;
}

QString languages(const QList<SubtitleTrack> &tracks)
{
    QStringList ids;
    for (const SubtitleTrack &track : tracks)
        ids.append(Terminal::plain(track.id));
    return ids.isEmpty() ? tr("none") : ids.join(QStringLiteral(", "));
}

} // namespace

namespace AnalyzeCommand {

QString describe(const MediaMetadata &metadata, const std::optional<MediaList> &enclosingList)
{
    QString text;
    if (enclosingList && enclosingList->linkedEntry) {
        const int count = int(enclosingList->entries.size());
        const QString number = QString::number(*enclosingList->linkedEntry);
        const QString list = Terminal::plain(enclosingList->title);
        // The source language has no plural forms of its own without a translation.
        text += (count == 1 ? tr("Entry %1 of “%2” (1 entry)").arg(number, list)
                            : QCoreApplication::translate("AnalyzeCommand", "Entry %1 of “%2” (%n entries)", nullptr, count)
                                  .arg(number, list))
                + QLatin1Char('\n');
        text += tr("List link: %1").arg(Terminal::plain(enclosingList->webpageUrl)) + QLatin1Char('\n');
    }
    text += tr("Title: %1").arg(Terminal::plain(metadata.title)) + QLatin1Char('\n');
    text += tr("Uploader: %1").arg(Terminal::plain(metadata.uploader.value_or(tr("unknown")))) + QLatin1Char('\n');
    text += tr("Duration: %1").arg(metadata.durationString().value_or(tr("unknown"))) + QLatin1Char('\n');
    text += tr("Link: %1").arg(Terminal::plain(metadata.webpageUrl)) + QLatin1Char('\n');
    text += tr("Formats: %1").arg(metadata.formats.size()) + QLatin1Char('\n');
    QList<QStringList> rows;
    for (const MediaFormat &format : metadata.formats) {
        QStringList row = formatRow(format);
        for (QString &cell : row)
            cell = Terminal::plain(cell);
        rows.append(row);
    }
    text += table(rows);
    text += tr("Subtitles: %1").arg(languages(metadata.subtitles)) + QLatin1Char('\n');
    text += tr("Automatic captions: %1").arg(languages(metadata.automaticCaptions)) + QLatin1Char('\n');
    return text;
}

QString describe(const MediaList &list)
{
    QString text;
    text += tr("List: %1").arg(Terminal::plain(list.title)) + QLatin1Char('\n');
    text += tr("Uploader: %1").arg(Terminal::plain(list.uploader.value_or(tr("unknown")))) + QLatin1Char('\n');
    text += tr("Link: %1").arg(Terminal::plain(list.webpageUrl)) + QLatin1Char('\n');
    text += tr("Entries: %1").arg(list.entries.size()) + QLatin1Char('\n');
    QList<QStringList> rows;
    for (const MediaListEntry &entry : list.entries)
        rows.append({QString::number(entry.index), Terminal::plain(entry.title),
                     entry.durationString().value_or(QStringLiteral("-")), Terminal::plain(entry.url)});
    text += table(rows);
    if (list.linkedEntry)
        text += tr("The link itself is entry %1 of this list.").arg(*list.linkedEntry) + QLatin1Char('\n');
    return text;
}

QJsonObject toJson(const MediaMetadata &metadata, const std::optional<MediaList> &enclosingList)
{
    QJsonObject object = metadata.toJson();
    if (enclosingList && enclosingList->linkedEntry) {
        object.insert(QStringLiteral("list"), QJsonObject{{QStringLiteral("title"), enclosingList->title},
                                                          {QStringLiteral("webpageUrl"), enclosingList->webpageUrl},
                                                          {QStringLiteral("index"), *enclosingList->linkedEntry},
                                                          {QStringLiteral("count"), enclosingList->entries.size()}});
    }
    return object;
}

QJsonObject toJson(const MediaList &list)
{
    QJsonArray entries;
    for (const MediaListEntry &entry : list.entries) {
        QJsonObject object{{QStringLiteral("index"), entry.index},
                           {QStringLiteral("title"), entry.title},
                           {QStringLiteral("url"), entry.url}};
        if (entry.duration)
            object.insert(QStringLiteral("duration"), *entry.duration);
        if (entry.thumbnail)
            object.insert(QStringLiteral("thumbnail"), *entry.thumbnail);
        if (entry.fetchFromList)
            object.insert(QStringLiteral("fetchFromList"), true);
        entries.append(object);
    }
    QJsonObject object{{QStringLiteral("type"), QStringLiteral("list")},
                       {QStringLiteral("id"), list.id},
                       {QStringLiteral("title"), list.title},
                       {QStringLiteral("webpageUrl"), list.webpageUrl},
                       {QStringLiteral("entries"), entries}};
    if (list.uploader)
        object.insert(QStringLiteral("uploader"), *list.uploader);
    if (list.linkedEntry)
        object.insert(QStringLiteral("linkedEntry"), *list.linkedEntry);
    return object;
}

int run(const AnalyzeRequest &request, const AppSettings &settings)
{
    // The analysis runs yt-dlp in a process group of its own, out of reach of
    // the terminal's Ctrl+C: the signal must stop it from here.
    SignalWatcher watcher;
    AnalysisCancelToken cancel;
    bool interrupted = false;
    QObject::connect(&watcher, &SignalWatcher::interrupted, [&] {
        interrupted = true;
        cancel.cancel();
    });

    QEventLoop loop;
    bool ended = false;
    int exitCode = ExitCode::failure;
    const YTDLPClient client(settings);
    const YTDLPClient::Scope scope = request.wholeList ? YTDLPClient::Scope::list : YTDLPClient::Scope::linkedItem;
    client.analyze(request.url, cancel, YTDLPClient::KeepInfo::no, scope).then(&loop, [&](const AnalyzeResult &result) {
        if (interrupted) {
            exitCode = ExitCode::interrupted;
        } else if (result.hasMetadata()) {
            Terminal::out(request.json ? QString::fromUtf8(QJsonDocument(toJson(result.metadata(), result.enclosingList())).toJson())
                                       : describe(result.metadata(), result.enclosingList()));
            exitCode = ExitCode::success;
        } else if (result.hasList()) {
            Terminal::out(request.json ? QString::fromUtf8(QJsonDocument(toJson(result.list())).toJson())
                                       : describe(result.list()));
            exitCode = ExitCode::success;
        } else {
            const DownloadErrorCategory category = result.error();
            Terminal::err(QCoreApplication::translate("DownloadErrorCategory", result.message()) + QLatin1Char('\n'));
            if (request.json) {
                const QJsonObject error{{QStringLiteral("error"), DownloadErrorCategories::rawValue(category)}};
                Terminal::out(QString::fromUtf8(QJsonDocument(error).toJson()));
            }
        }
        ended = true;
        loop.quit();
    });
    // A failure found before any process starts has already been handled.
    if (!ended)
        loop.exec();
    return exitCode;
}

} // namespace AnalyzeCommand
