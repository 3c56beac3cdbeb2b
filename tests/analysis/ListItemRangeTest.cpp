#include "analysis/ListItemRange.h"

#include <gtest/gtest.h>

TEST(ListItemRange, ChoosesEntriesInListOrderEachOnce)
{
    const struct
    {
        const char *text;
        int count;
        QList<int> chosen;
    } cases[] = {
        {"1-10, 15", 20, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 15}},
        {"7,3 5", 9, {3, 5, 7}},
        {" 2-4,3-5 ,, 4 ", 9, {2, 3, 4, 5}},
        {"3-", 5, {3, 4, 5}},
        {"5-5", 5, {5}},
        {"1", 1, {1}},
    };
    for (const auto &c : cases) {
        const Checked<QList<int>> result = ListItemRange::parse(QString::fromLatin1(c.text), c.count);
        ASSERT_TRUE(result) << c.text << ": " << result.error().toStdString();
        EXPECT_EQ(result.value(), c.chosen) << c.text;
    }
}

TEST(ListItemRange, RefusesWithASentence)
{
    const struct
    {
        const char *text;
        int count;
        const char *says;
    } cases[] = {
        {"", 5, "Type the entries"},
        {" , ", 5, "Type the entries"},
        {"x", 5, "“x” is not an entry number"},
        {"1-2-3", 5, "“1-2-3” is not an entry number"},
        {"-3", 5, "“-3” is not an entry number"},
        {"1.5", 5, "“1.5” is not an entry number"},
        {"0", 5, "numbered from 1"},
        {"0-2", 5, "numbered from 1"},
        {"6", 5, "There is no entry 6: the list ends at entry 5."},
        {"2-9", 5, "There is no entry 9"},
        {"6-", 5, "There is no entry 6"},
        {"1", 0, "This list has no entries."},
        {"4-2", 5, "The range 4-2 runs backwards"},
        {"99999999999", 5, "is not an entry number"},
    };
    for (const auto &c : cases) {
        const Checked<QList<int>> result = ListItemRange::parse(QString::fromUtf8(c.text), c.count);
        ASSERT_FALSE(result) << c.text;
        EXPECT_TRUE(result.error().contains(QString::fromUtf8(c.says))) << c.text << ": " << result.error().toStdString();
    }
}
