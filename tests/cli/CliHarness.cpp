#include "cli/CliHarness.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QJsonDocument>

QString cliPath()
{
    return QStringLiteral(TARVELLE_BUILD_DIR "/bin/tarvelle-cli");
}

QString windowPath()
{
    return QStringLiteral(TARVELLE_BUILD_DIR "/bin/tarvelle");
}

CliUser::CliUser() = default;

QString CliUser::settingsFile() const
{
    return m_home.filePath(QStringLiteral(".config/tarvelle/settings.json"));
}

QString CliUser::defaultOutputDirectory() const
{
    return m_home.filePath(QStringLiteral("Downloads/Korvanth"));
}

bool CliUser::acceptNoticeForWindow() const
{
    QDir().mkpath(QFileInfo(settingsFile()).absolutePath());
    QFile settings(settingsFile());
    return settings.open(QIODevice::WriteOnly)
        && settings.write(QJsonDocument(QJsonObject{{"legalAccepted", true},
                                                    {"defaultOutputDirectory", home() + "/out"},
                                                    {"downloadCompleteNotification", false}})
                              .toJson())
        > 0;
}

QProcessEnvironment CliUser::environment() const
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral(".config")));
    environment.insert(QStringLiteral("XDG_DATA_HOME"), m_home.filePath(QStringLiteral(".local/share")));
    environment.insert(QStringLiteral("TZ"), kTimeZone);
    environment.insert(QStringLiteral("XDG_CACHE_HOME"), m_home.filePath(QStringLiteral(".cache")));
    environment.insert(m_variables);
    return environment;
}

std::unique_ptr<QProcess> CliUser::start(const QStringList &arguments, const QString &program) const
{
    auto process = std::make_unique<QProcess>();
    process->setProcessEnvironment(environment());
    process->setWorkingDirectory(home());
    process->start(!program.isEmpty() ? program : m_program.isEmpty() ? cliPath() : m_program, arguments);
    process->waitForStarted();
    return process;
}

CliResult CliUser::wait(QProcess &process, std::chrono::milliseconds timeout)
{
    CliResult result;
    result.finished = process.waitForFinished(static_cast<int>(timeout.count()));
    if (!result.finished) {
        process.kill();
        process.waitForFinished();
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

CliResult CliUser::run(const QStringList &arguments, const QByteArray &input, std::chrono::milliseconds timeout) const
{
    const auto process = start(arguments);
    process->write(input);
    process->closeWriteChannel();
    return wait(*process, timeout);
}

QString CliUser::shellCommand(const QStringList &arguments)
{
    QStringList quoted;
    for (const QString &argument : QStringList{cliPath()} + arguments)
        quoted.append("'" + QString(argument).replace("'", R"('\'')") + "'");
    return quoted.join(' ');
}

CliResult CliUser::runShell(const QString &program, const QStringList &arguments) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.setWorkingDirectory(home());
    process.start(program, arguments);
    process.closeWriteChannel();
    return wait(process, std::chrono::seconds(120));
}

CliResult CliUser::runOnTerminal(const QStringList &arguments, int columns) const
{
    const QString command = columns > 0 ? QStringLiteral("stty cols %1; %2").arg(columns).arg(shellCommand(arguments))
                                        : shellCommand(arguments);
    return runShell("script", {"--quiet", "--return", "--command", command, "/dev/null"});
}

CliResult CliUser::runPiped(const QStringList &arguments, const QString &reader) const
{
    return runShell("/bin/sh", {"-c", shellCommand(arguments) + " | " + reader});
}

QJsonArray CliUser::history(const QStringList &arguments) const
{
    const CliResult result = run(QStringList{QStringLiteral("history"), QStringLiteral("--json")} + arguments);
    return QJsonDocument::fromJson(result.out.toUtf8()).array();
}
