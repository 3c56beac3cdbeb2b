#include "cli/Terminal.h"

#include <cstdio>

#include <sys/ioctl.h>
#include <unistd.h>

namespace {

void write(std::FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// Line breaks and tabs: kept as a space so that words stay apart.
bool becomesSpace(QChar c)
{
    switch (c.unicode()) {
    case u'\n':
    case u'\r':
    case u'\v':
    case u'\f':
    case u'\t':
    case 0x0085:
    case QChar::LineSeparator:
    case QChar::ParagraphSeparator:
        return true;
    default:
        return false;
    }
}

// Embeddings, overrides and isolates: they could reorder the rest of the line.
bool isBidiControl(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 0x202A && u <= 0x202E) || (u >= 0x2066 && u <= 0x2069);
}

} // namespace

namespace Terminal {

void out(const QString &text)
{
    write(stdout, text);
}

void err(const QString &text)
{
    write(stderr, text);
}

bool stdoutIsTerminal()
{
    return isatty(STDOUT_FILENO) == 1;
}

int stdoutColumns()
{
    winsize size{};
    if (ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0)
        return 0;
    return size.ws_col;
}

QString plain(const QString &text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        // Cc covers C0, DEL and C1 (ESC, CSI among them).
        if (becomesSpace(c))
            result.append(QLatin1Char(' '));
        else if (c.category() != QChar::Other_Control && !isBidiControl(c))
            result.append(c);
    }
    return result;
}

} // namespace Terminal
