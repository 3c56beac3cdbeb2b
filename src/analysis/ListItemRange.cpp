#include "analysis/ListItemRange.h"

#include <QRegularExpression>

#include <algorithm>

namespace ListItemRange {

Checked<QList<int>> parse(const QString &text, int count)
{
    static const QRegularExpression separators(QStringLiteral("[,\\s]+"));
    static const QRegularExpression part(QStringLiteral("^(\\d{1,9})(?:(-)(\\d{1,9})?)?$"));
    const QStringList parts = text.split(separators, Qt::SkipEmptyParts);
    if (parts.isEmpty())
        return Checked<QList<int>>::refused(OptionText::tr("Type the entries to download, such as 1-10, 15."));
    QList<bool> chosen(count + 1, false);
    for (const QString &item : parts) {
        const QRegularExpressionMatch match = part.match(item);
        if (!match.hasMatch())
            return Checked<QList<int>>::refused(
                OptionText::tr("“%1” is not an entry number or a range such as 3-7.").arg(item));
        const int first = match.captured(1).toInt();
        const bool isRange = match.hasCaptured(2);
        const int last = !isRange ? first : match.hasCaptured(3) ? match.captured(3).toInt() : count;
        if (first < 1 || (match.hasCaptured(3) && last < 1))
            return Checked<QList<int>>::refused(OptionText::tr("Entries are numbered from 1."));
        const int beyond = first > count ? first : last;
        if (beyond > count)
            return Checked<QList<int>>::refused(
                count == 0 ? OptionText::tr("This list has no entries.")
                           : OptionText::tr("There is no entry %1: the list ends at entry %2.").arg(beyond).arg(count));
        if (last < first)
            return Checked<QList<int>>::refused(
                OptionText::tr("The range %1 runs backwards: write the lower number first.").arg(item));
        std::fill(chosen.begin() + first, chosen.begin() + last + 1, true);
    }
    QList<int> indices;
    for (int i = 1; i <= count; ++i) {
        if (chosen.at(i))
            indices.append(i);
    }
    return indices;
}

} // namespace ListItemRange
