#pragma once

#include "engine/AdvancedOptions.h"
#include "engine/DownloadOptions.h"
#include "settings/AppLanguage.h"
#include "settings/SettingsStore.h"
#include "tools/ReleaseChannel.h"

#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

// The user's preferences, kept in the per-user SettingsStore under fixed keys.
//
// Every setting except the concurrency value is a pass-through: read from the
// store on each access, written on each change, so the next reader sees a
// change at once (also one made by another process). The concurrency value is
// read once, at construction, then kept in memory and announced through
// maxConcurrentDownloadsChanged.
//
// Used on the GUI thread. One instance serves the application (shared());
// tests build their own over a file of their choosing.
class AppSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int maxConcurrentDownloads READ maxConcurrentDownloads WRITE setMaxConcurrentDownloads
                   NOTIFY maxConcurrentDownloadsChanged)

public:
    static constexpr int kDefaultConcurrentDownloads = 2;
    static constexpr int kMinConcurrentDownloads = 1;
    static constexpr int kMaxConcurrentDownloads = 4;

    // The store's keys.
    static const QString kMaxConcurrentDownloadsKey;
    static const QString kDefaultOutputDirectoryKey;
    static const QString kDefaultMediaTypeKey;
    static const QString kDefaultVideoQualityKey;
    static const QString kDefaultAudioFormatKey;
    static const QString kDefaultSubtitleModeKey;
    static const QString kDefaultSubtitleLangKey;
    static const QString kDownloadCompleteNotificationKey;
    static const QString kKeepFailedTasksKey;
    static const QString kSkipDownloadedEntriesKey;
    static const QString kShowVerboseLogsKey;
    static const QString kWatchClipboardKey;
    static const QString kCookieFilePathKey;
    static const QString kSelectedAppLanguageKey;
    static const QString kLegalAcceptedKey;
    static const QString kWindowGeometryKey;
    static const QString kCheckForToolUpdatesKey;
    static const QString kToolUpdateChannelKey;
    static const QString kToolUpdateCheckedAtKey;
    static const QString kNewerYtDlpKey;
    static const QString kFetchChallengeSolverKey;

    // Asking GitHub once a week whether a newer yt-dlp exists costs one small
    // request and never installs anything, while a yt-dlp left behind breaks
    // downloads on the largest sites within weeks; so it is on unless the
    // user turns it off.
    static constexpr bool kCheckForToolUpdatesByDefault = true;
    // Without the challenge-solver scripts the largest video site refuses
    // most formats; yt-dlp checks what it fetches against digests it carries,
    // so letting it fetch them is on unless the user turns it off.
    static constexpr bool kFetchChallengeSolverByDefault = true;

    // The application's settings, over SettingsStore::defaultFilePath().
    // Created on first use, kept for the life of the process.
    static AppSettings &shared();

    explicit AppSettings(const QString &settingsFilePath, QObject *parent = nullptr);

    QString settingsFilePath() const { return m_store.filePath(); }
    // The settings file that was found damaged and moved aside in this
    // session (what could still be read of it is kept); empty when none was.
    QString setAsideSettingsFile() const { return m_store.setAsideFile(); }

    // Always within 1-4. Assigning clamps first, announces a change of the
    // kept value, and writes the value on every assignment.
    int maxConcurrentDownloads() const { return m_maxConcurrentDownloads; }
    void setMaxConcurrentDownloads(int value);

    // Text settings return stored text unchanged (empty included), else the
    // default: the default output folder, "video", "p1080", "best", "none",
    // "en", "", "system".
    QString defaultOutputDirectory() const;
    void setDefaultOutputDirectory(const QString &path);
    QString defaultMediaTypeRaw() const;
    void setDefaultMediaTypeRaw(const QString &raw);
    QString defaultVideoQualityRaw() const;
    void setDefaultVideoQualityRaw(const QString &raw);
    QString defaultAudioFormatRaw() const;
    void setDefaultAudioFormatRaw(const QString &raw);
    QString defaultSubtitleModeRaw() const;
    void setDefaultSubtitleModeRaw(const QString &raw);
    QString defaultSubtitleLang() const;
    void setDefaultSubtitleLang(const QString &lang);
    // The empty text means no cookies file; clearing stores the empty text.
    QString cookieFilePath() const;
    void setCookieFilePath(const QString &path);
    // The stored raw text of the interface language.
    QString selectedAppLanguage() const;
    void setSelectedAppLanguage(AppLanguage language);

    // Booleans: a stored boolean, else the default (true, true, false).
    bool downloadCompleteNotification() const;
    void setDownloadCompleteNotification(bool on);
    bool keepFailedTasks() const;
    void setKeepFailedTasks(bool on);
    // What the list card's "Skip entries already downloaded" starts as: the
    // choice made with the last list downloaded (false at first).
    bool skipDownloadedEntries() const;
    void setSkipDownloadedEntries(bool on);
    bool showVerboseLogs() const;
    void setShowVerboseLogs(bool on);
    // Offer to analyse a link the user copies while the window is open;
    // false unless stored.
    bool watchClipboard() const;
    void setWatchClipboard(bool on);

    // The stored option defaults as values, by the rule every reader follows:
    // "audio" else video; a quality raw text else p1080; "mp3"/"m4a" else
    // best; "original"/"auto" else none; a language raw text else system.
    MediaKind defaultMediaType() const;
    VideoQuality defaultVideoQuality() const;
    AudioFormat defaultAudioFormat() const;
    SubtitleMode defaultSubtitleMode() const;
    AppLanguage appLanguage() const;

    // Whether the application looks for a newer yt-dlp in the background
    // (weekly; it only tells, never installs). Default above.
    bool checkForToolUpdates() const;
    void setCheckForToolUpdates(bool on);
    // Whether yt-dlp may fetch the JavaScript challenge solver when a site
    // needs it (JsChallenges). Default above.
    bool fetchChallengeSolver() const;
    void setFetchChallengeSolver(bool on);
    // The release stream tool updates come from; stable unless "nightly" is
    // stored.
    ReleaseChannel toolUpdateChannel() const;
    void setToolUpdateChannel(ReleaseChannel channel);

    // What the last background check found (state, not preferences:
    // restoreDefaults() leaves them): when it ran, and the newer yt-dlp it
    // saw, if any.
    std::optional<QDateTime> toolUpdateCheckedAt() const;
    std::optional<QString> newerYtDlp() const;
    void recordToolUpdateCheck(const QDateTime &when, const std::optional<QString> &newerYtDlp);

    // The advanced options new downloads start from, each under a key of its
    // own (advancedKeys()). Every stored value goes through its option's
    // check as it is read; one the check refuses (a hand-edited file) reads
    // as that option's default. Never a time range: that belongs to one
    // download; nor skipping what the archive holds: that is a list's
    // choice (skipDownloadedEntries()).
    AdvancedOptions advancedDefaults() const;
    // Writes the options that differ from the stored ones; the time range
    // and the archive choice are ignored. The values must have passed their checks.
    void setAdvancedDefaults(const AdvancedOptions &options);
    static const QStringList &advancedKeys();

    // The one-time legal acceptance; false when absent. Not a preference:
    // restoreDefaults() leaves it alone.
    bool legalAccepted() const;
    void setLegalAccepted(bool accepted);

    // Where the main window was and how large, as QWidget::saveGeometry()
    // gives it (stored as Base64 text); empty when none is stored. Window
    // state, not a preference: restoreDefaults() leaves it alone too.
    QByteArray windowGeometry() const;
    void setWindowGeometry(const QByteArray &geometry);

    // Removes every preference key and the advanced ones (not
    // "legalAccepted", "windowGeometry" nor the update check's state) and
    // puts the concurrency value back to 2 at once, so screen and store agree.
    void restoreDefaults();

signals:
    void maxConcurrentDownloadsChanged();
    // A damaged settings file was just moved aside (setAsideSettingsFile()).
    void settingsFileSetAside();
    // When the effective value changes, by its setter or restoreDefaults().
    void showVerboseLogsChanged();
    void watchClipboardChanged();

private:
    QString text(const QString &key, const QString &fallback) const;
    bool boolean(const QString &key, bool fallback) const;
    void assignConcurrency(int value);

    SettingsStore m_store;
    int m_maxConcurrentDownloads = kDefaultConcurrentDownloads;
};
