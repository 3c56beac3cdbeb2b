#pragma once

#include "history/DownloadHistory.h"

#include <QList>
#include <QSqlDatabase>
#include <QUuid>

#include <memory>
#include <optional>
#include <variant>

class QSqlQuery;

// The one working context of the history: a database connection plus the
// changes made through it that are not saved yet. Reads see those changes;
// save() writes all of them in one transaction, and when that fails keeps
// every one of them for the next save, so a record is never lost to a
// temporarily locked or failing database while the process lives. Closing
// the context is the last such save.
//
// Made by PersistenceController. GUI thread only (the thread that made it).
class HistoryContext
{
public:
    // Takes over an open connection that HistorySchema::prepare accepted (or
    // an invalid one, which fails every read and every save) and removes it
    // when destroyed, after one more try at writing what is still unsaved.
    explicit HistoryContext(QSqlDatabase database);
    ~HistoryContext();

    HistoryContext(const HistoryContext &) = delete;
    HistoryContext &operator=(const HistoryContext &) = delete;

    // Every record, unsaved changes included: newest finishedAt first (records
    // without one last), then newest startedAt; among equals the later added
    // first. Nothing when the database cannot be read.
    std::optional<QList<DownloadHistory>> fetchAll() const;

    // Gives `record` a new store identity and adds it; returns that identity.
    QUuid insert(DownloadHistory record);
    // Removes the record with this store identity (none: no change).
    void remove(const QUuid &storeId);
    // Removes every record.
    void removeAll();

    bool hasChanges() const { return !m_changes.isEmpty(); }

    // Writes the unsaved changes; true when they are on disk (or there were
    // none). On failure nothing of them is written and all of them are kept.
    bool save();

private:
    struct Insert { DownloadHistory record; };
    struct Remove { QUuid storeId; };
    struct RemoveAll {};
    using Change = std::variant<Insert, Remove, RemoveAll>;

    bool write(const Change &change);
    bool writeInsert(const DownloadHistory &record);

    QSqlDatabase m_database;
    QList<Change> m_changes;
    std::unique_ptr<QSqlQuery> m_insert; // prepared once, reused by every save
};
