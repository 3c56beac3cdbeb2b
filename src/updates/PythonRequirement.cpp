#include "updates/PythonRequirement.h"

#include "process/ProgramOutput.h"
#include "updates/ZipArchive.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

namespace PythonRequirement {

namespace {

constexpr qint64 kMaxInitBytes = 1 << 20;

QString translated(const char *text)
{
    return QCoreApplication::translate("PythonRequirement", text);
}

} // namespace

std::optional<QString> interpreterOf(const QByteArray &firstLine)
{
    if (!firstLine.startsWith("#!"))
        return std::nullopt;
    const QStringList words = QString::fromUtf8(firstLine.mid(2)).simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return std::nullopt;
    if (QFileInfo(words[0]).fileName() == QLatin1String("env")) {
        if (words.size() < 2)
            return std::nullopt;
        const QString found = QStandardPaths::findExecutable(words[1]);
        return found.isEmpty() ? words[1] : found;
    }
    return words[0];
}

std::optional<QVersionNumber> declaredMinimum(const QByteArray &initSource)
{
    static const QRegularExpression guard(
        QStringLiteral("^\\s*if\\s+sys\\.version_info\\s*<\\s*\\(\\s*(\\d+)\\s*,\\s*(\\d+)\\s*\\)\\s*:"),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = guard.match(QString::fromUtf8(initSource));
    if (!match.hasMatch())
        return std::nullopt;
    return QVersionNumber(match.captured(1).toInt(), match.captured(2).toInt());
}

std::optional<QVersionNumber> versionOf(const QString &python)
{
    const ProgramOutput::Result result = ProgramOutput::run(python, {QStringLiteral("--version")}, std::chrono::seconds(20));
    if (!result.succeeded())
        return std::nullopt;
    static const QRegularExpression printed(QStringLiteral("\\APython (\\d+\\.\\d+(?:\\.\\d+)?)"));
    const QRegularExpressionMatch match = printed.match(QString::fromUtf8(result.standardOutput).trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    return QVersionNumber::fromString(match.captured(1));
}

std::optional<QString> check(const QString &path, const QString &package)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return translated(QT_TRANSLATE_NOOP("PythonRequirement", "The new file cannot be read."));
    const std::optional<QString> python = interpreterOf(file.readLine(4096).trimmed());
    file.close();
    if (!python)
        return translated(QT_TRANSLATE_NOOP("PythonRequirement", "The new file is not a Python program (no \"#!\" line)."));
    const std::optional<QVersionNumber> installed = versionOf(*python);
    if (!installed)
        return translated(QT_TRANSLATE_NOOP("PythonRequirement", "%1 does not run here, and the new file needs it."))
            .arg(*python);
    // A package without a guard states no minimum; trying the file decides.
    const std::optional<QByteArray> init = ZipArchive::read(path, package + QStringLiteral("/__init__.py"), kMaxInitBytes);
    const std::optional<QVersionNumber> minimum = init ? declaredMinimum(*init) : std::nullopt;
    if (minimum && *installed < *minimum)
        return translated(QT_TRANSLATE_NOOP("PythonRequirement",
                                            "The new version needs Python %1 or newer, and %2 here is Python %3."))
            .arg(minimum->toString(), QFileInfo(*python).fileName(), installed->toString());
    return std::nullopt;
}

} // namespace PythonRequirement
