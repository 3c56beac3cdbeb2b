#include "ui/widgets/ThumbnailLoader.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

namespace {

// Larger pictures are refused before decoding: a small file may claim a huge
// canvas.
constexpr int kMaxSourceEdge = 12000;

qint64 bytesOf(const QPixmap &pixmap)
{
    return qint64(pixmap.width()) * pixmap.height() * pixmap.depth() / 8;
}

QImage decode(const QByteArray &bytes, int maxEdge)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    if (size.isValid()) {
        if (size.width() > kMaxSourceEdge || size.height() > kMaxSourceEdge)
            return {};
        if (size.width() > maxEdge || size.height() > maxEdge)
            reader.setScaledSize(size.scaled(maxEdge, maxEdge, Qt::KeepAspectRatio));
    }
    QImage image = reader.read();
    if (!image.isNull() && (image.width() > maxEdge || image.height() > maxEdge))
        image = image.scaled(maxEdge, maxEdge, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    return image;
}

} // namespace

ThumbnailLoader &ThumbnailLoader::shared()
{
    static ThumbnailLoader *loader = new ThumbnailLoader(QCoreApplication::instance());
    return *loader;
}

ThumbnailLoader::ThumbnailLoader(QObject *parent) : ThumbnailLoader(Limits{}, parent) {}

ThumbnailLoader::ThumbnailLoader(Limits limits, QObject *parent) : QObject(parent), m_limits(limits)
{
    m_network.setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
    m_network.setTransferTimeout(m_limits.timeoutMs);
}

bool ThumbnailLoader::isLoadable(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        && !url.host().isEmpty();
}

std::optional<QPixmap> ThumbnailLoader::pixmap(const QUrl &url)
{
    if (const auto found = m_images.constFind(url); found != m_images.constEnd())
        return *found;
    if (m_loading.contains(url) || m_failed.contains(url))
        return std::nullopt;
    if (!isLoadable(url)) {
        remember(url);
        return std::nullopt;
    }
    m_loading.insert(url);
    m_waiting.append(url);
    // Rows scrolled past long ago are dropped from the wait; they ask again
    // when they are painted again.
    while (m_waiting.size() > m_limits.maxWaiting)
        m_loading.remove(m_waiting.takeFirst());
    startWaiting();
    return std::nullopt;
}

ThumbnailLoader::State ThumbnailLoader::state(const QUrl &url) const
{
    if (m_images.contains(url))
        return State::ready;
    if (m_failed.contains(url))
        return State::failed;
    if (m_loading.contains(url))
        return State::loading;
    return State::none;
}

void ThumbnailLoader::startWaiting()
{
    // The most recently asked-for (the rows on screen now) go first.
    while (m_active < m_limits.maxActive && !m_waiting.isEmpty())
        start(m_waiting.takeLast());
}

void ThumbnailLoader::start(const QUrl &url)
{
    ++m_active;
    QNetworkRequest request(url);
    request.setMaximumRedirectsAllowed(5);
    QNetworkReply *reply = m_network.get(request);
    const auto refuseLarge = [this, reply] {
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if ((length.isValid() && length.toLongLong() > m_limits.maxBytes) || reply->bytesAvailable() > m_limits.maxBytes)
            reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, this, refuseLarge);
    connect(reply, &QNetworkReply::readyRead, this, refuseLarge);
    connect(reply, &QNetworkReply::finished, this, [this, reply] { transferEnded(reply); });
    // A server dripping bytes never falls silent; this bounds the whole transfer.
    QTimer::singleShot(m_limits.totalTimeoutMs, reply, [reply] { reply->abort(); });
}

void ThumbnailLoader::transferEnded(QNetworkReply *reply)
{
    reply->deleteLater();
    --m_active;
    const QUrl url = reply->request().url();
    const QString scheme = reply->url().scheme().toLower();
    if (reply->error() != QNetworkReply::NoError || reply->bytesAvailable() > m_limits.maxBytes
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        fail(url);
    } else {
        const QByteArray bytes = reply->readAll();
        const int maxEdge = m_limits.maxEdge;
        QPointer<ThumbnailLoader> self(this);
        QThreadPool::globalInstance()->start([bytes, maxEdge, url, self] {
            const QImage image = decode(bytes, maxEdge);
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [image, url, self] {
                    if (self)
                        self->decoded(url, image);
                },
                Qt::QueuedConnection);
        });
    }
    startWaiting();
}

void ThumbnailLoader::decoded(const QUrl &url, const QImage &image)
{
    if (image.isNull()) {
        fail(url);
        return;
    }
    m_loading.remove(url);
    const QPixmap pixmap = QPixmap::fromImage(image);
    const qint64 cost = bytesOf(pixmap);
    while (!m_imageOrder.isEmpty() && m_cachedBytes + cost > m_limits.cacheBytes)
        m_cachedBytes -= bytesOf(m_images.take(m_imageOrder.takeFirst()));
    m_images.insert(url, pixmap);
    m_imageOrder.append(url);
    m_cachedBytes += cost;
    emit finished(url);
}

void ThumbnailLoader::fail(const QUrl &url)
{
    m_loading.remove(url);
    remember(url);
    emit finished(url);
}

void ThumbnailLoader::remember(const QUrl &failedUrl)
{
    // A bounded memory of failures: forgetting them only costs a new attempt.
    if (m_failed.size() >= 4096)
        m_failed.clear();
    m_failed.insert(failedUrl);
}
