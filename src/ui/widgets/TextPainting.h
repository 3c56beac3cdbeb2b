#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

// Draws text from outside (titles, file names, errors) as plain text: never
// interpreted as markup, line breaks inside it shown as spaces.
namespace TextPainting {

// The text with every kind of line break turned into a space.
QString singleLine(const QString &text);

// Wraps the text into at most `maxLines` lines of `rect`'s width (breaking
// inside words that are too long), ending the last line with an ellipsis when
// the text goes on. Returns whether the text was cut.
bool drawWrapped(QPainter &painter, const QRect &rect, const QString &text, const QFont &font, int maxLines);

// Number of lines the text needs at `width`, at most `maxLines`.
int lineCount(const QString &text, const QFont &font, int width, int maxLines);

} // namespace TextPainting
