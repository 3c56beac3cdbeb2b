#pragma once

#include <QByteArray>
#include <QString>
#include <QVersionNumber>

#include <optional>

// Whether a python zipapp can run here: the interpreter its "#!" line names
// against the oldest Python its package accepts. Blocking.
namespace PythonRequirement {

// The interpreter a "#!" line starts: "#!/usr/bin/env python3" looks python3
// up on PATH as env would; an absolute path is taken as it is. None without a
// "#!" line.
std::optional<QString> interpreterOf(const QByteArray &firstLine);

// The oldest Python a package's __init__.py accepts, from its guard
// "if sys.version_info < (3, 10):"; none when it has no such guard.
std::optional<QVersionNumber> declaredMinimum(const QByteArray &initSource);

// The version "<python> --version" prints ("Python 3.11.7"); none when it
// does not run or prints something else.
std::optional<QVersionNumber> versionOf(const QString &python);

// None when the zipapp at `path` (whose package is `package`) can run with
// its interpreter; otherwise why not, in plain words.
std::optional<QString> check(const QString &path, const QString &package);

} // namespace PythonRequirement
