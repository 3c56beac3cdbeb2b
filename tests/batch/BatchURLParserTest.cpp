#include "batch/BatchURLParser.h"

#include <gtest/gtest.h>

namespace {

struct BatchCase
{
    const char *name;
    QString text;
    QList<ParsedBatchURL> valid;
    QList<ParsedBatchURL> duplicates;
    QList<InvalidBatchLine> invalid;
};

TEST(BatchURLParser, SortsLinesIntoValidDuplicateAndInvalid)
{
    const QList<BatchCase> cases = {
        {"empty text", "", {}, {}, {}},
        {"blank and comment lines only", "\n   \n# note\n\t\n  # indented note", {}, {}, {}},
        {"same link in capitals is a duplicate keeping its capitals",
         "https://example.com/v\n\nHTTPS://EXAMPLE.COM/V",
         {{"https://example.com/v", 1}},
         {{"HTTPS://EXAMPLE.COM/V", 3}},
         {}},
        {"path differing only in case is a duplicate",
         "https://a.test/Clip\nhttps://a.test/clip",
         {{"https://a.test/Clip", 1}},
         {{"https://a.test/clip", 2}},
         {}},
        {"not normalised otherwise",
         "https://a.test/x\nhttps://a.test/x/\nhttps://a.test/x#t",
         {{"https://a.test/x", 1}, {"https://a.test/x/", 2}, {"https://a.test/x#t", 3}},
         {},
         {}},
        {"invalid kinds, repeated invalid listed twice",
         "ftp://a.test/f\nhttps://\nexample.com/path\nhttp://exa mple.com\nftp://a.test/f",
         {},
         {},
         {{1, "ftp://a.test/f"}, {2, "https://"}, {3, "example.com/path"}, {4, "http://exa mple.com"},
          {5, "ftp://a.test/f"}}},
        {"CR LF counts an empty line between", "https://a.test/1\r\nhttps://a.test/2",
         {{"https://a.test/1", 1}, {"https://a.test/2", 3}},
         {},
         {}},
        {"every newline character splits",
         QString::fromUtf8("https://a.test/1\vhttps://a.test/2\fhttps://a.test/3\xc2\x85https://a.test/4"
                           "\xe2\x80\xa8https://a.test/5\xe2\x80\xa9https://a.test/6\rhttps://a.test/7"),
         {{"https://a.test/1", 1}, {"https://a.test/2", 2}, {"https://a.test/3", 3}, {"https://a.test/4", 4},
          {"https://a.test/5", 5}, {"https://a.test/6", 6}, {"https://a.test/7", 7}},
         {},
         {}},
        {"surrounding spaces, tabs and no-break spaces are trimmed",
         QString::fromUtf8(" \t https://a.test/x \xc2\xa0\t"),
         {{"https://a.test/x", 1}},
         {},
         {}},
        {"scheme is matched without regard to case", "HtTp://A.test/x", {{"HtTp://A.test/x", 1}}, {}, {}},
        {"a hash inside a link is not a comment", "https://a.test/#frag", {{"https://a.test/#frag", 1}}, {}, {}},
    };
    for (const BatchCase &c : cases) {
        const BatchParseResult result = BatchURLParser::parse(c.text);
        EXPECT_EQ(result.valid, c.valid) << c.name;
        EXPECT_EQ(result.duplicates, c.duplicates) << c.name;
        EXPECT_EQ(result.invalid, c.invalid) << c.name;
    }
}

TEST(BatchURLParser, UniqueValidURLsAreTheValidLinksInOrder)
{
    const auto result = BatchURLParser::parse("https://b.test\n# c\nhttps://a.test\nhttps://B.TEST\nnope");
    EXPECT_EQ(result.uniqueValidURLs(), QStringList({"https://b.test", "https://a.test"}));
}

TEST(BatchURLParser, LargeBatchKeepsEveryLine)
{
    QString text;
    for (int i = 0; i < 100000; ++i)
        text += QStringLiteral("https://media.test/v/%1\n").arg(i % 50000);
    const auto result = BatchURLParser::parse(text);
    EXPECT_EQ(result.valid.size(), 50000);
    EXPECT_EQ(result.duplicates.size(), 50000);
    EXPECT_EQ(result.duplicates.first(), (ParsedBatchURL{"https://media.test/v/0", 50001}));
    EXPECT_TRUE(result.invalid.isEmpty());
}

} // namespace
