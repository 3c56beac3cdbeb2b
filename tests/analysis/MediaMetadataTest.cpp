#include "analysis/MediaMetadata.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QSet>

#include <gtest/gtest.h>

#include <limits>

namespace {

MediaMetadata fullRecord()
{
    MediaMetadata m;
    m.id = "dQw4w9WgXcQ";
    m.title = QString::fromUtf8("Title — 漢字");
    m.uploader = "Uploader";
    m.duration = 212.5;
    m.thumbnail = "https://i.example/t.jpg";
    m.webpageUrl = "https://example.com/watch?v=1";
    m.extractor = "youtube";
    m.description = "Line 1\nLine 2";
    MediaFormat video{"137", "mp4", "1080p", 1080, 1920, 29.97, "avc1", "none", 9007199254740993LL, "1080p"};
    MediaFormat bare{"0", "", {}, {}, {}, {}, {}, {}, {}, {}};
    m.formats = {video, bare, video};
    m.subtitles = {SubtitleTrack{"en", "en", "vtt", false}};
    m.automaticCaptions = {SubtitleTrack{"de", "de", {}, true}, SubtitleTrack{"fr", "fr", "srv1", true}};
    return m;
}

std::optional<QString> clock(std::optional<double> seconds)
{
    MediaMetadata m;
    m.duration = seconds;
    return m.durationString();
}

} // namespace

TEST(MediaMetadata, DurationString)
{
    struct Case
    {
        std::optional<double> seconds;
        std::optional<QString> text;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const QList<Case> cases = {
        {std::nullopt, std::nullopt},
        {0.0, std::nullopt},
        {-1.0, std::nullopt},
        {-0.0, std::nullopt},
        {std::numeric_limits<double>::quiet_NaN(), std::nullopt},
        {0.4, "0:00"},
        {1.0, "0:01"},
        {59.9, "0:59"},
        {60.0, "1:00"},
        {185.0, "3:05"},
        {3599.99, "59:59"},
        {3600.0, "1:00:00"},
        {3725.0, "1:02:05"},
        {36000.0, "10:00:00"},
        {360000.0, "100:00:00"},
        {9.2e18, "2555555555555555:33:20"},
        {9.3e18, std::nullopt},
        {inf, std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.seconds ? *c.seconds : -999);
        EXPECT_EQ(clock(c.seconds), c.text);
    }
}

TEST(MediaMetadata, KeyedFormUsesTheFieldNames)
{
    const QJsonObject json = fullRecord().toJson();
    EXPECT_EQ(json.keys(), QStringList({"automaticCaptions", "description", "duration", "extractor",
                                        "formats", "id", "subtitles", "thumbnail", "title",
                                        "uploader", "webpageUrl"}));
    const QJsonObject format = json["formats"].toArray()[0].toObject();
    EXPECT_EQ(format.keys(), QStringList({"acodec", "ext", "filesize", "fps", "height", "id",
                                          "note", "qualityLabel", "vcodec", "width"}));
    EXPECT_EQ(format["filesize"].toInteger(), 9007199254740993LL);
    EXPECT_EQ(format["height"].toInteger(), 1080);
    const QJsonObject track = json["subtitles"].toArray()[0].toObject();
    EXPECT_EQ(track.keys(), QStringList({"ext", "id", "isAuto", "name"}));
    EXPECT_EQ(track["isAuto"], QJsonValue(false));

    // Absent optionals are left out.
    MediaMetadata bare;
    bare.id = bare.title = "Untitled";
    EXPECT_EQ(bare.toJson().keys(), QStringList({"automaticCaptions", "formats", "id", "subtitles",
                                                 "title", "webpageUrl"}));
}

TEST(MediaMetadata, RoundTripThroughText)
{
    for (const MediaMetadata &m : {fullRecord(), MediaMetadata{}}) {
        const QByteArray text = QJsonDocument(m.toJson()).toJson();
        const std::optional<MediaMetadata> back =
            MediaMetadata::fromJson(QJsonDocument::fromJson(text).object());
        ASSERT_TRUE(back.has_value()) << text.toStdString();
        EXPECT_EQ(*back, m);
    }
}

TEST(MediaMetadata, ReadingTheKeyedFormIsStrict)
{
    const QJsonObject good = fullRecord().toJson();
    ASSERT_TRUE(MediaMetadata::fromJson(good).has_value());

    struct Case
    {
        const char *name;
        std::function<void(QJsonObject &)> edit;
        bool accepted;
    };
    auto editFormat = [](const std::function<void(QJsonObject &)> &f) {
        return [f](QJsonObject &o) {
            QJsonArray formats = o["formats"].toArray();
            QJsonObject first = formats[0].toObject();
            f(first);
            formats[0] = first;
            o["formats"] = formats;
        };
    };
    const QList<Case> cases = {
        {"null optional", [](QJsonObject &o) { o["uploader"] = QJsonValue(); }, true},
        {"missing optional", [](QJsonObject &o) { o.remove("description"); }, true},
        {"missing id", [](QJsonObject &o) { o.remove("id"); }, false},
        {"missing title", [](QJsonObject &o) { o.remove("title"); }, false},
        {"missing webpageUrl", [](QJsonObject &o) { o.remove("webpageUrl"); }, false},
        {"missing formats", [](QJsonObject &o) { o.remove("formats"); }, false},
        {"missing subtitles", [](QJsonObject &o) { o.remove("subtitles"); }, false},
        {"null title", [](QJsonObject &o) { o["title"] = QJsonValue(); }, false},
        {"numeric id", [](QJsonObject &o) { o["id"] = 5; }, false},
        {"text duration", [](QJsonObject &o) { o["duration"] = "5"; }, false},
        {"formats object", [](QJsonObject &o) { o["formats"] = QJsonObject(); }, false},
        {"format not object", [](QJsonObject &o) { o["formats"] = QJsonArray{1}; }, false},
        {"format fractional height", editFormat([](QJsonObject &f) { f["height"] = 10.5; }), false},
        {"format whole double height", editFormat([](QJsonObject &f) { f["height"] = 10.0; }), true},
        {"format missing ext", editFormat([](QJsonObject &f) { f.remove("ext"); }), false},
        {"track isAuto text",
         [](QJsonObject &o) {
             o["subtitles"] = QJsonArray{QJsonObject{{"id", "en"}, {"isAuto", "false"}}};
         },
         false},
        {"track minimal",
         [](QJsonObject &o) { o["subtitles"] = QJsonArray{QJsonObject{{"id", "en"}, {"isAuto", true}}}; },
         true},
        {"unknown keys", [](QJsonObject &o) { o["extra"] = 1; }, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QJsonObject object = good;
        c.edit(object);
        EXPECT_EQ(MediaMetadata::fromJson(object).has_value(), c.accepted);
    }
}

TEST(MediaMetadata, EqualityAndHashCoverEveryField)
{
    const MediaMetadata base = fullRecord();
    const QList<std::function<void(MediaMetadata &)>> edits = {
        [](MediaMetadata &m) { m.id += "x"; },
        [](MediaMetadata &m) { m.title += "x"; },
        [](MediaMetadata &m) { m.uploader.reset(); },
        [](MediaMetadata &m) { m.uploader = ""; },
        [](MediaMetadata &m) { m.duration = 1; },
        [](MediaMetadata &m) { m.thumbnail.reset(); },
        [](MediaMetadata &m) { m.webpageUrl.clear(); },
        [](MediaMetadata &m) { m.extractor = "other"; },
        [](MediaMetadata &m) { m.description.reset(); },
        [](MediaMetadata &m) { m.formats.removeLast(); },
        [](MediaMetadata &m) { m.formats[0].fps.reset(); },
        [](MediaMetadata &m) { m.formats[0].filesize = 1; },
        [](MediaMetadata &m) { m.formats[0].note.reset(); },
        [](MediaMetadata &m) { m.subtitles[0].isAuto = true; },
        [](MediaMetadata &m) { m.subtitles[0].name.reset(); },
        [](MediaMetadata &m) { m.automaticCaptions.swapItemsAt(0, 1); },
    };
    QSet<size_t> hashes{qHash(base)};
    for (int i = 0; i < edits.size(); ++i) {
        SCOPED_TRACE(i);
        MediaMetadata changed = base;
        edits[i](changed);
        EXPECT_NE(changed, base);
        hashes.insert(qHash(changed));
    }
    EXPECT_EQ(hashes.size(), edits.size() + 1);
    MediaMetadata copy = base;
    EXPECT_EQ(copy, base);
    EXPECT_EQ(qHash(copy), qHash(base));
    QSet<MediaMetadata> set{base, copy};
    EXPECT_EQ(set.size(), 1);
}
