#include "diagnostics/EngineDiagnostics.h"

#include "process/LineAccumulator.h"
#include "process/ProgramOutput.h"
#include "settings/AppConfiguration.h"
#include "tools/FileDigest.h"
#include "tools/ToolAge.h"
#include "tools/ToolManifest.h"
#include "tools/ToolResolver.h"
#include "tools/UserToolFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/utsname.h>
#include <unistd.h>

namespace EngineDiagnostics {

namespace {

// The tool's standard output; a tool that hangs is killed with everything it
// started and counts as having printed nothing.
QString standardOutputOf(const QString &program, const QStringList &arguments)
{
    const ProgramOutput::Result result = ProgramOutput::run(program, arguments, kToolTimeLimit);
    const QByteArray &output = result.standardOutput;
    return isValidUtf8(output.constData(), output.size()) ? QString::fromUtf8(output) : QString();
}

QString firstLine(const QString &output)
{
    const QString trimmed = output.trimmed();
    return trimmed.section(QLatin1Char('\n'), 0, 0);
}

bool isExecutableFile(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && ::access(QFile::encodeName(path).constData(), X_OK) == 0;
}

std::optional<ToolManifest> readManifest(const QString &resourcesDirectory)
{
    QFile file(QDir(resourcesDirectory).filePath(QStringLiteral("manifest.json")));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return ToolManifest::decode(file.readAll());
}

} // namespace

QString architecture()
{
    struct utsname names = {};
    if (::uname(&names) != 0)
        return {};
    return QString::fromUtf8(names.machine).trimmed();
}

QStringList versionArguments(const QString &toolName)
{
    if (toolName == QLatin1String("ffmpeg") || toolName == QLatin1String("ffprobe"))
        return {QStringLiteral("-version")};
    return {QStringLiteral("--version")};
}

EngineDiagnosticsReport run(const std::optional<QString> &resourcesDirectory)
{
    EngineDiagnosticsReport report;
    report.architecture = architecture();

    std::optional<ToolManifest> manifest;
    if (resourcesDirectory)
        manifest = readManifest(*resourcesDirectory);
    report.manifestPresent = manifest.has_value();

    const QString userFolder = AppConfiguration::userToolsDirectory();
    const ActiveTools active = ToolResolver::resolve(resourcesDirectory, userFolder);
    const std::optional<ToolManifest> userManifest =
        UserToolFolder::readManifest(UserToolFolder::manifestPath(userFolder)).decoded;

    report.allToolsPresent = true;
    for (const ActiveTool &activeTool : active.tools) {
        const QString &name = activeTool.name;
        ToolDiagnostic tool;
        tool.id = QUuid::createUuid();
        tool.name = name;
        tool.source = activeTool.source;
        tool.userCopyIgnored = activeTool.userCopyIgnored;
        const std::optional<ToolManifest> &listing = activeTool.source == ToolSource::user ? userManifest : manifest;
        if (listing)
            tool.manifestSha = listing->digestFor(name);

        const QString path = activeTool.path ? QFileInfo(*activeTool.path).absoluteFilePath() : QString();
        if (activeTool.path && isExecutableFile(path)) {
            tool.exists = true;
            tool.executable = true;
            tool.path = QDir::cleanPath(path);
            tool.version = firstLine(standardOutputOf(path, versionArguments(name)));
            tool.releaseDate = ToolAge::releaseDate(name, *tool.version);
            tool.sha256 = FileDigest::sha256(path);
            if (tool.sha256 && tool.manifestSha)
                tool.matchesManifest = *tool.sha256 == *tool.manifestSha;
        } else {
            tool.note = QString::fromLatin1(kMissingNote);
            report.allToolsPresent = false;
        }
        report.tools.append(tool);
    }
    // From what the tools said of themselves, not what a manifest lists.
    const ToolDiagnostic &ytDlp = report.tools.at(ActiveTools::kToolNames.indexOf(QStringLiteral("yt-dlp")));
    const ToolDiagnostic &deno = report.tools.at(ActiveTools::kToolNames.indexOf(QStringLiteral("deno")));
    report.jsChallenges = !ytDlp.exists ? JsChallenges::Readiness::ytDlpMissing
                                        : JsChallenges::readiness(ytDlp.version, deno.exists && deno.executable,
                                                                  JsChallenges::settingOn());
    report.generatedAt = QDateTime::currentDateTime();
    return report;
}

} // namespace EngineDiagnostics
