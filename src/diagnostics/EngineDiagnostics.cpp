#include "diagnostics/EngineDiagnostics.h"

#include "diagnostics/ToolManifest.h"
#include "process/LineAccumulator.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <openssl/crypto.h>
#include <openssl/evp.h>

#include <memory>

#include <csignal>

#include <sys/utsname.h>
#include <unistd.h>

namespace EngineDiagnostics {

namespace {

// Runs a tool with a time limit and returns its standard output; standard
// error is discarded as it arrives so a chatty tool can never block on a
// full pipe. A tool that hangs is killed with everything it started (it runs
// in a process group of its own) and counts as having printed nothing.
QString standardOutputOf(const QString &program, const QStringList &arguments)
{
    const int limitMs = static_cast<int>(std::chrono::milliseconds(kToolTimeLimit).count());
    QProcess process;
    process.setStandardErrorFile(QProcess::nullDevice());
    process.setStandardInputFile(QProcess::nullDevice());
    process.setChildProcessModifier([] { ::setpgid(0, 0); });
    process.start(program, arguments, QIODevice::ReadOnly);
    if (!process.waitForStarted(limitMs))
        return {};
    if (!process.waitForFinished(limitMs)) {
        ::killpg(static_cast<pid_t>(process.processId()), SIGKILL);
        process.waitForFinished(1000);
        return {};
    }
    const QByteArray output = process.readAllStandardOutput();
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

std::optional<QString> sha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    std::unique_ptr<EVP_MD_CTX, decltype(&EVP_MD_CTX_free)> context(EVP_MD_CTX_new(), EVP_MD_CTX_free);
    if (!context || EVP_DigestInit_ex(context.get(), EVP_sha256(), nullptr) != 1)
        return std::nullopt;
    QByteArray buffer(1 << 20, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(buffer.data(), buffer.size());
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        EVP_DigestUpdate(context.get(), buffer.constData(), static_cast<size_t>(got));
    }
    unsigned char digest[EVP_MAX_MD_SIZE];
    unsigned int length = 0;
    if (EVP_DigestFinal_ex(context.get(), digest, &length) != 1)
        return std::nullopt;
    return QString::fromLatin1(QByteArray(reinterpret_cast<const char *>(digest), length).toHex());
}

QStringList versionArguments(const QString &toolName)
{
    if (toolName == QLatin1String("ffmpeg") || toolName == QLatin1String("ffprobe"))
        return {QStringLiteral("-version")};
    return {QStringLiteral("--version")};
}

EngineDiagnosticsReport run(const std::optional<QString> &resourcesDirectory)
{
    // Runs usually happen on pool threads, which can outlive OpenSSL's own
    // clean-up at exit; hand back this thread's OpenSSL state (its error
    // queue) when the run ends so it is never stranded.
    struct ReleaseOpenSslThreadState {
        ~ReleaseOpenSslThreadState() { OPENSSL_thread_stop(); }
    } releaseOpenSslThreadState;

    EngineDiagnosticsReport report;
    report.architecture = architecture();

    std::optional<ToolManifest> manifest;
    if (resourcesDirectory)
        manifest = readManifest(*resourcesDirectory);
    report.manifestPresent = manifest.has_value();

    report.allToolsPresent = true;
    for (const QString &name : kToolNames) {
        ToolDiagnostic tool;
        tool.id = QUuid::createUuid();
        tool.name = name;
        if (manifest)
            tool.manifestSha = manifest->digestFor(name);

        const QString path = resourcesDirectory
                                 ? QDir(*resourcesDirectory).absoluteFilePath(QStringLiteral("Tools/") + name)
                                 : QString();
        if (resourcesDirectory && isExecutableFile(path)) {
            tool.exists = true;
            tool.executable = true;
            tool.path = QDir::cleanPath(path);
            tool.version = firstLine(standardOutputOf(path, versionArguments(name)));
            tool.sha256 = sha256(path);
            if (tool.sha256 && tool.manifestSha)
                tool.matchesManifest = *tool.sha256 == *tool.manifestSha;
        } else {
            tool.note = QString::fromLatin1(kMissingNote);
            report.allToolsPresent = false;
        }
        report.tools.append(tool);
    }
    report.generatedAt = QDateTime::currentDateTime();
    return report;
}

} // namespace EngineDiagnostics
