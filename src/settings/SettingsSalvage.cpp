#include "settings/SettingsSalvage.h"

#include <QJsonDocument>

namespace SettingsSalvage {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Where the member starting at `from` ends: the index of the ',' or '}' that
// closes it at the object's own level, or the end of the text.
qsizetype memberEnd(const QByteArray &text, qsizetype from)
{
    int depth = 0;
    bool inString = false;
    for (qsizetype i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        } else if ((c == ',' || c == '}') && depth == 0) {
            return i;
        }
    }
    return text.size();
}

} // namespace

QJsonObject readableMembers(const QByteArray &text)
{
    QJsonObject members;
    qsizetype at = 0;
    while (at < text.size() && isSpace(text[at]))
        ++at;
    if (at == text.size() || text[at] != '{')
        return members;
    for (++at; at < text.size();) {
        const qsizetype end = memberEnd(text, at);
        const QJsonDocument one = QJsonDocument::fromJson('{' + text.mid(at, end - at) + '}');
        if (one.isObject()) {
            const QJsonObject member = one.object();
            for (auto it = member.begin(); it != member.end(); ++it)
                members.insert(it.key(), it.value());
        }
        if (end == text.size() || text[end] == '}')
            break;
        at = end + 1;
    }
    return members;
}

} // namespace SettingsSalvage
