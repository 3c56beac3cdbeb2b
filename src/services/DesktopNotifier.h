#pragma once

#include "engine/DownloadNotifier.h"

#include <QHash>
#include <QObject>

#include <chrono>
#include <functional>
#include <optional>

class NotificationService;

// Posts the engine's finished downloads on the desktop's notification server,
// with the actions the server can show: Open and Show in Folder for a file,
// Retry for a failure; the notification itself brings the window forward.
//
// Many downloads ending together make one notification, not a flood: a
// download that finishes within the burst window (10 s) of the previous
// announcement replaces it with a summary ("3 downloads finished", "2
// complete, 1 failed") whose click shows the window. A quiet window ends the
// burst; the next download is announced on its own again.
class DesktopNotifier : public QObject, public DownloadNotifier
{
    Q_OBJECT

public:
    // What the burst window is measured with; tests move it by hand.
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    explicit DesktopNotifier(NotificationService &service, Clock clock = std::chrono::steady_clock::now,
                             QObject *parent = nullptr);

    static constexpr std::chrono::seconds kBurstWindow{10};

    void notify(const FinishedDownload &download) override;

signals:
    void openRequested(const QString &path);
    void revealRequested(const QString &path);
    void retryRequested(const QUuid &jobId);
    void windowRequested();

private:
    struct Burst
    {
        FinishedDownload first;
        int completed = 0;
        int failed = 0;
        uint id = 0;           // the server's id, once it answered
        bool summaryDue = false; // more finished before the id came back
        std::optional<std::chrono::steady_clock::time_point> lastFinish;
    };

    // Announces the burst as it stands: the one download, or the summary.
    void post();
    void posted(int burst, uint id, const FinishedDownload &download);
    void actionInvoked(uint id, const QString &key);
    void forget(uint id);

    NotificationService &m_service;
    Clock m_clock;
    Burst m_burst;
    bool m_inBurst = false;
    int m_burstNumber = 0; // which burst a late answer of the server belongs to
    // What each of our notifications on screen stands for: one download, or
    // (no job id) a summary.
    QHash<uint, FinishedDownload> m_shown;
};
