#pragma once

#include "diagnostics/EngineDiagnosticsReport.h"
#include "services/FileService.h"

#include <QDialog>

#include <functional>
#include <optional>

class QLabel;
class QPushButton;
class QVBoxLayout;

// The About window: name, version, the tools' versions from the last
// diagnostics report with where each comes from and yt-dlp's age (an
// outdated one with its Update button), the notice and licence documents shipped in the
// resources directory, and the lawful-use notice. Closed with Escape or the
// window's own close control.
class AboutView : public QDialog
{
    Q_OBJECT

public:
    // Opens a file or folder with the desktop's default handler; `done`
    // hears whether the desktop could.
    using Opener = std::function<void(const QString &path, OpenDone done)>;

    AboutView(Opener openDocument, QWidget *parent = nullptr);

    void setReport(const std::optional<EngineDiagnosticsReport> &report);

    // The shipped document or folder `name` in the resources directory when
    // it exists there; nothing otherwise.
    static std::optional<QString> resource(const QString &name);

signals:
    void updateRequested(const QString &toolName);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();
    void buildTools();
    void open(const QString &name);

    Opener m_openDocument;
    std::optional<EngineDiagnosticsReport> m_report;
    QLabel *m_name;
    QLabel *m_version;
    QLabel *m_toolsHeading;
    QVBoxLayout *m_toolsLayout;
    QPushButton *m_notices;
    QPushButton *m_legal;
    QPushButton *m_licenses;
    QLabel *m_lawfulUse;
};
