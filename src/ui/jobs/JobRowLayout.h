#pragma once

#include "ui/jobs/JobRowContent.h"

#include <QFont>
#include <QHash>
#include <QList>
#include <QRect>
#include <QStringList>

#include <array>
#include <optional>

// Where each part of a job row goes, for painting, measuring, placing the
// log viewer and finding the button under the mouse. The row's clickable
// targets are its action buttons, in order, then the "Show Log" button of a
// row that offers its log.
struct JobRowGeometry
{
    struct Target
    {
        QRect rect;
        QString text;
        std::optional<JobRowAction> action; // nothing: the log toggle
    };

    QRect thumbnail;
    QRect title;
    int titleLines = 1;
    QRect subtitle;
    QRect badge;
    QRect headline;
    QRect progress;
    QRect detail;
    QRect note;
    QRect error;
    QRect reason;
    QRect log;
    QList<Target> targets;
    int height = 0;
};

class JobRowLayout
{
public:
    JobRowLayout();

    // `logLines` only matters when `expanded`.
    JobRowGeometry compute(const JobRowContent &content, const QRect &rect, bool expanded,
                           const QStringList &logLines) const;

    // The log toggle's text for the state it would change.
    static QString logToggleText(bool expanded);

    QFont titleFont;
    QFont subtitleFont;
    QFont captionFont;
    QFont noteFont;
    QFont errorFont;
    QFont buttonFont;
    QFont logFont;

    static constexpr int kMarginX = 12;
    static constexpr int kPaddingY = 8;
    static constexpr int kSpacing = 6;
    static constexpr int kThumbnailWidth = 72;
    static constexpr int kThumbnailHeight = 40;
    static constexpr int kLogMaxHeight = 160;
    static constexpr int kLogPadding = 6;

private:
    // Measured once per text: every row has a badge and buttons, and their
    // texts are few.
    int buttonWidth(const QString &text) const;
    int badgeTextWidth(const QString &text) const;
    int titleLines(const QString &title, int width) const;
    // The title's width summed from a table of Latin-1 advances; nothing
    // for other text.
    std::optional<qreal> latinAdvance(const QString &text) const;
    int logHeight(const QStringList &lines, int width) const;
    int buttonHeight() const;

    mutable QHash<QString, int> m_buttonWidths;
    mutable QHash<QString, int> m_badgeTextWidths;
    mutable std::optional<std::array<qreal, 256>> m_latinAdvances;
    mutable QFont m_latinAdvancesFont;
};
