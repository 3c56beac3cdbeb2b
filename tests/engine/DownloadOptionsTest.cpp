#include "engine/DownloadOptions.h"
#include "engine/DownloadStatus.h"

#include <QCoreApplication>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

// One enumeration seen through its helper namespace, so that the strictness
// table below can run over all five the same way.
struct EnumView
{
    const char *name;
    QStringList rawValues;                          // in declaration order
    std::function<bool(const QString &)> accepts;   // fromRawValue(...).has_value()
    std::function<QString(const QString &)> roundTrip; // rawValue(*fromRawValue(s))
};

template <typename Enum, typename AllFn, typename RawFn, typename FromFn>
EnumView view(const char *name, AllFn all, RawFn raw, FromFn from)
{
    EnumView v{name, {}, {}, {}};
    for (Enum e : all())
        v.rawValues.append(raw(e));
    v.accepts = [from](const QString &s) { return from(s).has_value(); };
    v.roundTrip = [from, raw](const QString &s) { return raw(*from(s)); };
    return v;
}

QList<EnumView> allEnums()
{
    return {
        view<MediaKind>("MediaKind", MediaKinds::all, MediaKinds::rawValue, MediaKinds::fromRawValue),
        view<VideoQuality>("VideoQuality", VideoQualities::all, VideoQualities::rawValue,
                           VideoQualities::fromRawValue),
        view<AudioFormat>("AudioFormat", AudioFormats::all, AudioFormats::rawValue,
                          AudioFormats::fromRawValue),
        view<SubtitleMode>("SubtitleMode", SubtitleModes::all, SubtitleModes::rawValue,
                           SubtitleModes::fromRawValue),
        view<DownloadStatus>("DownloadStatus", DownloadStatuses::all, DownloadStatuses::rawValue,
                             DownloadStatuses::fromRawValue),
    };
}

} // namespace

TEST(DownloadOptions, RawValuesInDeclarationOrder)
{
    const QList<EnumView> enums = allEnums();
    EXPECT_EQ(enums[0].rawValues, QStringList({"video", "audio"}));
    EXPECT_EQ(enums[1].rawValues, QStringList({"best", "p2160", "p1440", "p1080", "p720", "p480"}));
    EXPECT_EQ(enums[2].rawValues, QStringList({"best", "mp3", "m4a"}));
    EXPECT_EQ(enums[3].rawValues, QStringList({"none", "original", "auto"}));
    EXPECT_EQ(enums[4].rawValues, QStringList({"queued", "analyzing", "downloading", "merging",
                                               "completed", "cancelled", "failed"}));
}

TEST(DownloadOptions, ConstructionFromRawValueIsStrict)
{
    for (const EnumView &e : allEnums()) {
        SCOPED_TRACE(e.name);
        for (const QString &raw : e.rawValues) {
            SCOPED_TRACE(raw.toStdString());
            EXPECT_TRUE(e.accepts(raw));
            EXPECT_EQ(e.roundTrip(raw), raw);
            // Variants of a good raw text are all rejected.
            EXPECT_FALSE(e.accepts(raw.toUpper()));
            EXPECT_FALSE(e.accepts(raw.left(1).toUpper() + raw.mid(1)));
            EXPECT_FALSE(e.accepts(QLatin1Char(' ') + raw));
            EXPECT_FALSE(e.accepts(raw + QLatin1Char(' ')));
            EXPECT_FALSE(e.accepts(raw + QLatin1Char('\n')));
            EXPECT_FALSE(e.accepts(QLatin1Char('\t') + raw));
            EXPECT_FALSE(e.accepts(raw.chopped(1)));
            EXPECT_FALSE(e.accepts(raw + QLatin1Char('x')));
            EXPECT_FALSE(e.accepts(raw + QChar(0)));
        }
        EXPECT_FALSE(e.accepts(QString()));
        EXPECT_FALSE(e.accepts(QStringLiteral("")));
        EXPECT_FALSE(e.accepts(QStringLiteral("unknown")));
    }
}

TEST(DownloadOptions, LabelsAreNotRawValues)
{
    // A label is display text, never a raw value.
    EXPECT_FALSE(VideoQualities::fromRawValue(u"1080p").has_value());
    EXPECT_FALSE(VideoQualities::fromRawValue(u"P1080").has_value());
    EXPECT_FALSE(VideoQualities::fromRawValue(u" p1080").has_value());
    EXPECT_EQ(VideoQualities::fromRawValue(u"p1080"), VideoQuality::p1080);
    EXPECT_FALSE(MediaKinds::fromRawValue(u"Video").has_value());
    EXPECT_FALSE(AudioFormats::fromRawValue(u"MP3").has_value());
    EXPECT_FALSE(SubtitleModes::fromRawValue(u"automatic").has_value());
    EXPECT_EQ(SubtitleModes::fromRawValue(u"auto"), SubtitleMode::automatic);
}

TEST(DownloadOptions, EnglishLabels)
{
    EXPECT_EQ(MediaKinds::label(MediaKind::video), "Video");
    EXPECT_EQ(MediaKinds::label(MediaKind::audio), "Audio");
    const QStringList qualities = {"Best Quality", "2160p", "1440p", "1080p", "720p", "480p"};
    for (int i = 0; i < qualities.size(); ++i)
        EXPECT_EQ(VideoQualities::label(VideoQualities::all()[i]), qualities[i]);
    EXPECT_EQ(AudioFormats::displayText(AudioFormat::best), "Best Audio");
    EXPECT_EQ(AudioFormats::displayText(AudioFormat::mp3), "MP3");
    EXPECT_EQ(AudioFormats::displayText(AudioFormat::m4a), "M4A");
    EXPECT_EQ(SubtitleModes::label(SubtitleMode::none), "No Subtitles");
    EXPECT_EQ(SubtitleModes::label(SubtitleMode::original), "Download Original Subtitles");
    EXPECT_EQ(SubtitleModes::label(SubtitleMode::automatic), "Download Auto Subtitles");
}

namespace {

// Translates every text of a given context to "<context>:<text>".
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char *context, const char *sourceText, const char *, int) const override
    {
        return QString::fromLatin1(context) + QLatin1Char(':') + QString::fromUtf8(sourceText);
    }
};

} // namespace

TEST(DownloadOptions, LabelsGoThroughTranslationExceptHeights)
{
    MarkingTranslator translator;
    ASSERT_TRUE(QCoreApplication::installTranslator(&translator));
    EXPECT_EQ(MediaKinds::label(MediaKind::audio), "MediaKind:Audio");
    EXPECT_EQ(VideoQualities::label(VideoQuality::best), "VideoQuality:Best Quality");
    EXPECT_EQ(VideoQualities::label(VideoQuality::p2160), "2160p");
    EXPECT_EQ(VideoQualities::label(VideoQuality::p480), "480p");
    EXPECT_EQ(AudioFormats::displayText(AudioFormat::best), "AudioFormat:Best Audio");
    EXPECT_EQ(AudioFormats::displayText(AudioFormat::mp3), "MP3");
    EXPECT_EQ(SubtitleModes::label(SubtitleMode::automatic), "SubtitleMode:Download Auto Subtitles");
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(MediaKinds::label(MediaKind::audio), "Audio");
}

TEST(DownloadOptions, HeightBounds)
{
    EXPECT_FALSE(VideoQualities::maxHeight(VideoQuality::best).has_value());
    EXPECT_EQ(VideoQualities::maxHeight(VideoQuality::p2160), 2160);
    EXPECT_EQ(VideoQualities::maxHeight(VideoQuality::p1440), 1440);
    EXPECT_EQ(VideoQualities::maxHeight(VideoQuality::p1080), 1080);
    EXPECT_EQ(VideoQualities::maxHeight(VideoQuality::p720), 720);
    EXPECT_EQ(VideoQualities::maxHeight(VideoQuality::p480), 480);
}

TEST(DownloadOptions, CasesHash)
{
    const QSet<VideoQuality> set(VideoQualities::all().begin(), VideoQualities::all().end());
    EXPECT_EQ(set.size(), 6);
    EXPECT_TRUE(set.contains(VideoQuality::p720));
}

TEST(DownloadStatus, IsActiveTable)
{
    struct Row
    {
        DownloadStatus status;
        bool active;
        bool terminal;
    };
    const Row rows[] = {
        {DownloadStatus::queued, false, false},     {DownloadStatus::analyzing, true, false},
        {DownloadStatus::downloading, true, false}, {DownloadStatus::merging, true, false},
        {DownloadStatus::completed, false, true},   {DownloadStatus::cancelled, false, true},
        {DownloadStatus::failed, false, true},
    };
    ASSERT_EQ(std::size(rows), size_t(DownloadStatuses::all().size()));
    for (const Row &row : rows) {
        SCOPED_TRACE(DownloadStatuses::rawValue(row.status).toStdString());
        EXPECT_EQ(DownloadStatuses::isActive(row.status), row.active);
        EXPECT_EQ(DownloadStatuses::isTerminal(row.status), row.terminal);
    }
}
