#include "ui/shell/IncomingLinks.h"

#include "batch/BatchURLParser.h"

#include <QUrl>

IncomingLinks IncomingLinks::sort(const QStringList &items)
{
    IncomingLinks sorted;
    QStringList text;
    for (const QString &item : items) {
        const QUrl url(item.trimmed());
        if (url.isValid() && url.isLocalFile())
            sorted.files.append(url.toLocalFile());
        else
            text.append(item);
    }
    const BatchParseResult parsed = BatchURLParser::parse(text.join(QLatin1Char('\n')));
    sorted.links = parsed.uniqueValidURLs();
    if (!parsed.invalid.isEmpty())
        sorted.otherText = parsed.invalid.first().url;
    return sorted;
}
