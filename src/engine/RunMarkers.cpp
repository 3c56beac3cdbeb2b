#include "engine/RunMarkers.h"

#include <QRandomGenerator>

#include <array>

namespace {

struct KindName
{
    RunMarkers::Kind kind;
    QLatin1String name;
};

constexpr std::array<KindName, 4> kKinds{{
    {RunMarkers::Kind::progress, QLatin1String("JSON")},
    {RunMarkers::Kind::filePath, QLatin1String("FILEPATH")},
    {RunMarkers::Kind::infoFile, QLatin1String("INFOJSON")},
    {RunMarkers::Kind::name, QLatin1String("NAME")},
}};

constexpr QLatin1String kPrefix("__KV_");

} // namespace

RunMarkers::RunMarkers()
{
    std::array<quint32, 4> words;
    QRandomGenerator::system()->fillRange(words.data(), words.size());
    for (quint32 word : words)
        m_token += QStringLiteral("%1").arg(word, 8, 16, QLatin1Char('0'));
}

RunMarkers::RunMarkers(QString token)
    : m_token(std::move(token))
{
}

QString RunMarkers::marker(Kind kind) const
{
    for (const KindName &entry : kKinds) {
        if (entry.kind == kind)
            return kPrefix + m_token + QLatin1Char('_') + entry.name + QLatin1String("__");
    }
    return {};
}

QString RunMarkers::progressTemplate() const
{
    return QStringLiteral("download:") + marker(Kind::progress) + QStringLiteral("%(progress)j");
}

QString RunMarkers::filePathTemplate() const
{
    return QStringLiteral("after_move:") + marker(Kind::filePath) + QStringLiteral("%(filepath)s");
}

QString RunMarkers::infoFileTemplate() const
{
    return QStringLiteral("before_dl:") + marker(Kind::infoFile) + QStringLiteral("%(infojson_filename)s");
}

QString RunMarkers::nameTemplate() const
{
    return QStringLiteral("video:") + marker(Kind::name) + QStringLiteral("%(filename)s");
}

std::optional<RunMarkers::Marked> RunMarkers::read(const QString &line) const
{
    // "__KV_<token>_": one comparison rules out every line that is not ours.
    const qsizetype head = kPrefix.size() + m_token.size() + 1;
    if (line.size() < head || !line.startsWith(kPrefix) || QStringView(line).sliced(kPrefix.size(), m_token.size()) != m_token
        || line.at(head - 1) != QLatin1Char('_'))
        return std::nullopt;
    const QStringView rest = QStringView(line).sliced(head);
    for (const KindName &entry : kKinds) {
        if (rest.startsWith(entry.name) && rest.sliced(entry.name.size()).startsWith(QLatin1String("__"))) {
            QStringView value = rest.sliced(entry.name.size() + 2);
            if (value.endsWith(QLatin1Char('\r')))
                value.chop(1);
            return Marked{entry.kind, value.toString()};
        }
    }
    return std::nullopt;
}
