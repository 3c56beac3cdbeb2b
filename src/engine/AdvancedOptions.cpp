#include "engine/AdvancedOptions.h"

Checked<EmbedChoices> EmbedChoices::parse(const QString &text)
{
    const QString trimmed = text.trimmed().toLower();
    if (trimmed == QLatin1String("none"))
        return EmbedChoices{};
    if (trimmed == QLatin1String("all"))
        return EmbedChoices{true, true, true, true};
    EmbedChoices choices;
    for (const QString &piece : trimmed.split(QLatin1Char(','))) {
        const QString part = piece.trimmed();
        if (part == QLatin1String("metadata"))
            choices.metadata = true;
        else if (part == QLatin1String("thumbnail"))
            choices.thumbnail = true;
        else if (part == QLatin1String("chapters"))
            choices.chapters = true;
        else if (part == QLatin1String("subs"))
            choices.subtitles = true;
        else
            return Checked<EmbedChoices>::refused(
                OptionText::tr("\"%1\" cannot be embedded; use metadata, thumbnail, chapters, subs, all or none.")
                    .arg(part));
    }
    return choices;
}

Checked<int> AdvancedOptions::parseConcurrentFragments(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 1 || value > kMaxConcurrentFragments)
        return Checked<int>::refused(
            OptionText::tr("Concurrent fragments are a whole number from 1 to %1.").arg(kMaxConcurrentFragments));
    return value;
}
