#include "support/LocalMediaServer.h"

#include "support/TestSupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>

namespace {

constexpr int kToolTimeoutMs = 60000;
constexpr int kStartTimeoutMs = 15000;
constexpr int kMediaLockTimeoutMs = 180000;

// The ffmpeg runs that make the served media, in order, in the media folder.
const QList<QStringList> &mediaCommands()
{
    static const QList<QStringList> commands = {
        {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2", "-f", "lavfi", "-i",
         "sine=frequency=440:sample_rate=44100:duration=2", "-c:v", "libx264", "-preset", "ultrafast", "-g", "25",
         "-pix_fmt", "yuv420p", "-c:a", "aac", "-b:a", "64k", "-shortest", "-movflags", "+faststart",
         LocalMediaServer::kVideoPath.mid(1)},
        {"-i", LocalMediaServer::kVideoPath.mid(1), "-c", "copy", "-f", "hls", "-hls_time", "1",
         "-hls_playlist_type", "vod", "-hls_segment_filename", "stream/segment%03d.ts",
         LocalMediaServer::kHlsPath.mid(1)},
        {"-f", "lavfi", "-i", "testsrc=size=320x180:rate=1", "-frames:v", "1", "thumbnail.jpg"},
    };
    return commands;
}

// Runs one ffmpeg command; an empty result means success.
QString runFfmpeg(const QString &workingDirectory, const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.setWorkingDirectory(workingDirectory);
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    QStringList all{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"};
    all += arguments;
    ffmpeg.start(TestSupport::buildToolsDirectory() + QStringLiteral("/ffmpeg"), all);
    if (!ffmpeg.waitForFinished(kToolTimeoutMs)) {
        ffmpeg.kill();
        ffmpeg.waitForFinished();
        return QStringLiteral("ffmpeg did not finish: ") + ffmpeg.errorString();
    }
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0)
        return QStringLiteral("ffmpeg failed: ") + QString::fromUtf8(ffmpeg.readAll());
    return {};
}

// Makes the media in `folder`; an empty result means success.
QString makeMediaIn(const QString &folder)
{
    QDir(folder).mkpath(QStringLiteral("stream"));
    for (const QStringList &command : mediaCommands()) {
        if (QString error = runFfmpeg(folder, command); !error.isEmpty())
            return error;
    }
    return {};
}

// The media is the same for every server, so it is made once per build tree,
// in a folder named after the commands that make it (a change to them makes
// it anew). Test programs run side by side: one makes it under a lock, in a
// scratch folder renamed into place when complete.
QString sharedMedia(QString *error)
{
    QByteArray commands;
    for (const QStringList &command : mediaCommands())
        commands += command.join(QLatin1Char('\x1f')).toUtf8() + '\x1e';
    const QString key = QString::fromLatin1(QCryptographicHash::hash(commands, QCryptographicHash::Sha256).toHex().left(16));
    const QDir root(QStringLiteral(TARVELLE_BUILD_DIR "/test-media"));
    const QString folder = root.filePath(key);
    if (QFileInfo::exists(folder))
        return folder;

    root.mkpath(QStringLiteral("."));
    QLockFile lock(folder + QStringLiteral(".lock"));
    // Making it takes seconds on a loaded machine; only a holder that died
    // leaves a stale lock.
    lock.setStaleLockTime(0);
    if (!lock.tryLock(kMediaLockTimeoutMs)) {
        *error = QStringLiteral("cannot lock ") + lock.fileName();
        return {};
    }
    if (QFileInfo::exists(folder))
        return folder;
    QTemporaryDir scratch(root.filePath(QStringLiteral("making-XXXXXX")));
    if (!scratch.isValid()) {
        *error = QStringLiteral("no scratch folder: ") + scratch.errorString();
        return {};
    }
    if (*error = makeMediaIn(scratch.path()); !error->isEmpty())
        return {};
    if (!QDir().rename(scratch.path(), folder)) {
        *error = QStringLiteral("cannot move the media to ") + folder;
        return {};
    }
    scratch.setAutoRemove(false);
    return folder;
}

// Copies the files of `from`, subfolders included, into `to`.
bool copyTree(const QString &from, const QString &to)
{
    const QDir source(from);
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString relative = source.relativeFilePath(files.next());
        const QString target = QDir(to).filePath(relative);
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(files.filePath(), target))
            return false;
    }
    return true;
}

} // namespace

LocalMediaServer::LocalMediaServer()
    : LocalMediaServer(Options{})
{
}

LocalMediaServer::LocalMediaServer(Options options)
{
    if (!m_media.isValid()) {
        m_error = QStringLiteral("no temporary folder: ") + m_media.errorString();
        return;
    }
    if (makeMedia())
        start(options);
}

LocalMediaServer::~LocalMediaServer()
{
    if (m_server.state() == QProcess::NotRunning)
        return;
    // Closing its standard input asks the server to stop; kill if it does not.
    m_server.closeWriteChannel();
    if (!m_server.waitForFinished(3000)) {
        m_server.kill();
        m_server.waitForFinished();
    }
}

QString LocalMediaServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QString LocalMediaServer::url(const QString &path) const
{
    return baseUrl() + path;
}

QString LocalMediaServer::addMedia(const QString &name, const QStringList &arguments) const
{
    return runFfmpeg(m_media.path(), arguments + QStringList{name});
}

bool LocalMediaServer::makeMedia()
{
    const QString shared = sharedMedia(&m_error);
    if (shared.isEmpty())
        return false;
    // A copy of its own: tests add files to the served folder.
    if (!copyTree(shared, m_media.path())) {
        m_error = QStringLiteral("cannot copy the media from ") + shared;
        return false;
    }
    return true;
}

bool LocalMediaServer::addCopy(const QString &path)
{
    QDir(m_media.path()).mkpath(QFileInfo(path.mid(1)).path());
    m_error = runFfmpeg(m_media.path(), {"-i", kVideoPath.mid(1), "-c", "copy", path.mid(1)});
    return m_error.isEmpty();
}

QString LocalMediaServer::addMasterPlaylist(int variants)
{
    QByteArray playlist = "#EXTM3U\n#EXT-X-VERSION:3\n";
    for (int i = 0; i < variants; ++i) {
        const int height = 144 + (i % 20) * 36;
        playlist += QStringLiteral("#EXT-X-STREAM-INF:BANDWIDTH=%1,RESOLUTION=%2x%3,CODECS=\"avc1.42c01e,mp4a.40.2\"\n"
                                   "stream/index.m3u8?variant=%4\n")
                        .arg(200000 + i * 1000)
                        .arg(height * 4 / 3)
                        .arg(height)
                        .arg(i)
                        .toUtf8();
    }
    const QString path = QStringLiteral("/master-%1.m3u8").arg(variants);
    QFile file(m_media.path() + path);
    if (!file.open(QIODevice::WriteOnly) || file.write(playlist) != playlist.size())
        m_error = QStringLiteral("cannot write ") + file.fileName();
    return path;
}

bool LocalMediaServer::start(const Options &options)
{
    QStringList arguments{QStringLiteral(TARVELLE_SOURCE_DIR "/tests/support/media_server.py"), m_media.path()};
    if (options.throttleBytesPerSecond > 0)
        arguments << QStringLiteral("--throttle") << QString::number(options.throttleBytesPerSecond);
    if (m_requestLog.isValid())
        arguments << QStringLiteral("--request-log") << m_requestLog.filePath(QStringLiteral("requests.jsonl"));
    if (options.holdAtByte > 0)
        arguments << QStringLiteral("--hold-at") << QString::number(options.holdAtByte) << QStringLiteral("--release")
                  << m_requestLog.filePath(QStringLiteral("release"));
    m_server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_server.start(QStringLiteral("python3"), arguments);
    if (!m_server.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("cannot start the server: ") + m_server.errorString();
        return false;
    }
    while (!m_server.canReadLine()) {
        if (m_server.state() == QProcess::NotRunning || !m_server.waitForReadyRead(kStartTimeoutMs)) {
            m_error = QStringLiteral("the server printed no port");
            return false;
        }
    }
    bool ok = false;
    const int port = m_server.readLine().trimmed().toInt(&ok);
    if (!ok || port <= 0) {
        m_error = QStringLiteral("the server printed no port");
        return false;
    }
    m_port = port;
    return true;
}

QList<LocalMediaServer::ServedRequest> LocalMediaServer::servedRequests() const
{
    QList<ServedRequest> requests;
    QFile log(m_requestLog.filePath(QStringLiteral("requests.jsonl")));
    if (!log.open(QIODevice::ReadOnly))
        return requests;
    while (!log.atEnd()) {
        const QJsonObject line = QJsonDocument::fromJson(log.readLine()).object();
        if (line.isEmpty())
            continue;
        requests.append(ServedRequest{line.value("path").toString(), qint64(line.value("first").toDouble()),
                                      qint64(line.value("last").toDouble()), qint64(line.value("sent").toDouble()),
                                      qint64(line.value("started").toDouble() * 1000)});
    }
    return requests;
}

bool LocalMediaServer::release() const
{
    return QFile(m_requestLog.filePath(QStringLiteral("release"))).open(QIODevice::WriteOnly);
}
