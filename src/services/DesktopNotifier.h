#pragma once

#include "engine/DownloadNotifier.h"

// Posts the engine's download notifications on the desktop's notification
// server.
class DesktopNotifier : public DownloadNotifier
{
public:
    void notify(const QString &title, const QString &body) override;
};
