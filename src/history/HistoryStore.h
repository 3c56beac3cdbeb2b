#pragma once

#include "history/DownloadHistory.h"

#include <QList>
#include <QObject>

class HistoryContext;

// The operations on the download history. Every change is saved at once; a
// save that fails is not reported, and its change stays in the context to be
// written by the next save that succeeds. No operation reports an error.
// changed() follows every operation that changes the list, so screens can
// reload with all(). GUI thread only.
class HistoryStore : public QObject
{
    Q_OBJECT

public:
    // Works through `context`, which must outlive the store.
    explicit HistoryStore(HistoryContext &context, QObject *parent = nullptr);

    // Every record, newest first (finishedAt, then startedAt, both descending;
    // records without finishedAt last). Empty when the store cannot be read.
    QList<DownloadHistory> all() const;

    // Adds `record` as a new record (with a new store identity) and saves.
    void add(const DownloadHistory &record);
    // Removes the record with the store identity of `record` and saves.
    // (The history screen's "delete"; the word is reserved in C++.)
    void remove(const DownloadHistory &record);
    // Removes every record and saves.
    void clear();

signals:
    void changed();

private:
    HistoryContext *m_context;
};
