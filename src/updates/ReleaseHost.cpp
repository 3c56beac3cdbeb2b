#include "updates/ReleaseHost.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QRegularExpression>

namespace ReleaseHost {

namespace {

QUrl under(const QString &path)
{
    QUrl url = baseAddress();
    QString base = url.path();
    while (base.endsWith(QLatin1Char('/')))
        base.chop(1);
    url.setPath(base + path);
    return url;
}

} // namespace

QUrl baseAddress()
{
    const QString configured = qEnvironmentVariable(kBaseAddressVariable);
    const QUrl url(configured, QUrl::StrictMode);
    if (!configured.isEmpty() && url.isValid() && !url.host().isEmpty())
        return url;
    return QUrl(QString::fromLatin1(kDefaultBaseAddress));
}

std::optional<QString> refusal()
{
    const QUrl base = baseAddress();
    if (base.scheme() == QLatin1String("https"))
        return std::nullopt;
    const QString host = base.host();
    const bool loopback = host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0
                          || QHostAddress(host).isLoopback();
    if (base.scheme() == QLatin1String("http") && loopback)
        return std::nullopt;
    return QCoreApplication::translate("ReleaseHost",
                                       "the release server %1 (set by %2) does not use https, so nothing is "
                                       "fetched from it.")
        .arg(base.toDisplayString(), QString::fromLatin1(kBaseAddressVariable));
}

QUrl latestReleaseUrl(const QString &repository)
{
    return under(QLatin1Char('/') + repository + QStringLiteral("/releases/latest"));
}

QUrl fileUrl(const QString &repository, const QString &tag, const QString &file)
{
    return under(QLatin1Char('/') + repository + QStringLiteral("/releases/download/") + tag + QLatin1Char('/')
                 + file);
}

std::optional<QString> tagOf(const QUrl &releaseUrl)
{
    static const QRegularExpression tagPath(QStringLiteral("/releases/tag/([A-Za-z0-9][A-Za-z0-9._+-]{0,99})\\z"));
    const QRegularExpressionMatch match = tagPath.match(releaseUrl.path());
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

} // namespace ReleaseHost
