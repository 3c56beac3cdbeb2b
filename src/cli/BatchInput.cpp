#include "cli/BatchInput.h"

#include "batch/BatchFile.h"
#include "cli/Terminal.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <cstdio>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("BatchInput", text);
}

} // namespace

namespace BatchInput {

std::variant<BatchParseResult, QString> parse(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return tr("The batch input is not valid UTF-8 text; nothing was queued.");
    return BatchURLParser::parse(text);
}

std::variant<BatchParseResult, QString> read(const QString &source)
{
    if (source != QLatin1String("-")) {
        const std::variant<QByteArray, QString> bytes = BatchFile::read(source);
        if (const QString *error = std::get_if<QString>(&bytes))
            return tr("Cannot read the batch file %1: %2").arg(Terminal::plain(source), *error);
        return parse(std::get<QByteArray>(bytes));
    }
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        return tr("Cannot read the batch file %1: %2").arg(Terminal::plain(source), input.errorString());
    const QByteArray bytes = input.readAll();
    if (input.error() != QFileDevice::NoError)
        return tr("Cannot read the batch file %1: %2").arg(Terminal::plain(source), input.errorString());
    return parse(bytes);
}

QString problems(const BatchParseResult &result)
{
    QString text;
    for (const InvalidBatchLine &line : result.invalid)
        text += tr("Line %1: not a link, skipped: %2").arg(line.line).arg(Terminal::plain(line.url)) +
                QLatin1Char('\n');
    for (const ParsedBatchURL &line : result.duplicates)
        text += tr("Line %1: duplicate link, skipped: %2").arg(line.line).arg(Terminal::plain(line.url)) +
                QLatin1Char('\n');
    return text;
}

} // namespace BatchInput
