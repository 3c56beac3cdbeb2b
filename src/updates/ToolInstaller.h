#pragma once

#include "tools/ToolManifest.h"

#include <QList>
#include <QString>

#include <optional>

// The changes to the user's tool folder (see UserToolFolder for its layout).
// Each change switches the folder over with one rename of its manifest, so a
// reader sees the old state or the new one, never a mix; the manifest it
// replaces becomes manifest.previous.json, what a rollback returns to. Files
// are never replaced where they lie: a download that started with a copy
// keeps it. Changes from several programs at once take turns (a lock file in
// the folder). Blocking; run off the GUI thread.
namespace ToolInstaller {

// Moves `stagedFile` (inside `folder`, so the move is a rename) to its place
// for `entry` (entry.sha256 is its verified digest) and makes it the tool
// `entry.name` in use. None on success; otherwise why not, and the folder is
// as it was.
std::optional<QString> install(const QString &folder, const QString &stagedFile, const ManifestTool &entry,
                               const std::optional<QString> &architecture);

// One tool's state before and after a rollback; a version of none means the
// shipped tool.
struct RolledBack
{
    QString tool;
    std::optional<QString> from;
    std::optional<QString> to;
};

struct RollbackResult
{
    std::optional<QString> failure; // why nothing was changed
    QList<RolledBack> changes;      // empty with no failure: nothing changed
};

// Returns the folder to the manifest before the last change, after checking
// that every file it lists is still intact. Nothing to return to is a
// failure too.
RollbackResult rollback(const QString &folder);

} // namespace ToolInstaller
