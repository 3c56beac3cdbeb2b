#pragma once

#include "updates/ToolUpdater.h"

#include <QObject>
#include <QTimer>

#include <chrono>

class AppSettings;

// The "Check for tool updates" setting at work: once a week, in the
// background, asks whether a newer yt-dlp exists on the chosen channel,
// records the answer in the settings and announces a newer one. It never
// installs anything. A check that gets no answer is tried again at the next
// start of the application.
class BackgroundUpdateCheck : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::minutes kStartDelay{1};
    static constexpr std::chrono::hours kRecheckInterval{6};

    // `settings` must outlive this object.
    BackgroundUpdateCheck(AppSettings &settings, ToolUpdater::Setup setup, QObject *parent = nullptr);

    // The first look comes after `delay`, so start-up is never held up;
    // later ones every kRecheckInterval while the application runs.
    void start(std::chrono::milliseconds delay = kStartDelay);

signals:
    void newerYtDlpFound(const QString &version);
    // A look is over: it asked nothing (turned off, not due, or a check
    // still under way), or its check ended, answered or not.
    void lookEnded();

private:
    void checkIfDue();
    void onChecked(const ToolUpdateResult &result);

    AppSettings &m_settings;
    ToolUpdater m_updater;
    QTimer m_timer;
};
