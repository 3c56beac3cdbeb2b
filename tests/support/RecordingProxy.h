#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A forwarding HTTP proxy on 127.0.0.1 (http_proxy.py) that records every
// request it forwards, for tests that check what went through a proxy. It
// stops when this object is destroyed.
class RecordingProxy
{
public:
    // `allTo`: a host every request goes to, whatever host it names.
    explicit RecordingProxy(const QString &allTo = {});
    ~RecordingProxy();
    RecordingProxy(const RecordingProxy &) = delete;
    RecordingProxy &operator=(const RecordingProxy &) = delete;

    bool isReady() const { return m_port > 0; }
    QString errorString() const { return m_error; }

    // "http://127.0.0.1:<port>"
    QString url() const;
    // Every request forwarded so far, as "METHOD absolute-URL".
    QStringList requests();

private:
    QProcess m_proxy;
    int m_port = 0;
    QString m_error;
    QStringList m_requests;
};
