#pragma once

#include "settings/AppConfiguration.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A user tool folder of the test's own, in place for the whole process while
// the fixture lives: copies are written the way the updater leaves them
// (versions/<sha256>/<name>, listed in manifest.json).
class UserToolsFixture
{
public:
    UserToolsFixture();

    QString folder() const { return m_dir.filePath(QStringLiteral("Tools")); }

    // Writes an executable copy of `name` with `contents` and lists it with
    // its digest and `version`; returns the copy's path.
    QString install(const QString &name, const QByteArray &contents, const QString &version = {});
    // The same with a /bin/sh script body.
    QString installScript(const QString &name, const QByteArray &body, const QString &version = {});

    void writeManifest(const QByteArray &json) const;

private:
    QTemporaryDir m_dir;
    AppConfiguration::ScopedUserToolsDirectory m_scope{folder()};
};
