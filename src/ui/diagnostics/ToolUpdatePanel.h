#pragma once

#include "updates/ToolInstaller.h"
#include "updates/ToolUpdater.h"

#include <QFutureWatcher>
#include <QGroupBox>

class AppSettings;
class QLabel;
class QProgressBar;
class QPushButton;

// The Diagnostics screen's tool updates: update yt-dlp or deno, roll the last
// update back, see each step and the download's progress, and cancel. All of
// it runs off the GUI thread or on the network's events, so the window stays
// responsive. The updater outlives the screen (an update goes on while the
// user looks elsewhere) and a new panel picks up one under way. Says what the
// background check last found.
class ToolUpdatePanel : public QGroupBox
{
    Q_OBJECT

public:
    // `settings` (the channel, the last check's finding) and `updater` must
    // outlive the panel; `userToolsDirectory` is the folder rollback works on.
    ToolUpdatePanel(AppSettings &settings, ToolUpdater &updater, QString userToolsDirectory, QWidget *parent = nullptr);

    void startUpdate(const QString &tool);
    void rollback();
    bool isBusy() const;

signals:
    // An update or a rollback changed the tools in use.
    void toolsChanged();

protected:
    void changeEvent(QEvent *event) override;

private:
    void updateEnded(const ToolUpdateResult &result);
    void rollbackEnded();
    void showBusy(bool busy);
    void showNotice();
    void retranslate();

    void showProgress(qint64 received, qint64 total);

    AppSettings &m_settings;
    ToolUpdater &m_updater;
    const QString m_userToolsDirectory;
    QFutureWatcher<ToolInstaller::RollbackResult> m_rollback;
    // Until its result has been shown, not just computed.
    bool m_rollingBack = false;
    QLabel *m_notice;
    QPushButton *m_updateYtDlp;
    QPushButton *m_updateDeno;
    QPushButton *m_rollbackButton;
    QPushButton *m_cancel;
    QLabel *m_step;
    QProgressBar *m_progress;
    QLabel *m_message;
};
