#pragma once

#include "tools/ReleaseChannel.h"
#include "tools/ToolManifest.h"
#include "updates/ToolRelease.h"
#include "updates/ToolUpdateResult.h"
#include "updates/UpdateStep.h"

#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QString>

#include <atomic>
#include <functional>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTemporaryDir;
class QUrl;

// Checks for and installs a newer yt-dlp or deno from its GitHub releases
// into the user's tool folder. An update downloads the release's file, its
// digest list and (yt-dlp) the list's signature; verifies the signature with
// gpgv against the release key shipped in the resources' keys folder, then
// the file's digest; unpacks deno's zip (libarchive); checks that python3 is
// new enough for the yt-dlp zipapp; runs the new file's --version from its
// work folder; and only then installs it (ToolInstaller). Every file it
// writes lies in the user's tool folder; a failed or cancelled update leaves
// that folder as it was.
//
// Lives on one thread with an event loop (the GUI thread or the command
// line's); network transfers run there, the blocking steps on the thread
// pool. One check or update at a time.
class ToolUpdater : public QObject
{
    Q_OBJECT

public:
    struct Setup
    {
        std::optional<QString> resourcesDirectory; // shipped tools and keys/
        QString userToolsDirectory;
        QString architecture; // as `uname -m` names it
    };
    // From AppConfiguration and the machine.
    static Setup currentSetup();

    static constexpr qint64 kMaxAssetBytes = 512LL * 1024 * 1024;
    static constexpr qint64 kMaxListBytes = 1024 * 1024;

    explicit ToolUpdater(QObject *parent = nullptr);
    ToolUpdater(Setup setup, QObject *parent = nullptr);
    ~ToolUpdater() override;

    // Finds the latest release and compares it with the copy in use; nothing
    // is downloaded. Ends with upToDate, available, failed or cancelled.
    void check(const QString &tool, ReleaseChannel channel);
    // The same, then installs the release when it is newer.
    void update(const QString &tool, ReleaseChannel channel);
    // Stops the running check or update; it still ends with finished().
    void cancel();
    bool isRunning() const { return m_running; }
    // While running: the step under way and the download's last progress
    // (for a view that comes to an update already going).
    UpdateStep currentStep() const { return m_step; }
    std::pair<qint64, qint64> lastProgress() const { return m_progress; }

signals:
    void stepChanged(UpdateStep step);
    // Bytes of the release's file so far; total is -1 while unknown.
    void downloadProgress(qint64 received, qint64 total);
    void finished(const ToolUpdateResult &result);

private:
    struct Verified;

    void start(const QString &tool, ReleaseChannel channel, bool install);
    void setStep(UpdateStep step);
    void findLatest();
    void compareVersions(const QString &tag);
    void download();
    void fetch(const QUrl &url, const QString &destination, qint64 maxBytes, bool reportProgress,
               std::function<void()> then);
    void verifyAndInstall();
    void fail(UpdateStep step, const QString &reason);
    void end();

    Setup m_setup;
    QNetworkAccessManager *m_network;
    QPointer<QNetworkReply> m_reply;
    QFutureWatcher<ToolUpdateResult> m_work;
    std::shared_ptr<std::atomic_bool> m_cancelled;
    bool m_running = false;
    bool m_install = false;
    UpdateStep m_step = UpdateStep::findingRelease;
    std::pair<qint64, qint64> m_progress{0, -1};
    ToolUpdateResult m_result;
    std::optional<ToolRelease> m_release;
    QString m_tag;
    std::shared_ptr<QTemporaryDir> m_staging;
    // Folders this update created for its work, removed again if it fails.
    QStringList m_createdFolders;
};
