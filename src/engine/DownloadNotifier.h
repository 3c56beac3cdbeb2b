#pragma once

#include <QString>
#include <QUuid>

// One finished download, as a notification tells of it.
struct FinishedDownload
{
    QUuid jobId;
    bool completed = false; // else it failed
    QString heading;        // translated: "Download complete" / "Download failed"
    QString body;           // the title, and for a failure why; plain text from outside
    QString filePath;       // the file a completed download made, when known
    bool retryable = false; // a failed job that stays in the queue, so Retry can reach it
};

// Where the engine posts finished downloads. The desktop implements it with
// the session's notification server; headless front ends may implement it
// otherwise or pass none.
class DownloadNotifier
{
public:
    virtual ~DownloadNotifier() = default;
    virtual void notify(const FinishedDownload &download) = 0;
};
