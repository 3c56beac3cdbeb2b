#pragma once

#include "diagnostics/EngineDiagnosticsReport.h"

#include <QWidget>

// One shipped tool on the Diagnostics screen: status symbol, name, status
// text and version on the left; shortened path (full, redacted path as the
// tooltip) and the manifest check on the right.
class ToolDiagnosticRow : public QWidget
{
    Q_OBJECT

public:
    // `homeDirectory`: the prefix the redacted path hides.
    ToolDiagnosticRow(const ToolDiagnostic &tool, const QString &homeDirectory, QWidget *parent = nullptr);
};
