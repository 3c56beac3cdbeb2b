#include "ui/downloads/SubtitleLanguages.h"

#include <QCoreApplication>
#include <QLocale>

namespace {

// "en" of "en-US", "en_GB" or "en".
QString primaryLanguage(const QString &code)
{
    return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

} // namespace

namespace SubtitleLanguages {

QList<Entry> offered(const MediaMetadata &record, SubtitleMode mode)
{
    QList<Entry> result;
    if (mode == SubtitleMode::none)
        return result;
    for (const SubtitleTrack &track : mode == SubtitleMode::original ? record.subtitles : record.automaticCaptions)
        result.append({track.id, displayName(track.id)});
    return result;
}

QList<Entry> entries(const QList<Entry> &offered)
{
    QList<Entry> result{{QLatin1String(kAll), QCoreApplication::translate("PreviewCard", "All languages")}};
    result.append(offered);
    return result;
}

int preferred(const QList<Entry> &entries, const QString &wanted)
{
    QStringList codes;
    for (const QString &code : wanted.split(QLatin1Char(','), Qt::SkipEmptyParts))
        codes << code.trimmed();
    const auto find = [&](auto matches) -> int {
        for (const QString &code : std::as_const(codes)) {
            for (int i = 1; i < entries.size(); ++i) {
                if (matches(entries.at(i).code, code))
                    return i;
            }
        }
        return -1;
    };
    if (const int exact = find([](const QString &offered, const QString &code) { return offered == code; }); exact > 0)
        return exact;
    if (const int language = find([](const QString &offered, const QString &code) {
            return primaryLanguage(offered) == primaryLanguage(code);
        });
        language > 0)
        return language;
    if (codes.contains(QLatin1String(kAll)) || entries.size() < 2)
        return 0;
    return 1;
}

QString displayName(const QString &code)
{
    const QLocale locale(code);
    if (locale.language() == QLocale::C || locale.nativeLanguageName().isEmpty())
        return code;
    return QStringLiteral("%1 (%2)").arg(locale.nativeLanguageName(), code);
}

} // namespace SubtitleLanguages
