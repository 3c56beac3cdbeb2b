#include "ui/jobs/JobRowLayout.h"

#include "ui/widgets/Fonts.h"

#include <QCoreApplication>
#include <QFontMetrics>

#include <algorithm>

JobRowLayout::JobRowLayout()
    : titleFont(Fonts::subheadline()), subtitleFont(Fonts::caption2()), captionFont(Fonts::caption()),
      noteFont(Fonts::caption2()), errorFont(Fonts::subheadline()), buttonFont(Fonts::caption()),
      logFont(Fonts::monospaceCaption())
{
}

QString JobRowLayout::logToggleText(bool expanded)
{
    return expanded ? QCoreApplication::translate("JobRow", "Hide Log")
                    : QCoreApplication::translate("JobRow", "Show Log");
}

int JobRowLayout::buttonWidth(const QString &text) const
{
    auto found = m_buttonWidths.constFind(text);
    if (found == m_buttonWidths.cend())
        found = m_buttonWidths.insert(text, QFontMetrics(buttonFont).horizontalAdvance(text) + 20);
    return *found;
}

int JobRowLayout::badgeTextWidth(const QString &text) const
{
    auto found = m_badgeTextWidths.constFind(text);
    if (found == m_badgeTextWidths.cend())
        found = m_badgeTextWidths.insert(text, QFontMetrics(captionFont).horizontalAdvance(text));
    return *found;
}

int JobRowLayout::buttonHeight() const
{
    return QFontMetrics(buttonFont).height() + 10;
}

std::optional<qreal> JobRowLayout::latinAdvance(const QString &text) const
{
    if (!m_latinAdvances || m_latinAdvancesFont != titleFont) {
        const QFontMetricsF metrics(titleFont);
        std::array<qreal, 256> advances;
        for (int code = 0; code < 256; ++code)
            advances[code] = metrics.horizontalAdvance(QChar(code));
        m_latinAdvances = advances;
        m_latinAdvancesFont = titleFont;
    }
    qreal sum = 0;
    for (const QChar c : text) {
        // Control characters break or join lines: shaped instead.
        if (c.unicode() >= 0x100 || c.unicode() < 0x20)
            return std::nullopt;
        sum += (*m_latinAdvances)[c.unicode()];
    }
    return sum;
}

int JobRowLayout::titleLines(const QString &title, int width) const
{
    // Shaping a title costs more than the rest of a row's layout, and a kept
    // queue of ten thousand rows is laid out at once. A Latin-1 title's width
    // is the sum of its letters' advances up to kerning and ligatures, which
    // move it by far less than the margin kept here; only a title within
    // the margin of the width is shaped.
    if (const std::optional<qreal> estimate = latinAdvance(title)) {
        if (*estimate <= width * 0.9)
            return 1;
        if (*estimate >= width * 1.1)
            return 2;
    }
    return QFontMetrics(titleFont).horizontalAdvance(title) > width ? 2 : 1;
}

int JobRowLayout::logHeight(const QStringList &lines, int width) const
{
    // The viewer wraps long lines; count wrapped lines only until the viewer
    // is as high as it gets, so a 5000-line log costs no more than a short one.
    const QFontMetrics metrics(logFont);
    const int chrome = 2 * kLogPadding + 4;
    const int textWidth = qMax(1, width - chrome - 16);
    int height = chrome;
    for (const QString &line : lines) {
        height += metrics.lineSpacing() * qMax(1, (metrics.horizontalAdvance(line) + textWidth - 1) / textWidth);
        if (height >= kLogMaxHeight)
            return kLogMaxHeight;
    }
    return qMax(height, chrome + metrics.lineSpacing());
}

JobRowGeometry JobRowLayout::compute(const JobRowContent &content, const QRect &rect, bool expanded,
                                     const QStringList &logLines) const
{
    JobRowGeometry g;
    const int left = rect.left() + kMarginX;
    const int right = rect.right() - kMarginX;
    int y = rect.top() + kPaddingY;

    // Buttons, right-aligned on the top row.
    const int buttonH = buttonHeight();
    int x = right + 1;
    QList<JobRowGeometry::Target> buttons;
    for (auto it = content.actions.crbegin(); it != content.actions.crend(); ++it) {
        const QString text = JobRowContent::actionText(*it);
        const int width = buttonWidth(text);
        x -= width;
        buttons.prepend({QRect(x, y, width, buttonH), text, *it});
        x -= 6;
    }
    const int buttonsLeft = buttons.isEmpty() ? right + 1 : buttons.first().rect.left();

    g.thumbnail = QRect(left, y, kThumbnailWidth, kThumbnailHeight);
    const int textX = g.thumbnail.right() + 1 + 10;
    const int textWidth = qMax(40, buttonsLeft - 8 - textX);

    g.titleLines = titleLines(content.title, textWidth);
    g.title = QRect(textX, y, textWidth, g.titleLines * QFontMetrics(titleFont).lineSpacing());
    g.subtitle = QRect(textX, g.title.bottom() + 1 + 3, textWidth, QFontMetrics(subtitleFont).height());

    const QFontMetrics captionMetrics(captionFont);
    const int badgeHeight = captionMetrics.height() + 6;
    const int badgeWidth = badgeTextWidth(content.badge.text) + captionMetrics.height() + 4 + 16;
    g.badge = QRect(textX, g.subtitle.bottom() + 1 + 3, badgeWidth, badgeHeight);
    if (!content.headline.isEmpty())
        g.headline = QRect(g.badge.right() + 1 + 6, g.badge.top(), qMax(0, textX + textWidth - g.badge.right() - 7), badgeHeight);

    const int textBottom = g.badge.bottom();
    y = std::max({g.thumbnail.bottom(), textBottom, y + buttonH - 1}) + 1;

    if (content.showsProgress) {
        g.progress = QRect(left, y + kSpacing, right - left + 1, 6);
        y = g.progress.bottom() + 1;
    }
    if (!content.detailText.isEmpty()) {
        g.detail = QRect(left, y + kSpacing, right - left + 1, captionMetrics.height());
        y = g.detail.bottom() + 1;
    }
    if (!content.note.isEmpty()) {
        g.note = QRect(left, y + kSpacing, right - left + 1, QFontMetrics(noteFont).height());
        y = g.note.bottom() + 1;
    }
    if (content.showsError || content.offersLog) {
        // The error summary, with the log toggle at its right; a row without
        // an error has the toggle alone on this line.
        const QString toggle = logToggleText(expanded);
        const int toggleWidth = content.offersLog ? buttonWidth(toggle) : 0;
        const int lineHeight = content.showsError ? qMax(QFontMetrics(errorFont).height(), buttonH) : buttonH;
        const QRect line(left, y + kSpacing, right - left + 1, lineHeight);
        if (content.showsError)
            g.error = line.adjusted(0, 0, content.offersLog ? -(toggleWidth + 8) : 0, 0);
        if (content.offersLog)
            buttons.append({QRect(right + 1 - toggleWidth, line.top(), toggleWidth, buttonH), toggle, std::nullopt});
        y = line.bottom() + 1;
        if (content.showsError && !content.errorReason.isEmpty()) {
            // Beneath the summary, where its text starts (after the symbol).
            const int indent = QFontMetrics(errorFont).height() + 8;
            g.reason = QRect(left + indent, y + 2, right - left + 1 - indent, captionMetrics.height());
            y = g.reason.bottom() + 1;
        }
        if (content.offersLog && expanded) {
            g.log = QRect(left, y + kSpacing, right - left + 1, logHeight(logLines, right - left + 1));
            y = g.log.bottom() + 1;
        }
    }
    g.targets = buttons;
    g.height = y + kPaddingY - rect.top();
    return g;
}
