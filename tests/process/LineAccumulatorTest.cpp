#include "process/LineAccumulator.h"

#include <QList>
#include <QStringList>

#include <gtest/gtest.h>

namespace {

struct Feed
{
    const char *name;
    QList<QByteArray> chunks;
    bool finish;
    QStringList expected;
};

QStringList feed(const QList<QByteArray> &chunks, bool finish)
{
    QStringList lines;
    LineAccumulator accumulator([&lines](const QString &line) { lines.append(line); });
    for (const QByteArray &chunk : chunks)
        accumulator.append(chunk);
    if (finish)
        accumulator.finish();
    return lines;
}

} // namespace

TEST(LineAccumulator, CutsLinesAsTheyArrive)
{
    const QString eAcute = QString::fromUtf8("\xc3\xa9");
    const QList<Feed> cases = {
        {"unterminated tail comes from finish", {"a\nb"}, true, {"a", "b"}},
        {"tail is held until finish", {"a\nb"}, false, {"a"}},
        {"carriage return stays in the line", {"a\r\n"}, true, {"a\r"}},
        {"lone carriage return does not end a line", {"50%\r60%\n"}, true, {"50%\r60%"}},
        {"empty line between line feeds", {"a\n\nb\n"}, true, {"a", "", "b"}},
        {"invalid UTF-8 line dropped, next kept", {"\xff\xfe\nok\n"}, true, {"ok"}},
        {"overlong encoding is invalid", {"\xc0\xaf\nok\n"}, true, {"ok"}},
        {"surrogate encoding is invalid", {"\xed\xa0\x80\nok\n"}, true, {"ok"}},
        {"multi-byte character split across reads", {"h\xc3", "\xa9llo\n"}, true, {"h" + eAcute + "llo"}},
        {"four-byte character byte by byte", {"\xf0", "\x9f", "\x98", "\x80\n"}, true, {QString::fromUtf8("\xf0\x9f\x98\x80")}},
        {"line split over many reads", {"pro", "gr", "ess\nnext", "\n"}, true, {"progress", "next"}},
        {"invalid tail is not delivered", {"ok\n\xff"}, true, {"ok"}},
        {"finish with nothing buffered delivers nothing", {"ok\n"}, true, {"ok"}},
    };
    for (const Feed &c : cases)
        EXPECT_EQ(feed(c.chunks, c.finish), c.expected) << c.name;
}

TEST(LineAccumulator, OverlongLineIsCutAndTheRestDiscarded)
{
    const QByteArray huge(3 * LineAccumulator::kMaxLineBytes, 'x');
    QList<QByteArray> chunks;
    for (qsizetype at = 0; at < huge.size(); at += 64 * 1024)
        chunks.append(huge.mid(at, 64 * 1024));
    chunks.append("tail of the long line\nnext\n");

    const QStringList lines = feed(chunks, true);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].size(), LineAccumulator::kMaxLineBytes);
    EXPECT_EQ(lines[1], "next");
}

TEST(LineAccumulator, OverlongLineIsCutOnACharacterBoundary)
{
    // An odd prefix makes the cap fall inside a two-byte character.
    QByteArray text = "x";
    while (text.size() < LineAccumulator::kMaxLineBytes + 10)
        text += "\xc3\xa9";
    text += "\nafter\n";

    const QStringList lines = feed({text}, true);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0].toUtf8().size(), LineAccumulator::kMaxLineBytes - 1);
    EXPECT_EQ(lines[1], "after");
}

TEST(LineAccumulator, Utf8Validation)
{
    const QList<std::pair<QByteArray, bool>> cases = {
        {"", true},
        {"plain ascii", true},
        {"\xe4\xb8\xad\xe6\x96\x87", true},         // CJK
        {"\xf4\x8f\xbf\xbf", true},                 // U+10FFFF
        {"\xf4\x90\x80\x80", false},                // above U+10FFFF
        {"\xe0\x80\xaf", false},                    // overlong
        {"\xc3", false},                            // truncated
        {"\x80", false},                            // stray continuation
        {"\xf5\x80\x80\x80", false},                // invalid lead byte
    };
    for (const auto &[bytes, valid] : cases)
        EXPECT_EQ(isValidUtf8(bytes.constData(), bytes.size()), valid) << bytes.toHex().toStdString();
}
