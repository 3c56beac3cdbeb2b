#include "analysis/MediaListParser.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

namespace {

QJsonObject json(const char *text)
{
    return QJsonDocument::fromJson(QByteArray(text)).object();
}

const QString kAsked = QStringLiteral("https://media.example/list?id=L1");

// Answers that are no list, or a video that is better shown as itself.
struct NotAList
{
    const char *name;
    const char *answer;
};

class MediaListParserNotAList : public ::testing::TestWithParam<NotAList>
{
};

TEST_P(MediaListParserNotAList, GivesNothing)
{
    EXPECT_FALSE(MediaListParser::parse(json(GetParam().answer), kAsked).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MediaListParserNotAList,
    ::testing::Values(NotAList{"Video", R"j({"id": "v", "title": "A video", "formats": []})j"},
                      NotAList{"EntriesNotAList", R"j({"id": "v", "entries": "none"})j"},
                      NotAList{"EntriesNotObjects", R"j({"id": "v", "entries": [1, 2]})j"},
                      NotAList{"WrappedVideo",
                               R"j({"_type": "playlist", "entries": [{"id": "a", "title": "A", "formats": []}]})j"}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace

TEST(MediaListParser, FlatFeedEntriesKeepTheirOwnPages)
{
    // What yt-dlp --flat-playlist prints for a feed: references to pages.
    const auto list = MediaListParser::parse(json(R"j({
        "_type": "playlist", "id": "feed", "title": "The Feed", "uploader": "Someone",
        "webpage_url": "https://media.example/feed",
        "entries": [
            {"_type": "url_transparent", "url": "https://media.example/a", "title": "First",
             "duration": 62.5, "thumbnail": "https://media.example/a.jpg"},
            {"_type": "url", "url": "https://media.example/b", "ie_key": "Generic"},
            {"_type": "url", "webpage_url": "https://media.example/c", "title": "",
             "thumbnails": [{"url": "https://media.example/c.jpg"}]}
        ]})j"), kAsked);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->title, "The Feed");
    EXPECT_EQ(list->uploader, "Someone");
    EXPECT_EQ(list->webpageUrl, "https://media.example/feed");
    EXPECT_EQ(list->linkedEntry, std::nullopt);
    const QList<MediaListEntry> expected{
        {1, "First", 62.5, "https://media.example/a.jpg", "https://media.example/a", false},
        // No title: the link stands in for it.
        {2, "https://media.example/b", std::nullopt, std::nullopt, "https://media.example/b", false},
        {3, "https://media.example/c", std::nullopt, "https://media.example/c.jpg", "https://media.example/c", false},
    };
    EXPECT_EQ(list->entries, expected);
    EXPECT_EQ(list->entries.first().durationString(), "1:02");
}

TEST(MediaListParser, VideosOfTheListsOwnPageAreFetchedThroughTheList)
{
    // A page of several videos: the entries are described in full, and
    // their page is the list's.
    const auto list = MediaListParser::parse(json(R"j({
        "_type": "playlist", "id": "page", "title": "Page",
        "webpage_url": "https://media.example/page",
        "entries": [
            {"id": "page-1", "title": "Page (1)", "webpage_url": "https://media.example/page", "formats": []},
            {"id": "page-2", "title": "Page (2)", "formats": []},
            {"id": "other", "title": "Elsewhere", "webpage_url": "https://media.example/other", "formats": []}
        ]})j"), kAsked);
    ASSERT_TRUE(list);
    ASSERT_EQ(list->entries.size(), 3);
    EXPECT_EQ(list->entries.at(0).url, "https://media.example/page");
    EXPECT_TRUE(list->entries.at(0).fetchFromList);
    EXPECT_EQ(list->entries.at(1).url, "https://media.example/page");
    EXPECT_TRUE(list->entries.at(1).fetchFromList);
    EXPECT_EQ(list->entries.at(2).url, "https://media.example/other");
    EXPECT_FALSE(list->entries.at(2).fetchFromList);
}

TEST(MediaListParser, FallbacksForAListThatNamesLittle)
{
    const auto list = MediaListParser::parse(json(R"j({"entries": []})j"), kAsked);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->webpageUrl, kAsked);
    EXPECT_EQ(list->title, kAsked);
    EXPECT_EQ(list->id, kAsked);
    EXPECT_EQ(list->uploader, std::nullopt);
    EXPECT_TRUE(list->entries.isEmpty());
}

TEST(MediaListParser, TheEntryTheLinkNames)
{
    const char *playlist = R"j({
        "_type": "playlist", "id": "PL9", "title": "Mix", "webpage_url": "https://media.example/playlist?list=PL9",
        "entries": [
            {"_type": "url", "id": "aaaaaaaaaaa", "url": "https://media.example/watch?v=aaaaaaaaaaa"},
            {"_type": "url", "id": "bbbbbbbbbbb", "url": "https://media.example/watch?v=bbbbbbbbbbb"},
            {"_type": "url", "id": "3", "url": "https://media.example/watch?v=3"},
            {"_type": "url", "id": "ccc", "url": "https://media.example/watch?v=ccc"}
        ]})j";
    const struct
    {
        const char *asked;
        std::optional<int> linked;
    } cases[] = {
        {"https://media.example/watch?v=bbbbbbbbbbb&list=PL9", 2}, // a video opened inside the list
        {"https://media.example/watch?list=PL9&index=4&v=ccc", 4}, // a short id that is no number
        {"https://media.example/watch?v=ccc", 4},                  // the entry's own link
        {"https://media.example/playlist?list=PL9", std::nullopt}, // the list itself
        {"https://media.example/playlist?list=PL9&page=3", std::nullopt}, // a short number is no id
    };
    for (const auto &c : cases) {
        const auto list = MediaListParser::parse(json(playlist), QString::fromLatin1(c.asked));
        ASSERT_TRUE(list);
        EXPECT_EQ(list->linkedEntry, c.linked) << c.asked;
    }
}

// The linked entry is described whole only when the listing holds its
// formats (a video of the list's own page), not when it holds its link.
TEST(MediaListParser, TheLinkedVideoWhenTheListingHoldsIt)
{
    const struct
    {
        const char *name;
        const char *secondEntry;
        const char *asked;
        bool described;
    } cases[] = {
        {"a video of the page", R"j({"id": "clip-2", "title": "Two", "formats": [{"url": "https://media.example/2.mp4"}]})j",
         "https://media.example/page?v=clip-2", true},
        {"its link only", R"j({"_type": "url", "id": "clip-2", "url": "https://media.example/watch?v=clip-2"})j",
         "https://media.example/page?v=clip-2", false},
        {"no formats", R"j({"id": "clip-2", "title": "Two", "formats": []})j", "https://media.example/page?v=clip-2",
         false},
        {"the link names no entry", R"j({"id": "clip-2", "title": "Two", "formats": [{"url": "https://media.example/2.mp4"}]})j",
         "https://media.example/page", false},
    };
    for (const auto &c : cases) {
        const QByteArray text = QByteArray(R"j({"_type": "playlist", "title": "Page", "entries": [)j"
                                           R"j({"id": "clip-1", "title": "One", "formats": [{"url": "https://media.example/1.mp4"}]}, )j") +
                                c.secondEntry + "]}";
        const QJsonObject answer = QJsonDocument::fromJson(text).object();
        const auto list = MediaListParser::parse(answer, QString::fromLatin1(c.asked));
        ASSERT_TRUE(list) << c.name;
        const std::optional<QJsonObject> video = MediaListParser::linkedVideo(answer, *list);
        EXPECT_EQ(video.has_value(), c.described) << c.name;
        if (video)
            EXPECT_EQ(video->value("title").toString(), QStringLiteral("Two")) << c.name;
    }
}
