#include "services/DesktopNotifier.h"

#include "services/NotificationService.h"

void DesktopNotifier::notify(const QString &title, const QString &body)
{
    NotificationService::shared().notify(title, body);
}
