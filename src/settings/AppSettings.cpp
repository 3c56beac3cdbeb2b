#include "settings/AppSettings.h"

#include "settings/AppConfiguration.h"

#include <algorithm>
#include <cmath>
#include <limits>

const QString AppSettings::kMaxConcurrentDownloadsKey = QStringLiteral("maxConcurrentDownloads");
const QString AppSettings::kDefaultOutputDirectoryKey = QStringLiteral("defaultOutputDirectory");
const QString AppSettings::kDefaultMediaTypeKey = QStringLiteral("defaultMediaType");
const QString AppSettings::kDefaultVideoQualityKey = QStringLiteral("defaultVideoQuality");
const QString AppSettings::kDefaultAudioFormatKey = QStringLiteral("defaultAudioFormat");
const QString AppSettings::kDefaultSubtitleModeKey = QStringLiteral("defaultSubtitleMode");
const QString AppSettings::kDefaultSubtitleLangKey = QStringLiteral("defaultSubtitleLang");
const QString AppSettings::kDownloadCompleteNotificationKey = QStringLiteral("downloadCompleteNotification");
const QString AppSettings::kKeepFailedTasksKey = QStringLiteral("keepFailedTasks");
const QString AppSettings::kSkipDownloadedEntriesKey = QStringLiteral("skipDownloadedEntries");
const QString AppSettings::kShowVerboseLogsKey = QStringLiteral("showVerboseLogs");
const QString AppSettings::kWatchClipboardKey = QStringLiteral("watchClipboard");
const QString AppSettings::kCookieFilePathKey = QStringLiteral("cookieFilePath");
const QString AppSettings::kSelectedAppLanguageKey = QStringLiteral("selectedAppLanguage");
const QString AppSettings::kLegalAcceptedKey = QStringLiteral("legalAccepted");
const QString AppSettings::kWindowGeometryKey = QStringLiteral("windowGeometry");
const QString AppSettings::kCheckForToolUpdatesKey = QStringLiteral("checkForToolUpdates");
const QString AppSettings::kToolUpdateChannelKey = QStringLiteral("toolUpdateChannel");
const QString AppSettings::kToolUpdateCheckedAtKey = QStringLiteral("toolUpdateCheckedAt");
const QString AppSettings::kNewerYtDlpKey = QStringLiteral("toolUpdateNewerYtDlp");
const QString AppSettings::kFetchChallengeSolverKey = QStringLiteral("fetchChallengeSolver");

namespace {

// A stored number as a whole count (fraction dropped, far-off values pinned to
// the int range); anything that is not a number reads as 0.
int storedInteger(const QJsonValue &value)
{
    if (!value.isDouble())
        return 0;
    const double number = std::trunc(value.toDouble());
    return static_cast<int>(std::clamp(number, double(std::numeric_limits<int>::min()),
                                       double(std::numeric_limits<int>::max())));
}

int clampConcurrency(int value)
{
    return std::clamp(value, AppSettings::kMinConcurrentDownloads, AppSettings::kMaxConcurrentDownloads);
}

} // namespace

AppSettings &AppSettings::shared()
{
    static AppSettings instance(SettingsStore::defaultFilePath());
    return instance;
}

AppSettings::AppSettings(const QString &settingsFilePath, QObject *parent)
    : QObject(parent)
    , m_store(settingsFilePath)
{
    // The store may find the damage on any thread; the news arrives on ours.
    m_store.setSetAsideHandler([this](const QString &) {
        QMetaObject::invokeMethod(this, &AppSettings::settingsFileSetAside, Qt::QueuedConnection);
    });
    const int stored = storedInteger(m_store.value(kMaxConcurrentDownloadsKey));
    if (stored == 0)
        return;
    m_maxConcurrentDownloads = clampConcurrency(stored);
    if (m_maxConcurrentDownloads != stored)
        m_store.setValue(kMaxConcurrentDownloadsKey, m_maxConcurrentDownloads);
}

void AppSettings::setMaxConcurrentDownloads(int value)
{
    assignConcurrency(clampConcurrency(value));
    m_store.setValue(kMaxConcurrentDownloadsKey, m_maxConcurrentDownloads);
}

void AppSettings::assignConcurrency(int value)
{
    if (value == m_maxConcurrentDownloads)
        return;
    m_maxConcurrentDownloads = value;
    emit maxConcurrentDownloadsChanged();
}

QString AppSettings::text(const QString &key, const QString &fallback) const
{
    const QJsonValue value = m_store.value(key);
    return value.isString() ? value.toString() : fallback;
}

bool AppSettings::boolean(const QString &key, bool fallback) const
{
    const QJsonValue value = m_store.value(key);
    return value.isBool() ? value.toBool() : fallback;
}

QString AppSettings::defaultOutputDirectory() const
{
    return text(kDefaultOutputDirectoryKey, AppConfiguration::defaultOutputDir());
}

void AppSettings::setDefaultOutputDirectory(const QString &path)
{
    m_store.setValue(kDefaultOutputDirectoryKey, path);
}

QString AppSettings::defaultMediaTypeRaw() const
{
    return text(kDefaultMediaTypeKey, MediaKinds::rawValue(MediaKind::video));
}

void AppSettings::setDefaultMediaTypeRaw(const QString &raw)
{
    m_store.setValue(kDefaultMediaTypeKey, raw);
}

QString AppSettings::defaultVideoQualityRaw() const
{
    return text(kDefaultVideoQualityKey, VideoQualities::rawValue(VideoQuality::p1080));
}

void AppSettings::setDefaultVideoQualityRaw(const QString &raw)
{
    m_store.setValue(kDefaultVideoQualityKey, raw);
}

QString AppSettings::defaultAudioFormatRaw() const
{
    return text(kDefaultAudioFormatKey, AudioFormats::rawValue(AudioFormat::best));
}

void AppSettings::setDefaultAudioFormatRaw(const QString &raw)
{
    m_store.setValue(kDefaultAudioFormatKey, raw);
}

QString AppSettings::defaultSubtitleModeRaw() const
{
    return text(kDefaultSubtitleModeKey, SubtitleModes::rawValue(SubtitleMode::none));
}

void AppSettings::setDefaultSubtitleModeRaw(const QString &raw)
{
    m_store.setValue(kDefaultSubtitleModeKey, raw);
}

QString AppSettings::defaultSubtitleLang() const
{
    return text(kDefaultSubtitleLangKey, QStringLiteral("en"));
}

void AppSettings::setDefaultSubtitleLang(const QString &lang)
{
    m_store.setValue(kDefaultSubtitleLangKey, lang);
}

QString AppSettings::cookieFilePath() const
{
    return text(kCookieFilePathKey, QString());
}

void AppSettings::setCookieFilePath(const QString &path)
{
    m_store.setValue(kCookieFilePathKey, path);
}

QString AppSettings::selectedAppLanguage() const
{
    return text(kSelectedAppLanguageKey, AppLanguages::rawValue(AppLanguage::system));
}

void AppSettings::setSelectedAppLanguage(AppLanguage language)
{
    m_store.setValue(kSelectedAppLanguageKey, AppLanguages::rawValue(language));
}

bool AppSettings::downloadCompleteNotification() const
{
    return boolean(kDownloadCompleteNotificationKey, true);
}

void AppSettings::setDownloadCompleteNotification(bool on)
{
    m_store.setValue(kDownloadCompleteNotificationKey, on);
}

bool AppSettings::keepFailedTasks() const
{
    return boolean(kKeepFailedTasksKey, true);
}

void AppSettings::setKeepFailedTasks(bool on)
{
    m_store.setValue(kKeepFailedTasksKey, on);
}

bool AppSettings::skipDownloadedEntries() const
{
    return boolean(kSkipDownloadedEntriesKey, false);
}

void AppSettings::setSkipDownloadedEntries(bool on)
{
    m_store.setValue(kSkipDownloadedEntriesKey, on);
}

bool AppSettings::showVerboseLogs() const
{
    return boolean(kShowVerboseLogsKey, false);
}

void AppSettings::setShowVerboseLogs(bool on)
{
    const bool was = showVerboseLogs();
    m_store.setValue(kShowVerboseLogsKey, on);
    if (on != was)
        emit showVerboseLogsChanged();
}

bool AppSettings::watchClipboard() const
{
    return boolean(kWatchClipboardKey, false);
}

void AppSettings::setWatchClipboard(bool on)
{
    const bool was = watchClipboard();
    m_store.setValue(kWatchClipboardKey, on);
    if (on != was)
        emit watchClipboardChanged();
}

MediaKind AppSettings::defaultMediaType() const
{
    return defaultMediaTypeRaw() == MediaKinds::rawValue(MediaKind::audio) ? MediaKind::audio
                                                                           : MediaKind::video;
}

VideoQuality AppSettings::defaultVideoQuality() const
{
    return VideoQualities::fromRawValue(defaultVideoQualityRaw()).value_or(VideoQuality::p1080);
}

AudioFormat AppSettings::defaultAudioFormat() const
{
    return AudioFormats::fromRawValue(defaultAudioFormatRaw()).value_or(AudioFormat::best);
}

SubtitleMode AppSettings::defaultSubtitleMode() const
{
    return SubtitleModes::fromRawValue(defaultSubtitleModeRaw()).value_or(SubtitleMode::none);
}

AppLanguage AppSettings::appLanguage() const
{
    return AppLanguages::fromRawValue(selectedAppLanguage()).value_or(AppLanguage::system);
}

bool AppSettings::checkForToolUpdates() const
{
    return boolean(kCheckForToolUpdatesKey, kCheckForToolUpdatesByDefault);
}

void AppSettings::setCheckForToolUpdates(bool on)
{
    m_store.setValue(kCheckForToolUpdatesKey, on);
}

bool AppSettings::fetchChallengeSolver() const
{
    return boolean(kFetchChallengeSolverKey, kFetchChallengeSolverByDefault);
}

void AppSettings::setFetchChallengeSolver(bool on)
{
    m_store.setValue(kFetchChallengeSolverKey, on);
}

ReleaseChannel AppSettings::toolUpdateChannel() const
{
    return ReleaseChannels::fromRaw(text(kToolUpdateChannelKey, QString())).value_or(ReleaseChannel::stable);
}

void AppSettings::setToolUpdateChannel(ReleaseChannel channel)
{
    m_store.setValue(kToolUpdateChannelKey, ReleaseChannels::rawValue(channel));
}

std::optional<QDateTime> AppSettings::toolUpdateCheckedAt() const
{
    const QDateTime when = QDateTime::fromString(text(kToolUpdateCheckedAtKey, QString()), Qt::ISODate);
    if (!when.isValid())
        return std::nullopt;
    return when;
}

std::optional<QString> AppSettings::newerYtDlp() const
{
    const QString version = text(kNewerYtDlpKey, QString());
    if (version.isEmpty())
        return std::nullopt;
    return version;
}

void AppSettings::recordToolUpdateCheck(const QDateTime &when, const std::optional<QString> &newerYtDlp)
{
    m_store.setValue(kToolUpdateCheckedAtKey, when.toUTC().toString(Qt::ISODate));
    if (newerYtDlp)
        m_store.setValue(kNewerYtDlpKey, *newerYtDlp);
    else
        m_store.remove({kNewerYtDlpKey});
}

bool AppSettings::legalAccepted() const
{
    return boolean(kLegalAcceptedKey, false);
}

void AppSettings::setLegalAccepted(bool accepted)
{
    m_store.setValue(kLegalAcceptedKey, accepted);
}

QByteArray AppSettings::windowGeometry() const
{
    return QByteArray::fromBase64(text(kWindowGeometryKey, QString()).toLatin1());
}

void AppSettings::setWindowGeometry(const QByteArray &geometry)
{
    m_store.setValue(kWindowGeometryKey, QString::fromLatin1(geometry.toBase64()));
}

void AppSettings::restoreDefaults()
{
    const bool verboseLogsWere = showVerboseLogs();
    const bool watchedClipboard = watchClipboard();
    m_store.remove({kDefaultOutputDirectoryKey, kDefaultMediaTypeKey, kDefaultVideoQualityKey,
                    kDefaultAudioFormatKey, kDefaultSubtitleModeKey, kDefaultSubtitleLangKey,
                    kMaxConcurrentDownloadsKey, kDownloadCompleteNotificationKey, kKeepFailedTasksKey,
                    kShowVerboseLogsKey, kCookieFilePathKey, kSelectedAppLanguageKey, kWatchClipboardKey,
                    kCheckForToolUpdatesKey, kToolUpdateChannelKey, kSkipDownloadedEntriesKey,
                    kFetchChallengeSolverKey});
    m_store.remove(advancedKeys());
    assignConcurrency(kDefaultConcurrentDownloads);
    if (verboseLogsWere != showVerboseLogs())
        emit showVerboseLogsChanged();
    if (watchedClipboard != watchClipboard())
        emit watchClipboardChanged();
}
