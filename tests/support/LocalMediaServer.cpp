#include "support/LocalMediaServer.h"

#include "support/TestSupport.h"

#include <QDir>

namespace {

constexpr int kToolTimeoutMs = 60000;
constexpr int kStartTimeoutMs = 15000;

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

bool LocalMediaServer::makeMedia()
{
    m_error = runFfmpeg(m_media.path(),
                        {"-f", "lavfi", "-i", "testsrc=size=320x240:rate=25:duration=2", "-f", "lavfi", "-i",
                         "sine=frequency=440:sample_rate=44100:duration=2", "-c:v", "libx264", "-preset",
                         "ultrafast", "-g", "25", "-pix_fmt", "yuv420p", "-c:a", "aac", "-b:a", "64k", "-shortest",
                         "-movflags", "+faststart", kVideoPath.mid(1)});
    if (!m_error.isEmpty())
        return false;
    QDir(m_media.path()).mkpath(QStringLiteral("stream"));
    m_error = runFfmpeg(m_media.path(),
                        {"-i", kVideoPath.mid(1), "-c", "copy", "-f", "hls", "-hls_time", "1",
                         "-hls_playlist_type", "vod", "-hls_segment_filename", "stream/segment%03d.ts",
                         kHlsPath.mid(1)});
    return m_error.isEmpty();
}

bool LocalMediaServer::start(const Options &options)
{
    QStringList arguments{QStringLiteral(TARVELLE_SOURCE_DIR "/tests/support/media_server.py"), m_media.path()};
    if (options.throttleBytesPerSecond > 0)
        arguments << QStringLiteral("--throttle") << QString::number(options.throttleBytesPerSecond);
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
