#include "batch/BatchURLParser.h"

#include <QSet>
#include <QUrl>

namespace {

bool isNewline(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x0A && u <= 0x0D) || u == 0x85 || u == 0x2028 || u == 0x2029;
}

bool isTrimmable(QChar c)
{
    return isNewline(c) || c == QLatin1Char('\t') || c.category() == QChar::Separator_Space;
}

QStringView trimmed(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isTrimmable(text[begin]))
        ++begin;
    while (end > begin && isTrimmable(text[end - 1]))
        --end;
    return text.sliced(begin, end - begin);
}

} // namespace

QStringList BatchParseResult::uniqueValidURLs() const
{
    QStringList urls;
    urls.reserve(valid.size());
    for (const ParsedBatchURL &entry : valid)
        urls.append(entry.url);
    return urls;
}

namespace BatchURLParser {

bool isUsableLink(const QString &text)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return false;
    const QString scheme = url.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
}

BatchParseResult parse(const QString &text)
{
    BatchParseResult result;
    QSet<QString> seen;
    int lineNumber = 0;
    qsizetype start = 0;
    const QStringView all(text);
    for (qsizetype i = 0; i <= all.size(); ++i) {
        if (i < all.size() && !isNewline(all[i]))
            continue;
        ++lineNumber;
        const QStringView line = trimmed(all.sliced(start, i - start));
        start = i + 1;
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QString link = line.toString();
        if (!isUsableLink(link)) {
            result.invalid.append({lineNumber, link});
            continue;
        }
        const QString key = link.toLower();
        if (seen.contains(key)) {
            result.duplicates.append({link, lineNumber});
        } else {
            seen.insert(key);
            result.valid.append({link, lineNumber});
        }
    }
    return result;
}

} // namespace BatchURLParser
