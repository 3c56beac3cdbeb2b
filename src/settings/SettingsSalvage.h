#pragma once

#include <QByteArray>
#include <QJsonObject>

// What can still be read of a settings file that does not parse: the members
// of its top-level object that parse on their own (a file cut short keeps
// every member before the cut; a mangled value costs only its own key).
// Anything that does not begin as a JSON object yields nothing.
namespace SettingsSalvage {

QJsonObject readableMembers(const QByteArray &text);

} // namespace SettingsSalvage
