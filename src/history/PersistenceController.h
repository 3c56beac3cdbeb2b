#pragma once

#include "history/HistoryContext.h"

#include <QString>

#include <memory>

// Opens the history database once and hands out its one working context.
//
// The file lives at <XDG data home>/tarvelle/history.sqlite
// (QStandardPaths::GenericDataLocation, so the place does not depend on the
// organisation and application names a program sets). When that file cannot
// be used (it cannot be created, is read-only, locked by another process,
// damaged, or holds another schema version) the history runs on a database in
// memory for this process: every operation works, nothing is kept after the
// process ends, and the file is left exactly as it was: never deleted,
// recreated or written.
//
// GUI thread only.
class PersistenceController
{
public:
    // The one controller over the default file, made on first use and closed
    // when the QCoreApplication is destroyed.
    static PersistenceController &shared();

    static QString defaultDatabasePath();

    // A controller over the database file at `databasePath` (its folder is
    // created when missing), with the in-memory fallback described above.
    explicit PersistenceController(const QString &databasePath);
    ~PersistenceController();

    PersistenceController(const PersistenceController &) = delete;
    PersistenceController &operator=(const PersistenceController &) = delete;

    HistoryContext &context() { return *m_context; }

    // False when the history fell back to memory.
    bool isPersistent() const { return m_persistent; }
    // The file in use, ready for the queue's own connection (QueueStore);
    // "" when the history fell back to memory.
    QString databasePath() const { return m_databasePath; }

private:
    bool m_persistent = false;
    QString m_databasePath;
    std::unique_ptr<HistoryContext> m_context;
};
