#pragma once

#include "settings/AppSettings.h"

#include <QString>
#include <QTemporaryDir>

#include <memory>
#include <optional>

// The settings one download run works with: the user's own, or, when the run
// has an output folder of its own, a private copy of them with that folder,
// so the user's settings file is never written by a one-off choice.
class RunSettings
{
public:
    // `outputDirectory`, when given, is made absolute against the current folder.
    RunSettings(AppSettings &userSettings, const std::optional<QString> &outputDirectory);

    // False when an output folder was asked for but no private copy could
    // be made; the run must not go on with the user's folder then.
    bool isValid() const { return m_valid; }

    AppSettings &settings() { return m_copy ? *m_copy : m_user; }

private:
    AppSettings &m_user;
    QTemporaryDir m_folder;
    std::unique_ptr<AppSettings> m_copy;
    bool m_valid = true;
};
