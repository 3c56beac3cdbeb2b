#include "support/RecordingProxy.h"

namespace {

constexpr int kStartTimeoutMs = 15000;

} // namespace

RecordingProxy::RecordingProxy(const QString &allTo)
{
    QStringList arguments{QStringLiteral(TARVELLE_SOURCE_DIR "/tests/support/http_proxy.py")};
    if (!allTo.isEmpty())
        arguments << QStringLiteral("--all-to") << allTo;
    m_proxy.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_proxy.start(QStringLiteral("python3"), arguments);
    if (!m_proxy.waitForStarted(kStartTimeoutMs)) {
        m_error = QStringLiteral("cannot start the proxy: ") + m_proxy.errorString();
        return;
    }
    while (!m_proxy.canReadLine()) {
        if (m_proxy.state() == QProcess::NotRunning || !m_proxy.waitForReadyRead(kStartTimeoutMs)) {
            m_error = QStringLiteral("the proxy printed no port");
            return;
        }
    }
    m_port = m_proxy.readLine().trimmed().toInt();
    if (m_port <= 0)
        m_error = QStringLiteral("the proxy printed no port");
}

RecordingProxy::~RecordingProxy()
{
    if (m_proxy.state() == QProcess::NotRunning)
        return;
    // Closing its standard input asks the proxy to stop; kill if it does not.
    m_proxy.closeWriteChannel();
    if (!m_proxy.waitForFinished(3000)) {
        m_proxy.kill();
        m_proxy.waitForFinished();
    }
}

QString RecordingProxy::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QStringList RecordingProxy::requests()
{
    while (m_proxy.waitForReadyRead(100)) {
    }
    while (m_proxy.canReadLine())
        m_requests.append(QString::fromUtf8(m_proxy.readLine()).trimmed());
    return m_requests;
}
