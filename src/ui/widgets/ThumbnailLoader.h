#pragma once

#include <QHash>
#include <QList>
#include <QNetworkAccessManager>
#include <QObject>
#include <QPixmap>
#include <QSet>
#include <QUrl>

#include <optional>

class QNetworkReply;

// Loads thumbnail images for the window, off the GUI thread's back: the
// download goes through QNetworkAccessManager (asynchronous), decoding runs
// on the thread pool, and only the finished, shrunken image comes back.
//
// Only http and https links are fetched (redirects may not leave them); a
// body larger than maxBytes, a transfer silent for longer than timeoutMs or
// lasting longer than totalTimeoutMs fails. Images are kept in a bounded in-memory cache; failures are
// remembered too, so a broken link is not fetched again on every repaint.
// GUI thread only.
class ThumbnailLoader : public QObject
{
    Q_OBJECT

public:
    struct Limits
    {
        qint64 maxBytes = 8 * 1024 * 1024;
        int timeoutMs = 15000;      // longest silence during a transfer
        int totalTimeoutMs = 30000; // longest transfer, however steady
        qint64 cacheBytes = 64 * 1024 * 1024;
        int maxEdge = 480;      // longer side of a kept image, in pixels
        int maxActive = 6;      // transfers at the same time
        int maxWaiting = 256;   // requests waiting for a transfer slot
    };

    enum class State { none, loading, ready, failed };

    static ThumbnailLoader &shared();

    explicit ThumbnailLoader(QObject *parent = nullptr);
    ThumbnailLoader(Limits limits, QObject *parent = nullptr);

    // True for an http or https link with a host.
    static bool isLoadable(const QUrl &url);

    // The image when it is loaded. Otherwise starts loading it (unless it is
    // loading or has failed) and gives nothing; finished() follows.
    std::optional<QPixmap> pixmap(const QUrl &url);
    State state(const QUrl &url) const;

signals:
    // The load of `url` has ended, with an image or with a failure.
    void finished(const QUrl &url);

private:
    void startWaiting();
    void start(const QUrl &url);
    void transferEnded(QNetworkReply *reply);
    void decoded(const QUrl &url, const QImage &image);
    void fail(const QUrl &url);
    void remember(const QUrl &failedUrl);

    const Limits m_limits;
    QNetworkAccessManager m_network;
    QHash<QUrl, QPixmap> m_images;
    QList<QUrl> m_imageOrder; // oldest first, for eviction
    qint64 m_cachedBytes = 0;
    QSet<QUrl> m_failed;
    QSet<QUrl> m_loading; // waiting, transferring or decoding
    QList<QUrl> m_waiting;
    int m_active = 0;
};
