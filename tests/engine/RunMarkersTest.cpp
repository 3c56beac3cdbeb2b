#include "engine/RunMarkers.h"

#include <gtest/gtest.h>

// yt-dlp's word that its download archive holds the link is the whole line,
// never a title or a file name that happens to contain the phrase.
TEST(RunMarkers, InArchiveIsYtDlpsOwnLine)
{
    struct Case
    {
        const char *name;
        QString line;
        bool inArchive;
    };
    const QList<Case> cases{
        {"the line", "[download] page?title=Entry 1: Entry 1 has already been recorded in the archive", true},
        {"carriage return", "[download] abc: Clip has already been recorded in the archive\r", true},
        {"surrounding blanks", "  [download] abc: Clip has already been recorded in the archive \r\n", true},
        {"phrase mid-title", "[download] Destination: /out/It has already been recorded in the archive [x].mp4",
         false},
        {"phrase then more", "[download] abc: has already been recorded in the archive, says the title", false},
        {"another component", "[info] abc: Clip has already been recorded in the archive", false},
        {"no component", "abc: Clip has already been recorded in the archive", false},
        {"already downloaded", "[download] /out/Clip [abc].mp4 has already been downloaded", false},
        {"empty", "", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(RunMarkers::inArchive(c.line), c.inArchive) << c.name;
}
