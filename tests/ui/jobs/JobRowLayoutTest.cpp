#include "ui/jobs/JobRowLayout.h"

#include <QFontMetrics>

#include <gtest/gtest.h>

// A title takes a second line exactly when its shaped text is wider than the
// room it has, whatever shortcut the layout takes to know that: titles of
// every length around the width, of wide and narrow letters, ligatures and
// kerning pairs, Latin-1 accents, other scripts and control characters.
TEST(JobRowLayout, TitleWrapsExactlyWhereTheShapedTextMeetsTheWidth)
{
    const JobRowLayout layout;
    const QStringList pieces{
        QStringLiteral("W"),     QStringLiteral("i"),         QStringLiteral("office flaw "),
        QStringLiteral("AVATAR To. "), QStringLiteral("Crème brûlée à la française "),
        QStringLiteral("視頻標題 "),   QStringLiteral("Ελληνικά "), QStringLiteral("tab\there "),
    };
    for (const int rowWidth : {320, 560, 900}) {
        for (const QString &piece : pieces) {
            QString title;
            for (int repeat = 0; repeat < 120 && title.size() < 400; ++repeat) {
                title += piece;
                JobRowContent content;
                content.title = title;
                const JobRowGeometry g = layout.compute(content, QRect(0, 0, rowWidth, 0), false, {});
                const int shaped = QFontMetrics(layout.titleFont).horizontalAdvance(title);
                EXPECT_EQ(g.titleLines, shaped > g.title.width() ? 2 : 1)
                    << qPrintable(title) << " in " << g.title.width() << " px, shaped " << shaped;
            }
        }
    }
}
