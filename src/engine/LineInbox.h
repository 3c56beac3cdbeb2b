#pragma once

#include "analysis/MediaMetadata.h"
#include "engine/ProgressEvent.h"

#include <QList>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>

class SavedInfo;

// One output line with what the progress parser made of it; `text` is the
// log's line for it (empty: nothing to log). Parsing is pure,
// so it happens on the reader thread and the GUI thread only applies.
struct OutputLine
{
    QString text;
    ProgressEvent event;
    // For the line announcing the link's description: the file, taken over,
    // and what it says (nothing when it could not be read).
    std::shared_ptr<const SavedInfo> savedInfo;
    std::optional<MediaMetadata> metadata;
    // For the line of a run that decides the name: the path yt-dlp would
    // write, inside the output folder.
    QString plannedPath;
};

// Hands the output lines of one running process to the GUI thread in
// batches: the first line of a batch schedules one delivery kGatherWindow
// later, and every line posted until then joins it. However fast lines
// arrive, the GUI thread handles at most one batch per window and run, and
// the lines reach the sink in the order they were posted.
class LineInbox : public std::enable_shared_from_this<LineInbox>
{
public:
    // Called on the context's thread with the lines gathered since the last call.
    using Sink = std::function<void(const QList<OutputLine> &lines)>;

    static std::shared_ptr<LineInbox> create(QObject *context, Sink sink);

    // Long enough to gather a burst, far below what a person notices.
    static constexpr std::chrono::milliseconds kGatherWindow{10};

    // Any thread.
    void post(OutputLine line);

    // Context thread: delivers what is pending now (before a run's result
    // is handled, so that its last lines are applied first).
    void flush();

    // Context thread: no further lines reach the sink (for a context about to go away).
    void close();

private:
    LineInbox(QObject *context, Sink sink);

    std::mutex m_lock;
    QObject *m_context; // guarded by m_lock; null once closed
    Sink m_sink;
    QList<OutputLine> m_pending;
    bool m_drainScheduled = false;
};
