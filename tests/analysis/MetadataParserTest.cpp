#include "analysis/MetadataParser.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

// Readable failures: records print as their keyed JSON form.
void PrintTo(const MediaMetadata &m, std::ostream *os)
{
    *os << QJsonDocument(m.toJson()).toJson(QJsonDocument::Compact).toStdString();
}
void PrintTo(const MediaFormat &f, std::ostream *os)
{
    *os << QJsonDocument(f.toJson()).toJson(QJsonDocument::Compact).toStdString();
}
void PrintTo(const SubtitleTrack &t, std::ostream *os)
{
    *os << QJsonDocument(t.toJson()).toJson(QJsonDocument::Compact).toStdString();
}

namespace {

// What `{}` gives: every fallback.
MediaMetadata fallbacks()
{
    MediaMetadata m;
    m.id = QStringLiteral("Untitled");
    m.title = QStringLiteral("Untitled");
    return m;
}

MediaMetadata with(const std::function<void(MediaMetadata &)> &edit)
{
    MediaMetadata m = fallbacks();
    edit(m);
    return m;
}

MediaFormat fmt(const QString &id, const QString &ext = QString())
{
    MediaFormat f;
    f.id = id;
    f.ext = ext;
    return f;
}

SubtitleTrack track(const QString &code, std::optional<QString> ext, bool isAuto)
{
    return SubtitleTrack{code, code, std::move(ext), isAuto};
}

struct ParseCase
{
    const char *name;
    const char *json;
    MediaMetadata expected;
};

// Each case is one small document and the whole record it must give.
const QList<ParseCase> &parseCases()
{
    static const QList<ParseCase> cases = {
        // ---- fallbacks -----------------------------------------------------
        {"EmptyObject", "{}", fallbacks()},
        {"EmptyTitleIsUntitled", R"({"title": ""})", fallbacks()},
        {"NullTitleIsUntitled", R"({"title": null, "id": null})", fallbacks()},
        {"NumericTitleIsUntitled", R"({"title": 42})", fallbacks()},
        {"EmptyIdTakesTheTitle", R"({"title": "Clip", "id": ""})",
         with([](MediaMetadata &m) { m.title = m.id = "Clip"; })},
        {"NumericIdTakesTheTitle", R"({"title": "Clip", "id": 12345})",
         with([](MediaMetadata &m) { m.title = m.id = "Clip"; })},
        {"MissingIdWithoutTitleIsUntitled", R"({"id": ""})", fallbacks()},
        {"IdWithoutTitle", R"({"id": "abc"})", with([](MediaMetadata &m) { m.id = "abc"; })},
        {"WhitespaceTitleIsKept", R"({"title": " ", "id": "x"})",
         with([](MediaMetadata &m) { m.title = " "; m.id = "x"; })},
        {"DurationNumber", R"({"duration": 185.5})", with([](MediaMetadata &m) { m.duration = 185.5; })},
        {"DurationInteger", R"({"duration": 3600})", with([](MediaMetadata &m) { m.duration = 3600; })},
        {"DurationZeroIsKept", R"({"duration": 0})", with([](MediaMetadata &m) { m.duration = 0; })},
        {"DurationNegativeIsKept", R"({"duration": -3})", with([](MediaMetadata &m) { m.duration = -3; })},
        {"DurationTextIsMissing", R"({"duration": "185"})", fallbacks()},
        {"DurationBoolIsMissing", R"({"duration": true})", fallbacks()},
        {"DurationNullIsMissing", R"({"duration": null})", fallbacks()},
        {"UploaderFirst", R"({"uploader": "U", "channel": "C", "uploader_id": "@u"})",
         with([](MediaMetadata &m) { m.uploader = "U"; })},
        {"EmptyUploaderIsAccepted", R"({"uploader": "", "channel": "C"})",
         with([](MediaMetadata &m) { m.uploader = ""; })},
        {"NullUploaderFallsToChannel", R"({"uploader": null, "channel": "C", "uploader_id": "@u"})",
         with([](MediaMetadata &m) { m.uploader = "C"; })},
        {"NumericUploaderAndChannelFallToUploaderId",
         R"({"uploader": 1, "channel": ["C"], "uploader_id": "@u"})",
         with([](MediaMetadata &m) { m.uploader = "@u"; })},
        {"NoUploaderAtAll", R"({"uploader": 1, "channel": null, "uploader_id": {}})", fallbacks()},
        {"WebpageUrlFirst", R"({"webpage_url": "https://a/page", "url": "https://a/media"})",
         with([](MediaMetadata &m) { m.webpageUrl = "https://a/page"; })},
        {"UrlWhenNoWebpageUrl", R"({"webpage_url": null, "url": "https://a/media"})",
         with([](MediaMetadata &m) { m.webpageUrl = "https://a/media"; })},
        {"EmptyWebpageUrlIsAccepted", R"({"webpage_url": "", "url": "https://a/media"})", fallbacks()},
        {"NoLinkAtAll", R"({"webpage_url": 5, "url": false})", fallbacks()},
        {"ExtractorFirst", R"({"extractor": "youtube", "extractor_key": "Youtube"})",
         with([](MediaMetadata &m) { m.extractor = "youtube"; })},
        {"ExtractorKeyWhenNoExtractor", R"({"extractor": null, "extractor_key": "Youtube"})",
         with([](MediaMetadata &m) { m.extractor = "Youtube"; })},
        {"Description", R"({"description": "Line 1\nLine 2"})",
         with([](MediaMetadata &m) { m.description = "Line 1\nLine 2"; })},
        {"EmptyDescriptionIsKept", R"({"description": ""})",
         with([](MediaMetadata &m) { m.description = ""; })},
        {"NumericDescriptionIsMissing", R"({"description": 3})", fallbacks()},
        {"UnicodeTextIsKept", R"({"title": "\u6f22\u5b57 \ud83c\udfb5 caf\u00e9", "uploader": "\u00c5"})",
         with([](MediaMetadata &m) {
             m.title = m.id = QString::fromUtf8("漢字 🎵 café");
             m.uploader = QString::fromUtf8("Å");
         })},
        // ---- thumbnail ------------------------------------------------------
        {"Thumbnail", R"({"thumbnail": "https://i/t.jpg", "thumbnails": [{"url": "https://i/0.jpg"}]})",
         with([](MediaMetadata &m) { m.thumbnail = "https://i/t.jpg"; })},
        {"EmptyThumbnailIsAccepted", R"({"thumbnail": "", "thumbnails": [{"url": "https://i/0.jpg"}]})",
         with([](MediaMetadata &m) { m.thumbnail = ""; })},
        {"FirstOfThumbnailsWhateverItsSize",
         R"({"thumbnails": [{"url": "https://i/small.jpg", "width": 10}, {"url": "https://i/big.jpg", "width": 1920}]})",
         with([](MediaMetadata &m) { m.thumbnail = "https://i/small.jpg"; })},
        {"NullThumbnailFallsToThumbnails", R"({"thumbnail": null, "thumbnails": [{"url": "https://i/0.jpg"}]})",
         with([](MediaMetadata &m) { m.thumbnail = "https://i/0.jpg"; })},
        {"FirstThumbnailWithoutUrlGivesNone",
         R"({"thumbnails": [{"id": "0"}, {"url": "https://i/1.jpg"}]})", fallbacks()},
        {"FirstThumbnailWithNumericUrlGivesNone", R"({"thumbnails": [{"url": 7}]})", fallbacks()},
        {"EmptyThumbnailsGiveNone", R"({"thumbnails": []})", fallbacks()},
        {"ThumbnailsWithANonObjectGiveNone",
         R"({"thumbnails": [{"url": "https://i/0.jpg"}, "https://i/1.jpg"]})", fallbacks()},
        {"ThumbnailsAsObjectGiveNone", R"({"thumbnails": {"url": "https://i/0.jpg"}})", fallbacks()},
        // ---- playlists ------------------------------------------------------
        {"PlaylistReadsItsFirstEntryOnly",
         R"({"_type": "playlist", "id": "PL", "title": "The playlist", "uploader": "Curator",
             "webpage_url": "https://a/playlist", "formats": [{"format_id": "pl"}],
             "entries": [{"id": "e1", "title": "First", "webpage_url": "https://a/e1"},
                         {"id": "e2", "title": "Second", "webpage_url": "https://a/e2"}]})",
         with([](MediaMetadata &m) {
             m.id = "e1";
             m.title = "First";
             m.webpageUrl = "https://a/e1";
         })},
        {"PlaylistEntryWithoutLinkGetsThePlaylistLink",
         R"({"webpage_url": "https://a/playlist", "url": "https://a/other",
             "entries": [{"id": "e1", "title": "First", "url": "https://a/e1-media"}]})",
         with([](MediaMetadata &m) {
             m.id = "e1";
             m.title = "First";
             m.webpageUrl = "https://a/playlist";
         })},
        {"PlaylistEntryWithNullLinkKeepsIt",
         R"({"webpage_url": "https://a/playlist",
             "entries": [{"id": "e1", "webpage_url": null, "url": "https://a/e1-media"}]})",
         with([](MediaMetadata &m) {
             m.id = "e1";
             m.webpageUrl = "https://a/e1-media";
         })},
        {"PlaylistWithoutTextLinkCopiesNothing",
         R"({"webpage_url": 12, "url": "https://a/playlist", "entries": [{"id": "e1"}]})",
         with([](MediaMetadata &m) { m.id = "e1"; })},
        {"EmptyEntriesReadTheTopLevel",
         R"({"id": "PL", "title": "The playlist", "webpage_url": "https://a/playlist", "entries": []})",
         with([](MediaMetadata &m) {
             m.id = "PL";
             m.title = "The playlist";
             m.webpageUrl = "https://a/playlist";
         })},
        {"EntriesWithANonObjectReadTheTopLevel",
         R"({"title": "The playlist", "entries": [{"title": "First"}, null]})",
         with([](MediaMetadata &m) { m.title = m.id = "The playlist"; })},
        {"EntriesAsObjectReadTheTopLevel",
         R"({"title": "The playlist", "entries": {"title": "First"}})",
         with([](MediaMetadata &m) { m.title = m.id = "The playlist"; })},
        {"EntriesAsTextReadTheTopLevel", R"({"title": "The playlist", "entries": "x"})",
         with([](MediaMetadata &m) { m.title = m.id = "The playlist"; })},
        {"EmptyFirstEntryGivesFallbacks", R"({"title": "The playlist", "entries": [{}]})",
         fallbacks()},
        // ---- formats --------------------------------------------------------
        {"FormatAllFields",
         R"({"formats": [{"format_id": "137", "ext": "mp4", "format_note": "1080p", "quality": 9,
                          "height": 1080, "width": 1920, "fps": 29.97, "vcodec": "avc1.640028",
                          "acodec": "none", "filesize": 123456789, "filesize_approx": 5}]})",
         with([](MediaMetadata &m) {
             MediaFormat f = fmt("137", "mp4");
             f.qualityLabel = "1080p";
             f.note = "1080p";
             f.height = 1080;
             f.width = 1920;
             f.fps = 29.97;
             f.vcodec = "avc1.640028";
             f.acodec = "none";
             f.filesize = 123456789;
             m.formats = {f};
         })},
        {"FormatFallbacks", R"({"formats": [{}]})",
         with([](MediaMetadata &m) { m.formats = {fmt("0")}; })},
        {"FormatWrongTypes",
         R"({"formats": [{"format_id": 137, "ext": null, "format_note": 1, "quality": 5.5,
                          "height": "1080", "width": true, "fps": "30", "vcodec": 0,
                          "acodec": [], "filesize": "100"}]})",
         with([](MediaMetadata &m) { m.formats = {fmt("0")}; })},
        {"TextQualityWithoutNoteIsTheLabel", R"({"formats": [{"format_id": "a", "quality": "high"}]})",
         with([](MediaMetadata &m) {
             MediaFormat f = fmt("a");
             f.qualityLabel = "high";
             m.formats = {f};
         })},
        {"WholeDoublesAreIntegers",
         R"({"formats": [{"format_id": "a", "height": 1080.0, "width": -0.0, "filesize": 1e3}]})",
         with([](MediaMetadata &m) {
             MediaFormat f = fmt("a");
             f.height = 1080;
             f.width = 0;
             f.filesize = 1000;
             m.formats = {f};
         })},
        {"FractionsAndHugeNumbersAreNotIntegers",
         R"({"formats": [{"format_id": "a", "height": 1080.5, "width": 1e19, "filesize": -9.3e18, "fps": 1e300}]})",
         with([](MediaMetadata &m) {
             MediaFormat f = fmt("a");
             f.fps = 1e300;
             m.formats = {f};
         })},
        {"LargeFilesizeKeepsEveryDigit",
         R"({"formats": [{"format_id": "a", "filesize": 9007199254740993}, {"format_id": "b", "filesize": 9223372036854775807}]})",
         with([](MediaMetadata &m) {
             MediaFormat a = fmt("a");
             a.filesize = 9007199254740993LL;
             MediaFormat b = fmt("b");
             b.filesize = 9223372036854775807LL;
             m.formats = {a, b};
         })},
        {"OnlyFilesizeGivesASize", R"({"formats": [{"format_id": "a", "filesize": null, "filesize_approx": 1000}]})",
         with([](MediaMetadata &m) { m.formats = {fmt("a")}; })},
        {"FormatsKeepOrderAndDuplicates",
         R"({"formats": [{"format_id": "2", "ext": "webm"}, {"format_id": "1", "ext": "mp4"},
                         {"format_id": "2", "ext": "m4a"}]})",
         with([](MediaMetadata &m) { m.formats = {fmt("2", "webm"), fmt("1", "mp4"), fmt("2", "m4a")}; })},
        {"FormatsWithANonObjectAreAllDropped",
         R"({"formats": [{"format_id": "1"}, "2", {"format_id": "3"}]})", fallbacks()},
        {"FormatsAsObjectAreDropped", R"({"formats": {"format_id": "1"}})", fallbacks()},
        {"FormatsNull", R"({"formats": null})", fallbacks()},
        {"EmptyFormats", R"({"formats": []})", fallbacks()},
        // ---- subtitles ------------------------------------------------------
        {"AutomaticCaptionsSorted",
         R"({"automatic_captions": {"fr": [{"ext": "vtt"}], "en": [{"ext": "srv1"}, {"ext": "vtt"}], "de": [{"ext": "json3"}]}})",
         with([](MediaMetadata &m) {
             m.automaticCaptions = {track("de", "json3", true), track("en", "srv1", true),
                                    track("fr", "vtt", true)};
         })},
        {"SubtitlesInByteOrder",
         R"({"subtitles": {"es": [{"ext": "vtt"}], "en-US": [{"ext": "vtt"}], "en": [{"ext": "vtt"}], "de": [{"ext": "vtt"}], "Zh": [{"ext": "vtt"}]}})",
         with([](MediaMetadata &m) {
             m.subtitles = {track("Zh", "vtt", false), track("de", "vtt", false),
                            track("en", "vtt", false), track("en-US", "vtt", false),
                            track("es", "vtt", false)};
         })},
        {"SubtitleExtensionOnlyFromAListOfObjects",
         R"({"subtitles": {"a": [], "b": "vtt", "c": [{"url": "u"}], "d": [{"ext": 1}],
                           "e": [{"ext": "srt"}, 5], "f": null, "g": {"ext": "vtt"}, "h": [{"ext": ""}]}})",
         with([](MediaMetadata &m) {
             m.subtitles = {track("a", {}, false), track("b", {}, false), track("c", {}, false),
                            track("d", {}, false), track("e", {}, false), track("f", {}, false),
                            track("g", {}, false), track("h", "", false)};
         })},
        {"SubtitlesNotAnObject",
         R"({"subtitles": [{"en": [{"ext": "vtt"}]}], "automatic_captions": "en"})", fallbacks()},
        {"EmptySubtitleObjects", R"({"subtitles": {}, "automatic_captions": {}})", fallbacks()},
        {"EmptyLanguageCode", R"({"subtitles": {"": [{"ext": "vtt"}]}})",
         with([](MediaMetadata &m) { m.subtitles = {track("", "vtt", false)}; })},
        {"BothSubtitleKinds",
         R"({"subtitles": {"en": [{"ext": "vtt"}]}, "automatic_captions": {"en": [{"ext": "vtt"}]}})",
         with([](MediaMetadata &m) {
             m.subtitles = {track("en", "vtt", false)};
             m.automaticCaptions = {track("en", "vtt", true)};
         })},
        // ---- defects that still give a record -------------------------------
        {"WrongTypesEverywhere",
         R"({"id": [], "title": {}, "duration": "long", "uploader": 1, "channel": 2, "uploader_id": 3,
             "webpage_url": [], "url": {}, "extractor": 1, "extractor_key": null, "thumbnail": 1,
             "thumbnails": "x", "formats": "x", "subtitles": [], "automatic_captions": 1,
             "description": false, "entries": 7})",
         fallbacks()},
        {"DuplicateKeysTakeTheLast", R"({"title": "first", "title": "second"})",
         with([](MediaMetadata &m) { m.title = m.id = "second"; })},
        {"ByteOrderMarkIsAccepted", "\xEF\xBB\xBF{\"title\": \"bom\"}",
         with([](MediaMetadata &m) { m.title = m.id = "bom"; })},
        {"SurroundingWhitespace", " \n\t{\"title\": \"ws\"}\n\n",
         with([](MediaMetadata &m) { m.title = m.id = "ws"; })},
        {"EscapedNulInText", R"({"title": "a\u0000b"})",
         with([](MediaMetadata &m) { m.title = m.id = QString("a") + QChar(0) + "b"; })},
        {"DeepNestingInsideUnreadValue",
         R"({"title": "deep", "extra": [[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[[]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]]})",
         with([](MediaMetadata &m) { m.title = m.id = "deep"; })},
    };
    return cases;
}

class ParseTable : public ::testing::TestWithParam<ParseCase>
{
};

TEST_P(ParseTable, GivesTheExpectedRecord)
{
    const ParseCase &c = GetParam();
    const MetadataParseResult result = MetadataParser::parse(QByteArray(c.json));
    ASSERT_TRUE(result.hasValue()) << c.json;
    EXPECT_EQ(result.value(), c.expected) << c.json;
}

INSTANTIATE_TEST_SUITE_P(MetadataParser, ParseTable, ::testing::ValuesIn(parseCases()),
                         [](const ::testing::TestParamInfo<ParseCase> &info) { return info.param.name; });

struct InvalidCase
{
    const char *name;
    QByteArray bytes;
};

QList<InvalidCase> invalidCases()
{
    return {
        {"Empty", ""},
        {"Whitespace", " \n "},
        {"NotJson", "not json"},
        {"Warning", "WARNING: [generic] Falling back on generic information extractor.\n"},
        {"TruncatedObject", R"({"title": "x", "formats": [{"format_id": "1")"},
        {"TruncatedString", R"({"title": "unterminated)"},
        {"TopLevelList", R"([{"title": "x"}])"},
        {"EmptyList", "[]"},
        {"TopLevelString", R"("title")"},
        {"TopLevelNumber", "42"},
        {"TopLevelNull", "null"},
        {"TopLevelTrue", "true"},
        {"TwoDocuments", "{\"title\": \"a\"}\n{\"title\": \"b\"}\n"},
        {"TrailingText", "{\"title\": \"a\"} done"},
        {"SingleQuotes", "{'title': 'x'}"},
        {"TrailingComma", R"({"title": "x",})"},
        {"NaN", R"({"duration": NaN})"},
        {"NumberOutOfRange", R"({"duration": 1e400})"},
        {"InvalidUtf8", QByteArray("{\"title\": \"caf\xE9\"}")},
        {"TruncatedUtf8", QByteArray("{\"title\": \"\xE6\xBC\"}")},
        {"EncodedSurrogate", QByteArray("{\"title\": \"\xED\xA0\x80\"}")},
        {"Utf16", [] {
             static const char utf16[] = "{\0\"\0t\0\"\0:\0\"\0x\0\"\0}\0";
             return QByteArray(utf16, sizeof utf16 - 1);
         }()},
        {"DeepNesting", "{\"t\": " + QByteArray(100000, '[') + QByteArray(100000, ']') + "}"},
        {"DeepUnclosedNesting", QByteArray(1000000, '[')},
        {"DeepObjects", [] {
             QByteArray b;
             for (int i = 0; i < 50000; ++i)
                 b += "{\"a\":";
             b += "1";
             b += QByteArray(50000, '}');
             return b;
         }()},
    };
}

TEST(MetadataParser, InvalidInputGivesInvalidJSON)
{
    for (const InvalidCase &c : invalidCases()) {
        SCOPED_TRACE(c.name);
        const MetadataParseResult result = MetadataParser::parse(c.bytes);
        ASSERT_FALSE(result.hasValue()) << QJsonDocument(result->toJson()).toJson().toStdString();
        EXPECT_EQ(result.error(), MetadataParseError::invalidJSON);
    }
}

// Qt's reader is lenient about raw control characters inside strings (strict
// JSON wants them escaped): they are kept as they are.
TEST(MetadataParser, RawControlCharactersInTextAreKept)
{
    const MetadataParseResult result =
        MetadataParser::parse(QByteArray("{\"title\": \"a\0b\tc\nd\"}", 20));
    ASSERT_TRUE(result.hasValue());
    EXPECT_EQ(result->title, QString("a") + QChar(0) + "b\tc\nd");
}

TEST(MetadataParser, NestingWithinTheReaderLimitStillParses)
{
    const QByteArray nested = "{\"title\": \"nested\", \"x\": " + QByteArray(1000, '[')
        + QByteArray(1000, ']') + "}";
    const MetadataParseResult result = MetadataParser::parse(nested);
    ASSERT_TRUE(result.hasValue());
    EXPECT_EQ(result->title, "nested");
}

// Every key the parser reads, set to each JSON type in turn: whatever the
// combination, the parser answers a record and never crashes.
TEST(MetadataParser, AnyTypeAtAnyKeyGivesARecord)
{
    const QList<QJsonValue> values = {
        QJsonValue(), QJsonValue(true), QJsonValue(0), QJsonValue(-1.5), QJsonValue(1e300),
        QJsonValue(""), QJsonValue("x"), QJsonArray(), QJsonArray{1, "a", QJsonArray()},
        QJsonArray{QJsonObject{}}, QJsonArray{QJsonObject{{"url", 1}, {"ext", QJsonArray()}}},
        QJsonObject(), QJsonObject{{"en", QJsonArray{QJsonObject{{"ext", true}}}}},
    };
    const QStringList topKeys = {"title", "id", "duration", "uploader", "channel", "uploader_id",
                                 "webpage_url", "url", "extractor", "extractor_key", "thumbnail",
                                 "thumbnails", "formats", "subtitles", "automatic_captions",
                                 "description", "entries"};
    const QStringList formatKeys = {"format_id", "ext", "format_note", "quality", "height", "width",
                                    "fps", "vcodec", "acodec", "filesize"};
    // Every combination is tried, whatever an earlier one gave, and counted
    // only when it gave a record with a title and an id.
    qsizetype records = 0;
    for (const QJsonValue &value : values) {
        QJsonObject format;
        for (const QString &key : formatKeys)
            format.insert(key, value);
        for (const QString &key : topKeys) {
            for (const bool inPlaylist : {false, true}) {
                QJsonObject object{{key, value}, {"formats", QJsonArray{format}}};
                if (inPlaylist)
                    object = QJsonObject{{"entries", QJsonArray{object}}, {key, value}};
                const QByteArray bytes = QJsonDocument(object).toJson();
                const MetadataParseResult result = MetadataParser::parse(bytes);
                const bool isRecord = result.hasValue() && !result->title.isEmpty() && !result->id.isEmpty();
                EXPECT_TRUE(isRecord) << bytes.toStdString();
                records += isRecord;
            }
        }
    }
    EXPECT_EQ(records, values.size() * topKeys.size() * 2);
}

// A document of at least `targetBytes`: formats with long links and 150
// caption languages. Written as text directly (building it through QJsonArray
// takes seconds).
QByteArray largeDocument(qsizetype targetBytes, int *formatCount)
{
    QByteArray captions;
    for (int i = 0; i < 150; ++i) {
        captions += (i ? "," : "") + QStringLiteral("\"l%1\": [{\"ext\": \"vtt\", \"url\": \"%2\"}]")
                                         .arg(i, 3, 10, QLatin1Char('0'))
                                         .arg(QString(200, 'u'))
                                         .toUtf8();
    }
    const QByteArray link(1000, 'x');
    QByteArray formats;
    int n = 0;
    while (formats.size() < targetBytes) {
        formats += (n ? "," : "") + QByteArray("{\"format_id\": \"") + QByteArray::number(n)
            + "\", \"ext\": \"mp4\", \"vcodec\": \"avc1\", \"acodec\": \"none\", \"height\": 720, "
              "\"filesize\": 123456, \"url\": \"" + link + "\"}";
        ++n;
    }
    *formatCount = n;
    return "{\"id\": \"big\", \"title\": \"Big\", \"formats\": [" + formats
        + "], \"automatic_captions\": {" + captions + "}}";
}

TEST(MetadataParser, TwentyMegabyteDocument)
{
    int formatCount = 0;
    const QByteArray big = largeDocument(20 * 1024 * 1024, &formatCount);
    ASSERT_GE(big.size(), 20 * 1024 * 1024);
    const MetadataParseResult result = MetadataParser::parse(big);
    ASSERT_TRUE(result.hasValue());
    EXPECT_EQ(result->formats.size(), formatCount);
    EXPECT_EQ(result->formats.last().id, QString::number(formatCount - 1));
    EXPECT_EQ(result->automaticCaptions.size(), 150);
    EXPECT_EQ(result->automaticCaptions.first().id, "l000");

    // The same document cut short is not JSON.
    EXPECT_FALSE(MetadataParser::parse(big.left(big.size() - 1)).hasValue());
    EXPECT_FALSE(MetadataParser::parse(big.left(big.size() / 2)).hasValue());
}

TEST(MetadataParser, TwentyMegabytesOfNoise)
{
    QByteArray noise(20 * 1024 * 1024, '\0');
    quint32 state = 12345;
    for (char &c : noise) {
        state = state * 1103515245u + 12345u;
        c = char(state >> 24);
    }
    noise[0] = '{';
    EXPECT_FALSE(MetadataParser::parse(noise).hasValue());
}

TEST(MetadataParser, FormatFromOneObject)
{
    const QJsonObject object{{"format_id", "251"}, {"ext", "webm"}, {"acodec", "opus"},
                             {"vcodec", "none"}, {"quality", 3}};
    MediaFormat expected = fmt("251", "webm");
    expected.acodec = "opus";
    expected.vcodec = "none";
    EXPECT_EQ(MetadataParser::format(object), expected);
}

TEST(MetadataParser, SubtitlesFromAnyValue)
{
    EXPECT_TRUE(MetadataParser::parseSubtitles(QJsonValue(), false).isEmpty());
    EXPECT_TRUE(MetadataParser::parseSubtitles(QJsonArray{}, true).isEmpty());
    EXPECT_TRUE(MetadataParser::parseSubtitles(QJsonValue("en"), true).isEmpty());
    const QList<SubtitleTrack> tracks = MetadataParser::parseSubtitles(
        QJsonObject{{"en", QJsonArray{QJsonObject{{"ext", "vtt"}}}}, {"de", QJsonArray{}}}, true);
    EXPECT_EQ(tracks, (QList<SubtitleTrack>{track("de", {}, true), track("en", "vtt", true)}));
}

// ---- real documents ---------------------------------------------------------
// Captured from the shipped yt-dlp's -J output for pages served on the
// loopback address (fixtures/capture-real.sh).

QByteArray fixture(const char *name)
{
    QFile file(QStringLiteral(TARVELLE_SOURCE_DIR "/tests/analysis/fixtures/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TEST(MetadataParser, RealDocumentOfAPageWithAVideoElement)
{
    const QByteArray bytes = fixture("real-html5.json");
    ASSERT_FALSE(bytes.isEmpty());
    const MetadataParseResult result = MetadataParser::parse(bytes);
    ASSERT_TRUE(result.hasValue());
    const MediaMetadata &m = result.value();
    EXPECT_EQ(m.title, "Tarvelle Test Clip (1)");
    EXPECT_EQ(m.id, "index-1");
    EXPECT_FALSE(m.duration.has_value()); // yt-dlp does not probe a <video> element
    EXPECT_FALSE(m.durationString().has_value());
    EXPECT_EQ(m.webpageUrl, "http://127.0.0.1:8765/index.html");
    EXPECT_EQ(m.extractor, "html5");
    EXPECT_EQ(m.thumbnail, "http://127.0.0.1:8765/poster.jpg");
    EXPECT_FALSE(m.uploader.has_value());
    EXPECT_FALSE(m.description.has_value()); // null in the document
    ASSERT_EQ(m.formats.size(), 1);
    EXPECT_EQ(m.formats[0], fmt("0", "mp4")); // "vcodec": null counts as missing
    EXPECT_EQ(m.subtitles, QList<SubtitleTrack>{track("en", "vtt", false)});
    EXPECT_TRUE(m.automaticCaptions.isEmpty());
}

TEST(MetadataParser, RealDocumentOfAPageWithStructuredData)
{
    const QByteArray bytes = fixture("real-jsonld.json");
    ASSERT_FALSE(bytes.isEmpty());
    const MetadataParseResult result = MetadataParser::parse(bytes);
    ASSERT_TRUE(result.hasValue());
    const MediaMetadata &m = result.value();
    EXPECT_EQ(m.title, "Tarvelle Test Clip");
    EXPECT_EQ(m.id, "jsonld");
    EXPECT_EQ(m.duration, 2.0);
    EXPECT_EQ(m.durationString(), "0:02");
    EXPECT_EQ(m.webpageUrl, "http://127.0.0.1:8765/jsonld.html");
    EXPECT_EQ(m.extractor, "generic");
    EXPECT_EQ(m.thumbnail, "http://127.0.0.1:8765/poster.jpg");
    EXPECT_EQ(m.description, "Two seconds of test pattern and a sine tone.");
    ASSERT_EQ(m.formats.size(), 1);
    EXPECT_EQ(m.formats[0], fmt("mp4", "mp4"));
    EXPECT_TRUE(m.subtitles.isEmpty());
    EXPECT_TRUE(m.automaticCaptions.isEmpty());
}

TEST(MetadataParser, RealDocumentAsTheAnalyzeClientHandsItOver)
{
    // The client joins the output lines, each followed by a line feed.
    QByteArray bytes = fixture("real-jsonld.json");
    ASSERT_FALSE(bytes.isEmpty());
    if (!bytes.endsWith('\n'))
        bytes += '\n';
    EXPECT_TRUE(MetadataParser::parse(bytes).hasValue());
    // A warning printed on standard output makes the parse fail.
    EXPECT_FALSE(MetadataParser::parse("WARNING: x\n" + bytes).hasValue());
}

} // namespace
