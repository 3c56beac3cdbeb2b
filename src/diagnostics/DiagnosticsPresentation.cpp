#include "diagnostics/DiagnosticsPresentation.h"

#include "tools/ToolAge.h"

#include <QtGlobal>

namespace DiagnosticsPresentation {

DiagnosticStatusInfo statusFor(const ToolDiagnostic &tool)
{
    if (!tool.exists) {
        return {QStringLiteral("xmark.circle"), QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticStatus", "Missing")),
                SemanticColor::red, tool.name + QStringLiteral(" Missing")};
    }
    // A digest mismatch outranks the executable flag.
    if (tool.matchesManifest == false) {
        return {QStringLiteral("exclamationmark.triangle"),
                QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticStatus", "Warning")), SemanticColor::orange,
                tool.name + QStringLiteral(" warning: SHA-256 mismatch")};
    }
    if (tool.executable) {
        return {QStringLiteral("checkmark.circle"),
                QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticStatus", "Available")), SemanticColor::green,
                tool.name + QStringLiteral(" Available, version ") + tool.version.value_or(QStringLiteral("unknown"))};
    }
    return {QStringLiteral("exclamationmark.triangle"),
            QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticStatus", "Not executable")), SemanticColor::orange,
            tool.name + QStringLiteral(" present but not executable")};
}

ManifestCheckLabel manifestLabel(std::optional<bool> matchesManifest)
{
    if (!matchesManifest)
        return {QStringLiteral("n/a"), SemanticColor::secondary};
    if (*matchesManifest)
        return {QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticStatus", "Verified")), SemanticColor::green};
    return {QStringLiteral(QT_TRANSLATE_NOOP("DiagnosticStatus", "Mismatch")), SemanticColor::red};
}

QString displayPath(const std::optional<QString> &path)
{
    if (!path)
        return QStringLiteral("-");
    const QStringList pieces = path->split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (pieces.size() < 4)
        return *path;
    return QStringLiteral("\u2026/") + pieces[pieces.size() - 2] + QLatin1Char('/') + pieces.last();
}

QString redactedPath(const QString &path, const QString &homeDirectory)
{
    // Whole components only: with the home /home/ana, /home/anabel is
    // someone else's folder. A home of "/" names no account.
    QStringView home(homeDirectory);
    while (home.endsWith(u'/'))
        home.chop(1);
    if (home.isEmpty() || !path.startsWith(home))
        return path;
    const QStringView rest = QStringView(path).sliced(home.size());
    if (!rest.isEmpty() && !rest.startsWith(u'/'))
        return path;
    return QStringLiteral("/home/<user>").append(rest);
}

QString identifier(const QString &toolName)
{
    if (toolName == QLatin1String("yt-dlp"))
        return QStringLiteral("diagnosticsYTDLP");
    if (toolName == QLatin1String("ffmpeg"))
        return QStringLiteral("diagnosticsFFmpeg");
    if (toolName == QLatin1String("ffprobe"))
        return QStringLiteral("diagnosticsFFprobe");
    if (toolName == QLatin1String("deno"))
        return QStringLiteral("diagnosticsDeno");
    return QStringLiteral("diagnosticsTool-") + toolName;
}

QString jsChallengesLine(const EngineDiagnosticsReport &report, bool translate)
{
    // deno prints "deno 2.9.6 (stable, release, x86_64-unknown-linux-gnu)".
    QString denoVersion;
    for (const ToolDiagnostic &tool : report.tools) {
        if (tool.name == QLatin1String("deno") && tool.version)
            denoVersion = tool.version->section(QLatin1Char(' '), 1, 1);
    }
    return JsChallenges::statusLine(report.jsChallenges, denoVersion, translate);
}

QString reportText(const EngineDiagnosticsReport &report, const QString &homeDirectory)
{
    const auto boolText = [](bool value) { return value ? QStringLiteral("true") : QStringLiteral("false"); };
    QString text = QStringLiteral("Tarvelle Diagnostics\n");
    text += QStringLiteral("Architecture: ") + report.architecture + QLatin1Char('\n');
    text += QStringLiteral("Manifest present: ") + boolText(report.manifestPresent) + QLatin1Char('\n');
    for (const ToolDiagnostic &tool : report.tools) {
        text += QStringLiteral("- ") + tool.name + QStringLiteral(": exists=") + boolText(tool.exists);
        text += QStringLiteral(" version=") + tool.version.value_or(QStringLiteral("-"));
        text += QStringLiteral(" path=")
                + (tool.path ? redactedPath(*tool.path, homeDirectory) : QStringLiteral("-"));
        text += QStringLiteral(" shaMatch=")
                + (tool.matchesManifest ? boolText(*tool.matchesManifest) : QStringLiteral("n/a"));
        if (tool.source == ToolSource::user)
            text += QStringLiteral(" source=user");
        if (tool.releaseDate) {
            const int days = ToolAge::ageInDays(*tool.releaseDate, report.generatedAt.date());
            text += QStringLiteral(" age=%1d").arg(days);
            if (ToolAge::isStale(days))
                text += QStringLiteral(" outdated");
        }
        text += QLatin1Char('\n');
        if (tool.userCopyIgnored)
            text += QStringLiteral("  user copy not used: ") + *tool.userCopyIgnored + QLatin1Char('\n');
    }
    text += jsChallengesLine(report, false) + QLatin1Char('\n');
    return text;
}

} // namespace DiagnosticsPresentation
