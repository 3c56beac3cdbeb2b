#include "engine/SponsorBlock.h"

#include <QCoreApplication>

namespace SponsorBlock {

namespace {

struct Category
{
    const char *name;
    const char *label;
    bool removable;
};

// The categories yt-dlp 2023.03.04 knows; later versions know them all too.
constexpr Category kCategories[] = {
    {"sponsor", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Sponsor"), true},
    {"intro", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Intermission or intro"), true},
    {"outro", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Endcards or credits"), true},
    {"selfpromo", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Self promotion"), true},
    {"preview", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Preview or recap"), true},
    {"filler", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Filler tangent"), true},
    {"interaction", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Interaction reminder"), true},
    {"music_offtopic", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Non-music section"), true},
    {"poi_highlight", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Highlight"), false},
    {"chapter", QT_TRANSLATE_NOOP("DownloadOptionCheck", "Chapter"), false},
};

QStringList namesFor(Use use)
{
    QStringList names;
    for (const Category &category : kCategories) {
        if (use == Use::mark || category.removable)
            names.append(QString::fromLatin1(category.name));
    }
    return names;
}

} // namespace

const QStringList &categories(Use use)
{
    static const QStringList marked = namesFor(Use::mark);
    static const QStringList removed = namesFor(Use::remove);
    return use == Use::mark ? marked : removed;
}

QString label(const QString &category)
{
    for (const Category &each : kCategories) {
        if (category == QLatin1String(each.name))
            return QCoreApplication::translate("DownloadOptionCheck", each.label);
    }
    return category;
}

Checked<QStringList> parse(const QString &text, Use use)
{
    const QString trimmed = text.trimmed().toLower();
    if (trimmed.isEmpty() || trimmed == QLatin1String("none"))
        return QStringList();
    if (trimmed == QLatin1String("all"))
        return categories(use);
    QStringList chosen;
    for (const QString &piece : trimmed.split(QLatin1Char(','))) {
        const QString name = piece.trimmed();
        if (!categories(use).contains(name))
            return Checked<QStringList>::refused(OptionText::tr("\"%1\" is no SponsorBlock category here; use %2, "
                                                                "all or none.")
                                                     .arg(name, categories(use).join(QStringLiteral(", "))));
        chosen.append(name);
    }
    QStringList ordered;
    for (const QString &name : categories(use)) {
        if (chosen.contains(name))
            ordered.append(name);
    }
    return ordered;
}

} // namespace SponsorBlock
