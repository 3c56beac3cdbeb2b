#pragma once

#include "diagnostics/EngineDiagnosticsReport.h"
#include "ui/diagnostics/AboutView.h"

#include <QFutureWatcher>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <optional>

class AppSettings;
class EmptyStatePanel;
class LeftoverFiles;
class ToolUpdater;
class ToolUpdatePanel;
class QLabel;
class QPushButton;
class QStackedWidget;
class QVBoxLayout;

// What one diagnostics run found: the engine's report and the operating
// system's name, both gathered off the GUI thread.
struct DiagnosticsResult
{
    EngineDiagnosticsReport report;
    QString systemName; // os-release PRETTY_NAME
};

// The Diagnostics section: runs the engine diagnostics in the background
// each time it is shown and on request, shows the application facts and one
// row per tool in use, copies the report as text and opens About. Its tool
// updates panel updates and rolls back yt-dlp and deno; a run follows every
// change.
class DiagnosticsView : public QWidget
{
    Q_OBJECT

public:
    enum class State { empty, running, report };

    // `settings` (the update channel, the last check's finding) and
    // `updater` (which may be busy already) must outlive the view.
    DiagnosticsView(AppSettings &settings, ToolUpdater &updater, QWidget *parent = nullptr);
    ~DiagnosticsView() override;

    // Starts a run (the Run Diagnostics button does this).
    void run();
    // Lists the partial files no download owns, as `leftovers` finds them.
    void showLeftovers(const LeftoverFiles &leftovers);
    // Puts the report text on the clipboard; nothing without a report.
    void copy() const;

    State state() const;
    const std::optional<DiagnosticsResult> &result() const { return m_result; }
    // The About window while it is open.
    AboutView *about() const { return m_about; }
    // How About opens its documents; tests put their own in place.
    void setDocumentOpener(AboutView::Opener opener) { m_openDocument = std::move(opener); }

    static QString homeDirectory();

    ToolUpdatePanel *updates() const { return m_updates; }

protected:
    void showEvent(QShowEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void finished();
    void retranslate();
    void buildReport();
    void showAbout();

    std::optional<DiagnosticsResult> m_result;
    bool m_running = false;
    // A change to the tools came during a run: run again when it ends.
    bool m_runAgain = false;
    QFutureWatcher<DiagnosticsResult> m_watcher;
    AboutView::Opener m_openDocument;

    QLabel *m_title;
    QLabel *m_subtitle;
    QPushButton *m_aboutButton;
    QPushButton *m_refresh;
    QPushButton *m_copy;
    QStackedWidget *m_body;
    QWidget *m_runningPage;
    QLabel *m_runningLabel;
    EmptyStatePanel *m_empty;
    QWidget *m_reportPage;
    QVBoxLayout *m_reportLayout;
    ToolUpdatePanel *m_updates;
    // Cleared by Qt when the window is closed and deleted, also while this
    // view itself is being destroyed.
    QPointer<AboutView> m_about;
};
