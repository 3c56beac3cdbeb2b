#pragma once

#include <QString>

// Whether a path that came from a tool's output names a place inside a
// folder of ours. Lexical: "." and ".." are resolved, links are not
// followed (the files are then looked at without following links).
namespace FolderBounds {

// `path` made absolute (relative paths are taken from `folder`) and clean,
// when it lies strictly inside `folder`; empty otherwise, and for an empty
// folder or path.
QString inside(const QString &folder, const QString &path);

} // namespace FolderBounds
