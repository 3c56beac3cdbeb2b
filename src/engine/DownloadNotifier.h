#pragma once

#include <QString>

// Where the engine posts "Download complete" / "Download failed". The desktop
// implements it with the session's notification server; headless front ends
// may implement it otherwise or pass none.
class DownloadNotifier
{
public:
    virtual ~DownloadNotifier() = default;
    // `title` is already translated; `body` is plain text from outside.
    virtual void notify(const QString &title, const QString &body) = 0;
};
