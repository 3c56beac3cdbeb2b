#include "tools/JsChallenges.h"

#include "settings/AppSettings.h"
#include "settings/SettingsStore.h"
#include "tools/ListedVersion.h"
#include "tools/ToolAge.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <unistd.h>

namespace JsChallenges {

Readiness readiness(const std::optional<QString> &ytDlpVersion, bool denoPresent, bool settingOn)
{
    if (!settingOn)
        return Readiness::turnedOff;
    const std::optional<QDate> released =
        ytDlpVersion ? ToolAge::releaseDate(QStringLiteral("yt-dlp"), *ytDlpVersion) : std::nullopt;
    if (!released || *released < kFirstSupportingRelease)
        return Readiness::ytDlpTooOld;
    if (!denoPresent)
        return Readiness::denoMissing;
    return Readiness::ready;
}

QStringList arguments(Readiness readiness, const QString &cacheFolder)
{
    if (readiness != Readiness::ready || cacheFolder.isEmpty())
        return {};
    return {QStringLiteral("--remote-components"), QStringLiteral("ejs:github"), QStringLiteral("--cache-dir"),
            cacheFolder};
}

QString cacheFolder()
{
    const QString cache = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
    if (cache.isEmpty())
        return {};
    return QDir(cache).filePath(QStringLiteral("tarvelle/yt-dlp"));
}

bool settingOn()
{
    const QJsonValue value = SettingsStore(SettingsStore::defaultFilePath()).value(AppSettings::kFetchChallengeSolverKey);
    return value.isBool() ? value.toBool() : AppSettings::kFetchChallengeSolverByDefault;
}

Readiness readinessOf(const ActiveTools &tools, const std::optional<QString> &resourcesDirectory)
{
    const ActiveTool &deno = tools.tool(QStringLiteral("deno"));
    const bool denoPresent = deno.path && QFileInfo(*deno.path).isFile()
                             && ::access(QFile::encodeName(*deno.path).constData(), X_OK) == 0;
    return readiness(ListedVersion::of(tools, QStringLiteral("yt-dlp"), resourcesDirectory), denoPresent,
                     settingOn());
}

QString statusLine(Readiness readiness, const QString &denoVersion, bool translate)
{
    const char *text = nullptr;
    switch (readiness) {
    case Readiness::ready:
        text = QT_TRANSLATE_NOOP("JsChallenges", "JavaScript challenges: ready (deno %1, solver fetched when needed)");
        break;
    case Readiness::turnedOff:
        text = QT_TRANSLATE_NOOP("JsChallenges", "JavaScript challenges: not ready (turned off in Settings)");
        break;
    case Readiness::ytDlpTooOld:
        text = QT_TRANSLATE_NOOP("JsChallenges",
                                 "JavaScript challenges: not ready (yt-dlp is too old; update it)");
        break;
    case Readiness::denoMissing:
        text = QT_TRANSLATE_NOOP("JsChallenges", "JavaScript challenges: not ready (deno is missing)");
        break;
    case Readiness::ytDlpMissing:
        text = QT_TRANSLATE_NOOP("JsChallenges", "JavaScript challenges: not ready (yt-dlp is missing)");
        break;
    }
    QString line = translate ? QCoreApplication::translate("JsChallenges", text) : QString::fromLatin1(text);
    return readiness == Readiness::ready ? line.arg(denoVersion) : line;
}

} // namespace JsChallenges
