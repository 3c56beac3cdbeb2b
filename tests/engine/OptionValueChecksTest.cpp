#include "engine/AdvancedOptions.h"
#include "engine/BrowserCookies.h"
#include "engine/OutputTemplate.h"
#include "engine/ProxyAddress.h"
#include "engine/SpeedLimit.h"
#include "engine/SponsorBlock.h"
#include "engine/TimeRange.h"

#include <gtest/gtest.h>

namespace {

// One text against what its check gives: the value's text form, or the
// refusal when `accepted` is false.
struct TextCase
{
    QString text;
    bool accepted;
    QString expected; // the value's text, or the refusal
};

template <typename T, typename Check, typename Shown>
void expectChecks(const QList<TextCase> &cases, Check check, Shown shown)
{
    for (const TextCase &c : cases) {
        const Checked<T> result = check(c.text);
        ASSERT_EQ(bool(result), c.accepted) << c.text.toStdString() << ": "
                                            << (result ? shown(result.value()) : result.error()).toStdString();
        EXPECT_EQ(result ? shown(result.value()) : result.error(), c.expected) << c.text.toStdString();
    }
}

} // namespace

TEST(OptionValueChecks, SpeedLimit)
{
    const QString format = "Give a speed such as 500K or 2M (kilobytes or megabytes per second).";
    expectChecks<SpeedLimit>(
        {
            {"500K", true, "500K"},
            {"500k", true, "500K"},
            {" 2M ", true, "2M"},
            {"2 MiB/s", true, "2M"},
            {"800 KB/s", true, "800K"},
            {"1.5M", true, "1536K"},
            {"2.0M", true, "2M"},
            {"0.4K", false, "A speed limit must be at least 1 KB/s; choose \"No limit\" for none."},
            {"0K", false, "A speed limit must be at least 1 KB/s; choose \"No limit\" for none."},
            {"10000000K", false, "A speed limit can be at most 9999999 KB/s."},
            {"500", false, format},
            {"fast", false, format},
            {"-5K", false, format},
            {"5G", false, format},
            {"", false, format},
        },
        SpeedLimit::parse, [](const SpeedLimit &limit) { return limit.text(); });
    EXPECT_EQ(SpeedLimit::make(3, SpeedLimit::Unit::mebibytes).value().text(), "3M");
}

TEST(OptionValueChecks, Proxy)
{
    const QString scheme = "A proxy starts with http://, https://, socks4://, socks4a://, socks5:// or socks5h://, "
                           "as in socks5://127.0.0.1:1080.";
    const QString host = "The proxy needs a host, as in http://proxy.example:3128.";
    const QString rest = "A proxy address ends after its host and port; remove what follows them.";
    expectChecks<QString>(
        {
            {"", true, ""},
            {"   ", true, ""},
            {"http://127.0.0.1:3128", true, "http://127.0.0.1:3128"},
            {" https://proxy.example/ ", true, "https://proxy.example/"},
            {"socks5://user:pass@[::1]:1080", true, "socks5://user:pass@[::1]:1080"},
            {"SOCKS5H://gate.example:9050", true, "SOCKS5H://gate.example:9050"},
            {"socks4a://h:1", true, "socks4a://h:1"},
            {"127.0.0.1:8080", false, scheme},
            {"ftp://proxy.example", false, scheme},
            {"socks6://h:1", false, scheme},
            {"http://", false, host},
            {"http://:8080", false, host},
            {"http://pro xy:8080", false, host},
            {"http://h:99999", false, "The proxy port must be a number from 1 to 65535."},
            {"http://h:0", false, "The proxy port must be a number from 1 to 65535."},
            {"socks5://u:p@h:", false, "The proxy port must be a number from 1 to 65535."},
            {"http://[::1]:65535", true, "http://[::1]:65535"},
            {"http://h:8080/path", false, rest},
            {"http://h:8080?x=1", false, rest},
        },
        ProxyAddress::parse, [](const QString &proxy) { return proxy; });
}

TEST(OptionValueChecks, BrowserCookies)
{
    const QString names = "Name one of these browsers: firefox, chromium, chrome, brave, edge, opera, vivaldi.";
    expectChecks<BrowserCookies>(
        {
            {"firefox", true, "firefox"},
            {"Chrome", true, "chrome"},
            {"brave:Profile 1", true, "brave:Profile 1"},
            {"firefox: /home/u/.mozilla/firefox/x.default ", true, "firefox:/home/u/.mozilla/firefox/x.default"},
            {"vivaldi:", true, "vivaldi"},
            {"safari", false, names},
            {"", false, names},
            {"edge:a::b", false, "A browser profile cannot hold \"::\" or line breaks."},
            {"opera:a\nb", false, "A browser profile cannot hold \"::\" or line breaks."},
        },
        BrowserCookies::parse, [](const BrowserCookies &cookies) { return cookies.text(); });
    for (const Browser browser : Browsers::all())
        EXPECT_EQ(Browsers::fromRawValue(Browsers::rawValue(browser)), browser);
}

TEST(OptionValueChecks, TimeRange)
{
    const auto noTime = [](const QString &typed) {
        return "\"" + typed + "\" is no time: write mm:ss or hh:mm:ss, as in 1:30 or 1:02:03.";
    };
    expectChecks<TimeRange>(
        {
            {"1:30-2:45", true, "*90-165"},
            {"0:00-0:01", true, "*0-1"},
            {"1:02:03-1:02:04", true, "*3723-3724"},
            {"90:00-100:00", true, "*5400-6000"},
            {"1:30-", true, "*90-inf"},
            {"-2:00", true, "*0-120"},
            {" 0:05 - 0:10 ", true, "*5-10"},
            {"1:30", false, "Give the range as START-END, as in 1:30-2:45; leave out either side to begin at the start "
                            "or run to the end."},
            {"1:30-2:00-3:00", false, "Give the range as START-END, as in 1:30-2:45; leave out either side to begin "
                                      "at the start or run to the end."},
            {"-", false, "Give a start, an end or both."},
            {"90-120", false, noTime("90")},
            {"1:5-2:00", false, noTime("1:5")},
            {"1:60-2:00", false, noTime("1:60")},
            {"1:00-1:00:60", false, noTime("1:00:60")},
            {"2:00-1:00", false, "The end must come after the start."},
            {"1:00-1:00", false, "The end must come after the start."},
            {"0:00-", false, "This range is the whole medium: leave the time range empty instead."},
        },
        TimeRange::parse, [](const TimeRange &range) { return range.argument(); });

    EXPECT_EQ(TimeRange::make("1:30", "2:45").value().text(), "1:30-2:45");
    EXPECT_EQ(TimeRange::make("", "1:02:03").value().text(), "0:00-1:02:03");
    EXPECT_EQ(TimeRange::make("0:10", "0:20", 20.4).value().argument(), "*10-20");
    EXPECT_EQ(TimeRange::make("0:10", "0:22", 20.4).error(), "The medium is 0:21 long; the range must lie within it.");
    EXPECT_EQ(TimeRange::make("0:21", "", 20.4).error(), "The medium is 0:21 long; the range must lie within it.");
    EXPECT_EQ(TimeRange::clockText(3723), "1:02:03");
    EXPECT_EQ(TimeRange::clockText(59), "0:59");
}

TEST(OptionValueChecks, SponsorBlockCategories)
{
    using SponsorBlock::Use;
    const auto joined = [](const QStringList &list) { return list.join(','); };
    const auto mark = [](const QString &text) { return SponsorBlock::parse(text, Use::mark); };
    const auto remove = [](const QString &text) { return SponsorBlock::parse(text, Use::remove); };
    expectChecks<QStringList>(
        {
            {"", true, ""},
            {"none", true, ""},
            {"intro, Sponsor,intro", true, "sponsor,intro"},
            {"chapter,poi_highlight", true, "poi_highlight,chapter"},
            {"all", true, "sponsor,intro,outro,selfpromo,preview,filler,interaction,music_offtopic,poi_highlight,chapter"},
            {"sponsors", false, "\"sponsors\" is no SponsorBlock category here; use sponsor, intro, outro, selfpromo, "
                                "preview, filler, interaction, music_offtopic, poi_highlight, chapter, all or none."},
        },
        mark, joined);
    expectChecks<QStringList>(
        {
            {"all", true, "sponsor,intro,outro,selfpromo,preview,filler,interaction,music_offtopic"},
            {"selfpromo", true, "selfpromo"},
            {"chapter", false, "\"chapter\" is no SponsorBlock category here; use sponsor, intro, outro, selfpromo, "
                               "preview, filler, interaction, music_offtopic, all or none."},
        },
        remove, joined);
}

TEST(OptionValueChecks, EmbedAndFragments)
{
    const auto shown = [](const EmbedChoices &e) {
        return QString("%1%2%3%4").arg(e.metadata).arg(e.thumbnail).arg(e.chapters).arg(e.subtitles);
    };
    expectChecks<EmbedChoices>(
        {
            {"metadata,chapters", true, "1010"},
            {"subs, thumbnail", true, "0101"},
            {"all", true, "1111"},
            {"none", true, "0000"},
            {"metadata,lyrics", false, "\"lyrics\" cannot be embedded; use metadata, thumbnail, chapters, subs, all or "
                                       "none."},
            {"", false, "\"\" cannot be embedded; use metadata, thumbnail, chapters, subs, all or none."},
        },
        EmbedChoices::parse, shown);
    const QString range = "Concurrent fragments are a whole number from 1 to 16.";
    expectChecks<int>({{"4", true, "4"}, {"1", true, "1"}, {"16", true, "16"}, {"17", false, range},
                       {"0", false, range}, {"two", false, range}},
                      AdvancedOptions::parseConcurrentFragments, [](int n) { return QString::number(n); });
}

TEST(OptionValueChecks, OutputTemplate)
{
    const auto noField = [](const QString &piece) {
        return "\"" + piece + "\" is no field: write fields as %(name)s, as in %(title)s, and a percent sign as %%.";
    };
    const QString inside = "The template names a file inside the output folder: ";
    expectChecks<QString>(
        {
            {"", true, ""},
            {"%(title).180B [%(id)s].%(ext)s", true, "%(title).180B [%(id)s].%(ext)s"},
            {"%(uploader)s/%(upload_date>%Y-%m-%d)s %(title)s.%(ext)s", true,
             "%(uploader)s/%(upload_date>%Y-%m-%d)s %(title)s.%(ext)s"},
            {"%(playlist_index)03d - 100%% %(title|no title)s.%(ext)s", true,
             "%(playlist_index)03d - 100%% %(title|no title)s.%(ext)s"},
            {"%(title)s.mp4", false, "End the template with .%(ext)s, so the file keeps its type."},
            {"%(title)s [%(id)s]", false, "End the template with .%(ext)s, so the file keeps its type."},
            {"100% %(title)s.%(ext)s", false, noField("% %(title)s.")},
            {"%(title.%(ext)s", false, noField("%(title.%(ex")},
            {"%(title)y.%(ext)s", false, noField("%(title)y.%(")},
            {"%s.%(ext)s", false, noField("%s.%(ext)s")},
            {"%()s.%(ext)s", false, "A field of the template names nothing: %()s."},
            {"/tmp/%(title)s.%(ext)s", false, inside + "do not start it with / or ~."},
            {"~/%(title)s.%(ext)s", false, inside + "do not start it with / or ~."},
            {"../%(title)s.%(ext)s", false, inside + "\"..\" would leave it."},
            {"a/../../%(title)s.%(ext)s", false, inside + "\"..\" would leave it."},
            // A field may be empty, leaving only the dots around it.
            {"%(uploader)s../%(title)s.%(ext)s", false, inside + "\"..\" would leave it."},
            {".%(uploader)s.%(channel)s/%(title)s.%(ext)s", false, inside + "\"..\" would leave it."},
            {"%(uploader)s.%(channel)s/.%(title)s.%(ext)s", true, "%(uploader)s.%(channel)s/.%(title)s.%(ext)s"},
            {"%%../...%(id)s/%(title)s.%(ext)s", true, "%%../...%(id)s/%(title)s.%(ext)s"},
            {"%(title)s\n.%(ext)s", false, "A file name template cannot hold line breaks."},
        },
        OutputTemplate::check, [](const QString &text) { return text; });
}

TEST(OptionValueChecks, OutputTemplatePreview)
{
    MediaMetadata record;
    record.id = "a/b?1";
    record.title = "Live: Tokyo / Osaka * \"Best\" | 2024?";
    record.uploader = "Ünïcode Channel";
    record.duration = 75.6;
    record.extractor = "generic";
    record.webpageUrl = "https://media.example/v";
    struct Case
    {
        QString tmpl;
        QString name;
    };
    const QList<Case> cases{
        {OutputTemplate::defaultTemplate(),
         "Live： Tokyo ⧸ Osaka ＊ ＂Best＂ ｜ 2024？ [a⧸b？1].mp4"},
        {"%(uploader)s/%(title).10s.%(ext)s", "Ünïcode Channel/Live： Toky.mp4"},
        {"%(duration)05d %(duration_string)s %(extractor)s.%(ext)s", "00075 1：15 generic.mp4"},
        {"%(upload_date)s %(channel,uploader)s %(series|none)s 100%%.%(ext)s",
         "<upload_date> Ünïcode Channel none 100%.mp4"},
        {"%(id)-8s|%(id)8s.%(ext)s", "a⧸b？1   |   a⧸b？1.mp4"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(OutputTemplate::preview(c.tmpl, record, "mp4"), c.name) << c.tmpl.toStdString();

    // .180B counts UTF-8 bytes and never cuts a character in half.
    record.title = QString(100, QChar(0x4E2D)); // 300 bytes
    EXPECT_EQ(OutputTemplate::preview("%(title).180B.%(ext)s", record, "m4a"), QString(60, QChar(0x4E2D)) + ".m4a");
    EXPECT_EQ(OutputTemplate::preview("%(title).181B.%(ext)s", record, "m4a"), QString(60, QChar(0x4E2D)) + ".m4a");

    // The default name leaves room under the 255-byte limit for what yt-dlp
    // adds while downloading (".f137.mp4.part"), however long title and id.
    record.id = QString(150, QLatin1Char('i'));
    EXPECT_LE(OutputTemplate::preview(OutputTemplate::defaultTemplate(), record, "webm").toUtf8().size(), 230);

    // A field that is "." or ".." names no folder: yt-dlp is told to write
    // "_" instead.
    for (const QString &dots : {QStringLiteral(".."), QStringLiteral(".")}) {
        record.uploader = dots;
        record.id = dots;
        EXPECT_EQ(OutputTemplate::preview("%(uploader)s/%(id)s/x.%(ext)s", record, "mp4"), "_/_/x.mp4");
    }
}

TEST(OptionValueChecks, ExpectedExtension)
{
    MediaMetadata record;
    EXPECT_EQ(OutputTemplate::expectedExtension(record, MediaKind::video, AudioFormat::mp3), "mp4");
    EXPECT_EQ(OutputTemplate::expectedExtension(record, MediaKind::audio, AudioFormat::mp3), "mp3");
    EXPECT_EQ(OutputTemplate::expectedExtension(record, MediaKind::audio, AudioFormat::m4a), "m4a");
    EXPECT_EQ(OutputTemplate::expectedExtension(record, MediaKind::audio, AudioFormat::best), "m4a");
    record.formats = {MediaFormat{"18", "mp4", {}, 360, 640, {}, "avc1", "mp4a.40.2", {}, {}}};
    EXPECT_EQ(OutputTemplate::expectedExtension(record, MediaKind::audio, AudioFormat::best), "m4a");
    record.formats.prepend(MediaFormat{"251", "webm", {}, {}, {}, {}, "none", "opus", {}, {}});
    EXPECT_EQ(OutputTemplate::expectedExtension(record, MediaKind::audio, AudioFormat::best), "opus");
}
