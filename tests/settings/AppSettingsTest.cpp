#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "tools/ToolUpdateSchedule.h"

#include "support/HelperTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Counts the announcements of the concurrency value.
struct ChangeCounter
{
    explicit ChangeCounter(AppSettings &settings)
    {
        QObject::connect(&settings, &AppSettings::maxConcurrentDownloadsChanged, [this] { ++count; });
    }
    int count = 0;
};

class AppSettingsTest : public ::testing::Test
{
protected:
    // In a folder that does not exist yet: the first write creates it.
    QString path() const { return m_dir.filePath(QStringLiteral("config/tarvelle/settings.json")); }

    void writeFile(const QJsonObject &object)
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(object).toJson());
    }

    QJsonObject readFile() const
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    QTemporaryDir m_dir;
};

struct TextSetting
{
    const char *key;
    std::function<QString(const AppSettings &)> get;
    std::function<void(AppSettings &, const QString &)> set;
    QString fallback;
};

QList<TextSetting> textSettings()
{
    return {
        {"defaultOutputDirectory", &AppSettings::defaultOutputDirectory, &AppSettings::setDefaultOutputDirectory,
         AppConfiguration::defaultOutputDir()},
        {"defaultMediaType", &AppSettings::defaultMediaTypeRaw, &AppSettings::setDefaultMediaTypeRaw, "video"},
        {"defaultVideoQuality", &AppSettings::defaultVideoQualityRaw, &AppSettings::setDefaultVideoQualityRaw, "p1080"},
        {"defaultAudioFormat", &AppSettings::defaultAudioFormatRaw, &AppSettings::setDefaultAudioFormatRaw, "best"},
        {"defaultSubtitleMode", &AppSettings::defaultSubtitleModeRaw, &AppSettings::setDefaultSubtitleModeRaw, "none"},
        {"defaultSubtitleLang", &AppSettings::defaultSubtitleLang, &AppSettings::setDefaultSubtitleLang, "en"},
        {"cookieFilePath", &AppSettings::cookieFilePath, &AppSettings::setCookieFilePath, ""},
        {"selectedAppLanguage", &AppSettings::selectedAppLanguage,
         [](AppSettings &s, const QString &raw) { s.setSelectedAppLanguage(*AppLanguages::fromRawValue(raw)); },
         "system"},
    };
}

struct BoolSetting
{
    const char *key;
    std::function<bool(const AppSettings &)> get;
    std::function<void(AppSettings &, bool)> set;
    bool fallback;
};

QList<BoolSetting> boolSettings()
{
    return {
        {"downloadCompleteNotification", &AppSettings::downloadCompleteNotification,
         &AppSettings::setDownloadCompleteNotification, true},
        {"keepFailedTasks", &AppSettings::keepFailedTasks, &AppSettings::setKeepFailedTasks, true},
        {"showVerboseLogs", &AppSettings::showVerboseLogs, &AppSettings::setShowVerboseLogs, false},
        {"watchClipboard", &AppSettings::watchClipboard, &AppSettings::setWatchClipboard, false},
        {"legalAccepted", &AppSettings::legalAccepted, &AppSettings::setLegalAccepted, false},
        {"checkForToolUpdates", &AppSettings::checkForToolUpdates, &AppSettings::setCheckForToolUpdates,
         AppSettings::kCheckForToolUpdatesByDefault},
    };
}

} // namespace

TEST_F(AppSettingsTest, DefaultsWithoutAFile)
{
    AppSettings settings(path());
    EXPECT_EQ(settings.maxConcurrentDownloads(), 2);
    for (const TextSetting &setting : textSettings())
        EXPECT_EQ(setting.get(settings), setting.fallback) << setting.key;
    for (const BoolSetting &setting : boolSettings())
        EXPECT_EQ(setting.get(settings), setting.fallback) << setting.key;
    EXPECT_EQ(settings.defaultMediaType(), MediaKind::video);
    EXPECT_EQ(settings.defaultVideoQuality(), VideoQuality::p1080);
    EXPECT_EQ(settings.defaultAudioFormat(), AudioFormat::best);
    EXPECT_EQ(settings.defaultSubtitleMode(), SubtitleMode::none);
    EXPECT_EQ(settings.appLanguage(), AppLanguage::system);
    EXPECT_FALSE(QFileInfo::exists(path())) << "reading must not write";
}

TEST_F(AppSettingsTest, StoredConcurrencyIsClampedAndWrittenBack)
{
    struct Case
    {
        QJsonValue stored;
        int expected;
        QJsonValue storedAfter; // Undefined: the key stays absent
    };
    const QList<Case> cases{
        {QJsonValue::Undefined, 2, QJsonValue::Undefined},
        {0, 2, 0},
        {7, 4, 4},
        {-3, 1, 1},
        {3, 3, 3},
        {1, 1, 1},
        {2.7, 2, 2.7},
        {QStringLiteral("3"), 2, QStringLiteral("3")},
        {true, 2, true},
        {1e300, 4, 4},
    };
    for (const Case &c : cases) {
        QJsonObject object{{"other", "kept"}};
        if (!c.stored.isUndefined())
            object.insert(AppSettings::kMaxConcurrentDownloadsKey, c.stored);
        writeFile(object);
        AppSettings settings(path());
        EXPECT_EQ(settings.maxConcurrentDownloads(), c.expected) << QJsonDocument(object).toJson().constData();
        const QJsonObject after = readFile();
        EXPECT_EQ(after.value(AppSettings::kMaxConcurrentDownloadsKey), c.storedAfter)
            << QJsonDocument(object).toJson().constData();
        EXPECT_EQ(after.value("other"), QJsonValue("kept"));
    }
}

TEST_F(AppSettingsTest, AssignedConcurrencyIsClampedAnnouncedAndAlwaysWritten)
{
    struct Case
    {
        int start;
        int assigned;
        int expected;
        int announcements;
    };
    const QList<Case> cases{
        {2, 0, 1, 1}, {2, 9, 4, 1}, {2, 3, 3, 1}, {2, 2, 2, 0}, {1, 0, 1, 0}, {4, 100, 4, 0}, {3, -5, 1, 1},
    };
    for (const Case &c : cases) {
        writeFile({{AppSettings::kMaxConcurrentDownloadsKey, c.start}});
        AppSettings settings(path());
        ASSERT_EQ(settings.maxConcurrentDownloads(), c.start);
        writeFile({}); // so that the write of an unchanged value shows
        ChangeCounter spy(settings);
        settings.setProperty("maxConcurrentDownloads", c.assigned);
        EXPECT_EQ(settings.maxConcurrentDownloads(), c.expected) << c.start << " <- " << c.assigned;
        EXPECT_EQ(spy.count, c.announcements) << c.start << " <- " << c.assigned;
        const QJsonValue stored = readFile().value(AppSettings::kMaxConcurrentDownloadsKey);
        EXPECT_TRUE(stored.isDouble());
        EXPECT_EQ(stored.toInt(), c.expected);
    }
}

TEST_F(AppSettingsTest, WritesKeepTheirKinds)
{
    AppSettings settings(path());
    for (const TextSetting &setting : textSettings()) {
        const QString value = setting.key == QStringLiteral("selectedAppLanguage") ? "traditionalChinese" : "  x ";
        setting.set(settings, value);
        EXPECT_EQ(setting.get(settings), value) << setting.key;
        EXPECT_EQ(readFile().value(setting.key), QJsonValue(value)) << setting.key;
    }
    for (const BoolSetting &setting : boolSettings()) {
        setting.set(settings, !setting.fallback);
        EXPECT_EQ(setting.get(settings), !setting.fallback) << setting.key;
        EXPECT_EQ(readFile().value(setting.key), QJsonValue(!setting.fallback)) << setting.key;
    }
    settings.setCookieFilePath(QString());
    EXPECT_EQ(readFile().value("cookieFilePath"), QJsonValue(QString())) << "cleared by empty text, key kept";
}

TEST_F(AppSettingsTest, ValuesOfTheWrongKindReadAsDefaults)
{
    QJsonObject object;
    for (const TextSetting &setting : textSettings())
        object.insert(setting.key, 5);
    for (const BoolSetting &setting : boolSettings())
        object.insert(setting.key, setting.fallback ? "false" : "true");
    writeFile(object);
    AppSettings settings(path());
    for (const TextSetting &setting : textSettings())
        EXPECT_EQ(setting.get(settings), setting.fallback) << setting.key;
    for (const BoolSetting &setting : boolSettings())
        EXPECT_EQ(setting.get(settings), setting.fallback) << setting.key;
}

TEST_F(AppSettingsTest, StoredTextIsReturnedUnchangedAndResolvedByTheCommonRule)
{
    struct Case
    {
        const char *mediaType, *quality, *audio, *subtitles, *language;
        MediaKind kind;
        VideoQuality videoQuality;
        AudioFormat audioFormat;
        SubtitleMode subtitleMode;
        AppLanguage appLanguage;
    };
    const QList<Case> cases{
        {"audio", "p720", "mp3", "original", "english", MediaKind::audio, VideoQuality::p720, AudioFormat::mp3,
         SubtitleMode::original, AppLanguage::english},
        {"video", "best", "m4a", "auto", "simplifiedChinese", MediaKind::video, VideoQuality::best, AudioFormat::m4a,
         SubtitleMode::automatic, AppLanguage::simplifiedChinese},
        {"Audio", "720", "MP3", "automatic", "System", MediaKind::video, VideoQuality::p1080, AudioFormat::best,
         SubtitleMode::none, AppLanguage::system},
        {"", "", "", "", "", MediaKind::video, VideoQuality::p1080, AudioFormat::best, SubtitleMode::none,
         AppLanguage::system},
    };
    for (const Case &c : cases) {
        writeFile({{"defaultMediaType", c.mediaType},
                   {"defaultVideoQuality", c.quality},
                   {"defaultAudioFormat", c.audio},
                   {"defaultSubtitleMode", c.subtitles},
                   {"selectedAppLanguage", c.language}});
        AppSettings settings(path());
        EXPECT_EQ(settings.defaultMediaTypeRaw(), c.mediaType);
        EXPECT_EQ(settings.defaultVideoQualityRaw(), c.quality);
        EXPECT_EQ(settings.defaultAudioFormatRaw(), c.audio);
        EXPECT_EQ(settings.defaultSubtitleModeRaw(), c.subtitles);
        EXPECT_EQ(settings.selectedAppLanguage(), c.language);
        EXPECT_EQ(settings.defaultMediaType(), c.kind) << c.mediaType;
        EXPECT_EQ(settings.defaultVideoQuality(), c.videoQuality) << c.quality;
        EXPECT_EQ(settings.defaultAudioFormat(), c.audioFormat) << c.audio;
        EXPECT_EQ(settings.defaultSubtitleMode(), c.subtitleMode) << c.subtitles;
        EXPECT_EQ(settings.appLanguage(), c.appLanguage) << c.language;
    }
}

TEST_F(AppSettingsTest, AChangeByAnotherWriterIsSeenOnTheNextRead)
{
    AppSettings settings(path());
    settings.setCookieFilePath("/a/cookies.txt");
    QJsonObject object = readFile();
    object.insert("cookieFilePath", "/b/cookies.txt");
    writeFile(object);
    EXPECT_EQ(settings.cookieFilePath(), QStringLiteral("/b/cookies.txt"));
}

TEST_F(AppSettingsTest, AMalformedFileReadsAsEmptyAndIsReplacedOnWrite)
{
    for (const QByteArray &content : {QByteArray("{\"keepFailedTasks\": fal"), QByteArray("[true]"),
                                      QByteArray("\xff\xfe"), QByteArray()}) {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        file.close();
        AppSettings settings(path());
        EXPECT_TRUE(settings.keepFailedTasks());
        EXPECT_EQ(settings.maxConcurrentDownloads(), 2);
        settings.setKeepFailedTasks(false);
        EXPECT_EQ(readFile(), QJsonObject({{"keepFailedTasks", false}}));
    }
}

TEST_F(AppSettingsTest, RestoreDefaultsKeepsTheLegalFlagAndWindowPlaceAndResetsConcurrencyAtOnce)
{
    AppSettings settings(path());
    const char bytes[] = "\x01\xd9\xd0\xcb\x00\x03 any bytes";
    const QByteArray geometry(bytes, sizeof bytes - 1);
    settings.setWindowGeometry(geometry);
    for (const TextSetting &setting : textSettings())
        setting.set(settings, setting.key == QStringLiteral("selectedAppLanguage") ? "english" : "changed");
    for (const BoolSetting &setting : boolSettings())
        setting.set(settings, !setting.fallback);
    settings.setMaxConcurrentDownloads(4);
    QJsonObject object = readFile();
    object.insert("unrelated", 1);
    writeFile(object);

    ChangeCounter spy(settings);
    settings.restoreDefaults();

    EXPECT_EQ(settings.maxConcurrentDownloads(), 2);
    EXPECT_EQ(spy.count, 1);
    for (const TextSetting &setting : textSettings())
        EXPECT_EQ(setting.get(settings), setting.fallback) << setting.key;
    EXPECT_TRUE(settings.legalAccepted());
    EXPECT_EQ(settings.windowGeometry(), geometry);
    EXPECT_EQ(readFile(), QJsonObject({{"legalAccepted", true},
                                       {"windowGeometry", QString::fromLatin1(geometry.toBase64())},
                                       {"unrelated", 1}}));
    for (const BoolSetting &setting : boolSettings()) {
        if (setting.key != QStringLiteral("legalAccepted")) {
            EXPECT_EQ(setting.get(settings), setting.fallback) << setting.key;
        }
    }
}

TEST_F(AppSettingsTest, WindowGeometryIsEmptyUntilStoredAndReadsBackAsStored)
{
    EXPECT_TRUE(AppSettings(path()).windowGeometry().isEmpty());
    const QByteArray geometry = QByteArray::fromHex("01d9d0cb000300000000006400000032ff00");
    AppSettings(path()).setWindowGeometry(geometry);
    EXPECT_EQ(AppSettings(path()).windowGeometry(), geometry);
    QJsonObject object = readFile();
    object.insert("windowGeometry", 12);
    writeFile(object);
    EXPECT_TRUE(AppSettings(path()).windowGeometry().isEmpty()) << "a value of another kind reads as none";
}

TEST_F(AppSettingsTest, ToolUpdateChannelAndTheLastCheckOutliveRestoringDefaultsOnlyAsState)
{
    AppSettings settings(path());
    EXPECT_EQ(settings.toolUpdateChannel(), ReleaseChannel::stable);
    EXPECT_FALSE(settings.toolUpdateCheckedAt());
    EXPECT_FALSE(settings.newerYtDlp());

    settings.setToolUpdateChannel(ReleaseChannel::nightly);
    EXPECT_EQ(readFile().value("toolUpdateChannel"), "nightly");
    EXPECT_EQ(settings.toolUpdateChannel(), ReleaseChannel::nightly);
    const QDateTime when(QDate(2026, 12, 1), QTime(8, 30), Qt::UTC);
    settings.recordToolUpdateCheck(when, QStringLiteral("2026.11.30"));
    EXPECT_EQ(settings.toolUpdateCheckedAt(), when);
    EXPECT_EQ(settings.newerYtDlp(), "2026.11.30");

    settings.restoreDefaults();
    EXPECT_EQ(settings.toolUpdateChannel(), ReleaseChannel::stable);
    EXPECT_EQ(settings.toolUpdateCheckedAt(), when) << "the check's state is no preference";
    EXPECT_EQ(settings.newerYtDlp(), "2026.11.30");

    settings.recordToolUpdateCheck(when.addDays(7), std::nullopt);
    EXPECT_FALSE(settings.newerYtDlp()) << "up to date now";

    QJsonObject object = readFile();
    object.insert("toolUpdateChannel", "weekly");
    object.insert("toolUpdateCheckedAt", "yesterday");
    writeFile(object);
    EXPECT_EQ(settings.toolUpdateChannel(), ReleaseChannel::stable);
    EXPECT_FALSE(settings.toolUpdateCheckedAt());
}

TEST(ToolUpdateSchedule, DueWeeklyAndWheneverTheClockWentBack)
{
    const QDateTime last(QDate(2026, 12, 1), QTime(8, 30), Qt::UTC);
    EXPECT_TRUE(ToolUpdateSchedule::isDue(std::nullopt, last));
    EXPECT_FALSE(ToolUpdateSchedule::isDue(last, last.addDays(6).addSecs(86399)));
    EXPECT_TRUE(ToolUpdateSchedule::isDue(last, last.addDays(7)));
    EXPECT_TRUE(ToolUpdateSchedule::isDue(last, last.addSecs(-60)));
}

TEST_F(AppSettingsTest, VerboseLogsAnnounceOnlyRealChanges)
{
    AppSettings settings(path());
    int announced = 0;
    QObject::connect(&settings, &AppSettings::showVerboseLogsChanged, [&] { ++announced; });

    settings.setShowVerboseLogs(false); // already the default
    EXPECT_EQ(announced, 0);
    settings.setShowVerboseLogs(true);
    settings.setShowVerboseLogs(true);
    EXPECT_EQ(announced, 1);
    settings.restoreDefaults();
    EXPECT_EQ(announced, 2);
    EXPECT_FALSE(settings.showVerboseLogs());
    settings.restoreDefaults();
    EXPECT_EQ(announced, 2);
}

// Run by KindsSurviveANewProcess in a child process (disabled, so the suite
// itself never runs it): reads the file named by --settings-file= with a fresh
// AppSettings and prints what it finds.
TEST(AppSettingsChild, DISABLED_PrintValues)
{
    QString file;
    for (const QString &argument : QCoreApplication::arguments()) {
        if (argument.startsWith(QStringLiteral("--settings-file=")))
            file = argument.section(QLatin1Char('='), 1);
    }
    ASSERT_FALSE(file.isEmpty()) << "run by AppSettingsTest.KindsSurviveANewProcess with --settings-file=";
    AppSettings settings(file);
    QJsonObject values{
        {"maxConcurrentDownloads", settings.maxConcurrentDownloads()},
        {"defaultVideoQuality", settings.defaultVideoQualityRaw()},
        {"cookieFilePath", settings.cookieFilePath()},
        {"selectedAppLanguage", settings.selectedAppLanguage()},
        {"keepFailedTasks", settings.keepFailedTasks()},
        {"showVerboseLogs", settings.showVerboseLogs()},
        {"legalAccepted", settings.legalAccepted()},
    };
    printf("VALUES %s\n", QJsonDocument(values).toJson(QJsonDocument::Compact).constData());
}

TEST_F(AppSettingsTest, KindsSurviveANewProcess)
{
    {
        AppSettings settings(path());
        settings.setMaxConcurrentDownloads(3);
        settings.setDefaultVideoQualityRaw("p720");
        settings.setCookieFilePath("true"); // text that looks like a boolean stays text
        settings.setSelectedAppLanguage(AppLanguage::simplifiedChinese);
        settings.setKeepFailedTasks(false);
        settings.setShowVerboseLogs(true);
        settings.setLegalAccepted(true);
    }
    TestSupport::HelperTest child(QStringLiteral("AppSettingsChild.DISABLED_PrintValues"), {}, {"--settings-file=" + path()});
    ASSERT_TRUE(child.finish()) << child.lines().join('\n').toStdString();
    QByteArray values;
    for (const QString &line : child.lines()) {
        if (line.startsWith(QLatin1String("VALUES ")))
            values = line.mid(7).toUtf8();
    }
    const QJsonObject expected{
        {"maxConcurrentDownloads", 3},  {"defaultVideoQuality", "p720"}, {"cookieFilePath", "true"},
        {"selectedAppLanguage", "simplifiedChinese"}, {"keepFailedTasks", false},
        {"showVerboseLogs", true},      {"legalAccepted", true},
    };
    EXPECT_EQ(QJsonDocument::fromJson(values).object(), expected) << values.constData();
}
