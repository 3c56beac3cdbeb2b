#pragma once

#include "diagnostics/EngineDiagnosticsReport.h"

#include <QWidget>

#include <QDate>

// One tool in use on the Diagnostics screen: status symbol, name, status
// text, version, where it comes from and (yt-dlp) its age on the left, with
// why a user copy was passed over; shortened path (full, redacted path as
// the tooltip) and the manifest check on the right; for yt-dlp and deno an
// Update button beside them.
class ToolDiagnosticRow : public QWidget
{
    Q_OBJECT

public:
    // `homeDirectory`: the prefix the redacted path hides; `today`: for the age.
    ToolDiagnosticRow(const ToolDiagnostic &tool, const QString &homeDirectory, const QDate &today,
                      QWidget *parent = nullptr);

signals:
    void updateRequested(const QString &toolName);
};
