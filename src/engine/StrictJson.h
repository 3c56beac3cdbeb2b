#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// Readers for documents whose shape is checked strictly: each returns false
// when the key holds a value of the wrong JSON type (absent or null counts as
// "none" for the optional readers only).
namespace StrictJson {

bool readText(const QJsonObject &object, const char *key, QString &out);
bool readOptionalText(const QJsonObject &object, const char *key, std::optional<QString> &out);

} // namespace StrictJson
