#include "engine/ShellWords.h"

#include <algorithm>
#include <utility>

namespace ShellWords {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

bool isOperator(QChar c)
{
    return QStringView(u"|&;<>()").contains(c);
}

// Characters a word may hold without quotes when joined back.
bool isPlain(QChar c)
{
    return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || QStringView(u"_@%+=:,./-").contains(c);
}

} // namespace

Checked<QStringList> split(const QString &text)
{
    QStringList words;
    QString word;
    bool inWord = false; // an empty pair of quotes is a word too
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (isBlank(c)) {
            if (inWord)
                words.append(std::exchange(word, QString()));
            inWord = false;
        } else if (c == QLatin1Char('\'')) {
            const qsizetype end = text.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0)
                return Checked<QStringList>::refused(OptionText::tr("A quote (') is not closed."));
            word += QStringView(text).mid(i + 1, end - i - 1);
            inWord = true;
            i = end;
        } else if (c == QLatin1Char('"')) {
            qsizetype j = i + 1;
            for (; j < size && text.at(j) != QLatin1Char('"'); ++j) {
                const QChar inner = text.at(j);
                if (inner == QLatin1Char('\\') && j + 1 < size && QStringView(u"$`\"\\\n").contains(text.at(j + 1))) {
                    if (text.at(j + 1) != QLatin1Char('\n'))
                        word += text.at(j + 1);
                    ++j;
                } else if (inner == QLatin1Char('$') || inner == QLatin1Char('`')) {
                    return Checked<QStringList>::refused(
                        OptionText::tr("Put %1 in single quotes or after a backslash: a shell would expand it.")
                            .arg(inner));
                } else {
                    word += inner;
                }
            }
            if (j >= size)
                return Checked<QStringList>::refused(OptionText::tr("A quote (\") is not closed."));
            inWord = true;
            i = j;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 >= size)
                return Checked<QStringList>::refused(OptionText::tr("The text ends with a backslash."));
            ++i;
            // A backslash before a line break joins the lines.
            if (text.at(i) != QLatin1Char('\n')) {
                word += text.at(i);
                inWord = true;
            }
        } else if (isOperator(c)) {
            return Checked<QStringList>::refused(
                OptionText::tr("Put %1 in quotes: a shell would read it as an operator.").arg(c));
        } else if (c == QLatin1Char('$') || c == QLatin1Char('`')) {
            return Checked<QStringList>::refused(
                OptionText::tr("Put %1 in single quotes or after a backslash: a shell would expand it.").arg(c));
        } else if (c == QLatin1Char('#') && !inWord) {
            return Checked<QStringList>::refused(
                OptionText::tr("Put # in quotes: a shell would read the rest as a comment."));
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.append(word);
    return words;
}

QString join(const QStringList &words)
{
    QStringList quoted;
    quoted.reserve(words.size());
    for (const QString &word : words) {
        if (!word.isEmpty() && std::all_of(word.begin(), word.end(), isPlain))
            quoted.append(word);
        else
            quoted.append(QLatin1Char('\'') + QString(word).replace(QLatin1String("'"), QLatin1String("'\\''")) +
                          QLatin1Char('\''));
    }
    return quoted.join(QLatin1Char(' '));
}

} // namespace ShellWords
