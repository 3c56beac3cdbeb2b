#include "ui/widgets/TextPainting.h"

#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>

namespace {

struct Wrapped
{
    QList<QPair<QString, int>> lines; // text and x offset 0; y follows line spacing
    bool cut = false;
};

Wrapped wrap(const QString &text, const QFont &font, int width, int maxLines)
{
    Wrapped result;
    const QString flat = TextPainting::singleLine(text);
    QTextLayout layout(flat, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    const QFontMetrics metrics(font);
    while (true) {
        QTextLine line = layout.createLine();
        if (!line.isValid())
            break;
        line.setLineWidth(width);
        if (result.lines.size() + 1 == maxLines) {
            const QString rest = flat.mid(line.textStart());
            const QString elided = metrics.elidedText(rest, Qt::ElideRight, width);
            result.cut = elided != rest;
            result.lines.append({elided, 0});
            break;
        }
        result.lines.append({flat.mid(line.textStart(), line.textLength()).trimmed(), 0});
    }
    layout.endLayout();
    return result;
}

} // namespace

namespace TextPainting {

QString singleLine(const QString &text)
{
    QString flat = text;
    for (QChar &c : flat) {
        const char16_t u = c.unicode();
        if (u == u'\n' || u == u'\r' || u == u'\v' || u == u'\f' || u == 0x85 || u == 0x2028 || u == 0x2029)
            c = QLatin1Char(' ');
    }
    return flat;
}

bool drawWrapped(QPainter &painter, const QRect &rect, const QString &text, const QFont &font, int maxLines)
{
    const Wrapped wrapped = wrap(text, font, rect.width(), maxLines);
    const QFontMetrics metrics(font);
    painter.setFont(font);
    int y = rect.top();
    for (const auto &line : wrapped.lines) {
        painter.drawText(QRect(rect.left(), y, rect.width(), metrics.height()), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                         line.first);
        y += metrics.lineSpacing();
    }
    return wrapped.cut;
}

int lineCount(const QString &text, const QFont &font, int width, int maxLines)
{
    return qMax(1, static_cast<int>(wrap(text, font, width, maxLines).lines.size()));
}

} // namespace TextPainting
