#include "settings/AppSettings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AdvancedDefaultsTest : public ::testing::Test
{
protected:
    QString path() const { return m_dir.filePath(QStringLiteral("tarvelle/settings.json")); }

    QJsonObject readFile() const
    {
        QFile file(path());
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    void writeFile(const QJsonObject &object) const
    {
        QDir().mkpath(QFileInfo(path()).absolutePath());
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QJsonDocument(object).toJson());
    }

    QTemporaryDir m_dir;
};

AdvancedOptions everySetting()
{
    AdvancedOptions options;
    options.speedLimit = SpeedLimit{750, SpeedLimit::Unit::kibibytes};
    options.proxy = QStringLiteral("socks5h://127.0.0.1:9050");
    options.browserCookies = BrowserCookies{Browser::brave, QStringLiteral("Profile 2")};
    options.embed = {true, true, false, true};
    options.sponsorBlockMark = {QStringLiteral("intro"), QStringLiteral("chapter")};
    options.sponsorBlockRemove = {QStringLiteral("sponsor")};
    options.outputTemplate = QStringLiteral("%(uploader)s/%(title)s [%(id)s].%(ext)s");
    options.splitChapters = true;
    options.concurrentFragments = 6;
    options.extraArguments = {QStringLiteral("--user-agent"), QStringLiteral("UA 'x'"), QStringLiteral("--no-mtime")};
    return options;
}

} // namespace

TEST_F(AdvancedDefaultsTest, NothingStoredReadsAsTheDefaults)
{
    AppSettings settings(path());
    EXPECT_EQ(settings.advancedDefaults(), AdvancedOptions{});
    EXPECT_FALSE(QFileInfo::exists(path()));
}

// Each option under its own key, in its own kind, read back the same by a
// settings object of its own (as by the next start); the time range is
// never stored.
TEST_F(AdvancedDefaultsTest, RoundTripInTheirKinds)
{
    AdvancedOptions options = everySetting();
    options.timeRange = TimeRange{10, 20};
    AppSettings(path()).setAdvancedDefaults(options);

    const QJsonObject expected{
        {"speedLimit", "750K"},
        {"proxy", "socks5h://127.0.0.1:9050"},
        {"cookiesFromBrowser", "brave:Profile 2"},
        {"embedMetadata", true},
        {"embedThumbnail", true},
        {"embedSubtitles", true},
        {"sponsorBlockMark", "intro,chapter"},
        {"sponsorBlockRemove", "sponsor"},
        {"outputTemplate", "%(uploader)s/%(title)s [%(id)s].%(ext)s"},
        {"splitChapters", true},
        {"concurrentFragments", 6},
        {"extraArguments", QJsonArray{"--user-agent", "UA 'x'", "--no-mtime"}},
    };
    EXPECT_EQ(readFile(), expected) << QJsonDocument(readFile()).toJson().constData();
    EXPECT_EQ(AppSettings(path()).advancedDefaults(), everySetting());
}

// Only what changed is written: one option changed, one key.
TEST_F(AdvancedDefaultsTest, WritesOnlyWhatChanged)
{
    AppSettings settings(path());
    AdvancedOptions options;
    options.proxy = QStringLiteral("http://p.example:3128");
    settings.setAdvancedDefaults(options);
    EXPECT_EQ(readFile(), (QJsonObject{{"proxy", "http://p.example:3128"}}));
    options.proxy.clear();
    settings.setAdvancedDefaults(options);
    EXPECT_EQ(readFile(), (QJsonObject{{"proxy", ""}}));
    EXPECT_EQ(settings.advancedDefaults(), AdvancedOptions{});
}

// A value the checks refuse (a hand-edited file, or one stored by an earlier
// version) reads as that option's default; the others are read as stored.
TEST_F(AdvancedDefaultsTest, RefusedStoredValuesReadAsDefaults)
{
    struct Case
    {
        const char *key;
        QJsonValue value;
    };
    const QList<Case> cases{
        {"speedLimit", "fast"},
        {"speedLimit", 500},
        {"proxy", "ftp://p.example"},
        {"cookiesFromBrowser", "safari"},
        {"embedMetadata", "yes"},
        {"sponsorBlockMark", "sponsor,ads"},
        {"sponsorBlockRemove", "chapter"},
        {"outputTemplate", "/etc/%(title)s.%(ext)s"},
        {"splitChapters", 1},
        {"concurrentFragments", 99},
        {"concurrentFragments", 2.5},
        {"extraArguments", QJsonArray{"--exec", "rm -rf ~"}},
        {"extraArguments", QJsonArray{"--no-mtime", 3}},
        {"extraArguments", "--no-mtime"},
        {"extraArguments", QJsonArray{"--print-to-file", "%(title)s", "/home/u/.profile"}},
        {"extraArguments", QJsonArray{"--some-new-option"}},
        // The default template of earlier versions, which did not bound the id.
        {"outputTemplate", "%(title).180B [%(id)s].%(ext)s"},
    };
    for (const Case &c : cases) {
        writeFile({{c.key, c.value}, {"proxy", c.key == QLatin1String("proxy") ? c.value : "http://kept.example"}});
        AdvancedOptions expected;
        if (c.key != QLatin1String("proxy"))
            expected.proxy = QStringLiteral("http://kept.example");
        EXPECT_EQ(AppSettings(path()).advancedDefaults(), expected) << c.key;
    }
}

TEST_F(AdvancedDefaultsTest, RestoreDefaultsRemovesThem)
{
    AppSettings settings(path());
    settings.setAdvancedDefaults(everySetting());
    settings.setLegalAccepted(true);
    settings.restoreDefaults();
    EXPECT_EQ(readFile(), (QJsonObject{{"legalAccepted", true}}));
    EXPECT_EQ(settings.advancedDefaults(), AdvancedOptions{});
}
