#include "support/LocalReleaseServer.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

constexpr int kStartTimeoutMs = 15000;

bool writeFile(const QString &path, const QByteArray &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(contents) == contents.size();
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Runs python3 with `script` in `folder`; empty on success, else what it said.
QString runPython(const QString &folder, const QByteArray &script)
{
    QProcess python;
    python.setWorkingDirectory(folder);
    python.setProcessChannelMode(QProcess::MergedChannels);
    python.start(QStringLiteral("python3"), {QStringLiteral("-c"), QString::fromUtf8(script)});
    if (!python.waitForFinished(30000) || python.exitCode() != 0)
        return QString::fromUtf8(python.readAll()) + python.errorString();
    return {};
}

} // namespace

ReleaseSigningKey::ReleaseSigningKey()
{
    if (!m_home.isValid()) {
        m_error = m_home.errorString();
        return;
    }
    m_error = gpg({"--quick-generate-key", "Tarvelle Test Release <release@tarvelle.test>", "ed25519", "sign", "never"},
                  {}, nullptr);
    if (!m_error.isEmpty())
        return;
    QByteArray exported;
    m_error = gpg({"--armor", "--export"}, {}, &exported);
    if (m_error.isEmpty())
        m_publicKey = exported;
}

ReleaseSigningKey::~ReleaseSigningKey()
{
    QProcess::execute(QStringLiteral("gpgconf"), {"--homedir", m_home.path(), "--kill", "gpg-agent"});
}

QString ReleaseSigningKey::gpg(const QStringList &arguments, const QByteArray &input, QByteArray *output) const
{
    QProcess process;
    process.start(QStringLiteral("gpg"), QStringList{"--homedir", m_home.path(), "--batch", "--pinentry-mode",
                                                     "loopback", "--passphrase", ""}
                                             + arguments);
    process.write(input);
    process.closeWriteChannel();
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("gpg %1 failed: %2%3")
            .arg(arguments.join(' '), QString::fromUtf8(process.readAllStandardError()), process.errorString());
    if (output)
        *output = process.readAllStandardOutput();
    return {};
}

QByteArray ReleaseSigningKey::sign(const QByteArray &data) const
{
    QByteArray signature;
    const QString error = gpg({"--detach-sign", "--output", "-"}, data, &signature);
    if (!error.isEmpty())
        ADD_FAILURE() << error.toStdString();
    return signature;
}

LocalReleaseServer::LocalReleaseServer()
{
    if (!m_folder.isValid()) {
        m_error = m_folder.errorString();
        return;
    }
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(QStringLiteral("python3"),
                   {QStringLiteral(TARVELLE_SOURCE_DIR "/tests/support/release_server.py"), m_folder.path()});
    if (!m_server.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("cannot start the server: ") + m_server.errorString();
        return;
    }
    while (!m_server.canReadLine()) {
        if (m_server.state() == QProcess::NotRunning || !m_server.waitForReadyRead(kStartTimeoutMs)) {
            m_error = QStringLiteral("the server printed no port");
            return;
        }
    }
    m_port = m_server.readLine().trimmed().toInt();
    if (m_port <= 0)
        m_error = QStringLiteral("the server printed no port");
}

LocalReleaseServer::~LocalReleaseServer()
{
    stop();
}

void LocalReleaseServer::stop()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    m_server.closeWriteChannel();
    if (!m_server.waitForFinished(3000)) {
        m_server.kill();
        m_server.waitForFinished();
    }
}

QString LocalReleaseServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void LocalReleaseServer::put(const QString &repository, const QString &tag, const QString &file,
                             const QByteArray &contents) const
{
    if (!writeFile(m_folder.filePath(repository + "/" + tag + "/" + file), contents))
        ADD_FAILURE() << "cannot publish " << file.toStdString();
}

void LocalReleaseServer::fault(const QString &repository, const QString &tag, const QString &file,
                               const QByteArray &how) const
{
    put(repository, tag, file + ".fault", how);
}

void LocalReleaseServer::setLatest(const QString &repository, const QString &tag) const
{
    if (!writeFile(m_folder.filePath(repository + "/latest"), tag.toUtf8()))
        ADD_FAILURE() << "cannot write the latest tag";
}

QStringList LocalReleaseServer::requests() const
{
    QFile log(m_folder.filePath(QStringLiteral("requests.log")));
    if (!log.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

namespace TestReleases {

QByteArray ytDlpZipapp(const QString &version, const QString &minimumPython, qsizetype paddingBytes)
{
    QTemporaryDir dir;
    if (paddingBytes > 0)
        writeFile(dir.filePath("app/yt_dlp/padding.bin"), QByteArray(paddingBytes, 'x'));
    const QString major = minimumPython.section('.', 0, 0);
    const QString minor = minimumPython.section('.', 1, 1);
    writeFile(dir.filePath("app/yt_dlp/__init__.py"),
              QStringLiteral("import sys\n\nif sys.version_info < (%1, %2):\n"
                             "    raise ImportError('Only Python versions %3 and above are supported')\n\n"
                             "VERSION = '%4'\n")
                  .arg(major, minor, minimumPython, version)
                  .toUtf8());
    writeFile(dir.filePath("app/yt_dlp/late.py"), QStringLiteral("WHO = '%1'\n").arg(version).toUtf8());
    writeFile(dir.filePath("app/__main__.py"), R"(import os, sys, time
from yt_dlp import VERSION
args = sys.argv[1:]
if args == ['--version']:
    print(VERSION)
    sys.exit(0)
sys.stderr.write('[test release] ' + VERSION + '\n')
sys.stderr.flush()
gate = os.environ.get('TARVELLE_TEST_GATE')
if gate and '-J' not in args:
    while not os.path.exists(gate):
        time.sleep(0.05)
    from yt_dlp import late
    sys.stderr.write('[test release] late import ' + late.WHO + '\n')
    sys.stderr.flush()
real = os.environ['TARVELLE_TEST_REAL_YTDLP']
os.execv(real, [real] + args)
)");
    const QString error = runPython(dir.path(), "import zipapp; zipapp.create_archive('app', 'yt-dlp', "
                                                "interpreter='/usr/bin/env python3')");
    if (!error.isEmpty())
        ADD_FAILURE() << "cannot make the zipapp: " << error.toStdString();
    return readFile(dir.filePath("yt-dlp"));
}

QByteArray denoZip(const QString &version)
{
    QTemporaryDir dir;
    const QString script = QStringLiteral("#!/bin/sh\necho 'deno %1 (stable, release, test-target)'\n").arg(version);
    const QString error = runPython(
        dir.path(), QStringLiteral("import zipfile\n"
                                   "info = zipfile.ZipInfo('deno')\n"
                                   "info.external_attr = 0o100755 << 16\n"
                                   "with zipfile.ZipFile('deno.zip', 'w', zipfile.ZIP_DEFLATED) as z:\n"
                                   "    z.writestr(info, %1)\n")
                        .arg(QStringLiteral("'''") + script + QStringLiteral("'''"))
                        .toUtf8());
    if (!error.isEmpty())
        ADD_FAILURE() << "cannot make the zip: " << error.toStdString();
    return readFile(dir.filePath("deno.zip"));
}

QByteArray digestLine(const QByteArray &contents, const QString &name)
{
    return QCryptographicHash::hash(contents, QCryptographicHash::Sha256).toHex() + "  " + name.toUtf8() + "\n";
}

} // namespace TestReleases
