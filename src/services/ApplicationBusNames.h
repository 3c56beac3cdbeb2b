#pragma once

#include <QString>

// Where the running window answers on the session bus: the well-known name is
// the application id (as the desktop entry's name, for DBusActivatable), the
// object path is that id with dots made slashes.
namespace ApplicationBusNames {

inline QString interface()
{
    return QStringLiteral("org.freedesktop.Application");
}

inline QString service(const QString &appId)
{
    return appId;
}

inline QString objectPath(const QString &appId)
{
    return QLatin1Char('/') + QString(appId).replace(QLatin1Char('.'), QLatin1Char('/')).replace(QLatin1Char('-'), QLatin1Char('_'));
}

// The action that queues links in the window whatever their number (Open
// puts a single link in the link field instead).
inline QString queueAction()
{
    return QStringLiteral("queue-links");
}

} // namespace ApplicationBusNames
