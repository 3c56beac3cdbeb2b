#include "settings/SettingsStore.h"
#include "ui/UiTestApp.h"
#include "ui/options/CategoryPicker.h"
#include "ui/settings/SettingsView.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonValue>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// The Advanced section of the Settings screen over a settings file of its own.
class AdvancedSettingsTest : public ::testing::Test
{
public:
    void open()
    {
        view = std::make_unique<SettingsView>(*app.state);
        view->setLanguageApplier([](const QString &) {});
        view->setRestoreConfirmation([](QWidget *) { return true; });
        view->resize(800, 1600);
        view->show();
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *found = view->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QJsonValue stored(const char *key) const { return SettingsStore(app.settingsPath()).value(QLatin1String(key)); }

    void type(const char *field, const QString &text)
    {
        auto *edit = find<QLineEdit>(field);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    void tick(const char *picker, const char *category)
    {
        QAction *action = find<CategoryPicker>(picker)->menu()->findChild<QAction *>(
            QStringLiteral("category_") + QLatin1String(category));
        ASSERT_NE(action, nullptr) << category;
        action->trigger();
    }

    UiTestApp app;
    std::unique_ptr<SettingsView> view;
};

struct AdvancedControlCase
{
    const char *name;
    std::function<void(AdvancedSettingsTest &)> change;
    const char *key;
    QJsonValue expected;
};

class AdvancedControlTest : public AdvancedSettingsTest, public ::testing::WithParamInterface<AdvancedControlCase>
{
};

} // namespace

// Every control stores its key the moment a value passes its check.
TEST_P(AdvancedControlTest, StoresItsKey)
{
    open();
    ASSERT_TRUE(find("settingsSectionAdvanced")->isVisible());
    GetParam().change(*this);
    EXPECT_EQ(stored(GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, AdvancedControlTest,
    ::testing::Values(
        AdvancedControlCase{"SpeedLimit",
                            [](AdvancedSettingsTest &t) {
                                t.find<QComboBox>("speedLimitUnit")->setCurrentIndex(1);
                                t.find<QSpinBox>("speedLimitAmount")->setValue(3);
                            },
                            "speedLimit", QJsonValue("3M")},
        AdvancedControlCase{"NoSpeedLimit",
                            [](AdvancedSettingsTest &t) {
                                t.find<QSpinBox>("speedLimitAmount")->setValue(500);
                                t.find<QSpinBox>("speedLimitAmount")->setValue(0);
                            },
                            "speedLimit", QJsonValue("")},
        AdvancedControlCase{"Proxy", [](AdvancedSettingsTest &t) { t.type("proxyField", " socks5://127.0.0.1:1080 "); },
                            "proxy", QJsonValue("socks5://127.0.0.1:1080")},
        AdvancedControlCase{"BrowserCookies",
                            [](AdvancedSettingsTest &t) {
                                auto *browser = t.find<QComboBox>("browserCookiesPicker");
                                browser->setCurrentIndex(browser->findData("vivaldi"));
                                t.type("browserProfileField", "Profile 3");
                            },
                            "cookiesFromBrowser", QJsonValue("vivaldi:Profile 3")},
        AdvancedControlCase{"EmbedThumbnail",
                            [](AdvancedSettingsTest &t) { t.find<QCheckBox>("embedThumbnailCheck")->click(); },
                            "embedThumbnail", QJsonValue(true)},
        AdvancedControlCase{"SponsorBlockMark",
                            [](AdvancedSettingsTest &t) {
                                t.tick("sponsorBlockMarkPicker", "outro");
                                t.tick("sponsorBlockMarkPicker", "sponsor");
                            },
                            "sponsorBlockMark", QJsonValue("sponsor,outro")},
        AdvancedControlCase{"SponsorBlockRemove",
                            [](AdvancedSettingsTest &t) { t.tick("sponsorBlockRemovePicker", "selfpromo"); },
                            "sponsorBlockRemove", QJsonValue("selfpromo")},
        AdvancedControlCase{"Template",
                            [](AdvancedSettingsTest &t) { t.type("outputTemplateField", "%(id)s.%(ext)s"); },
                            "outputTemplate", QJsonValue("%(id)s.%(ext)s")},
        AdvancedControlCase{"SplitChapters",
                            [](AdvancedSettingsTest &t) { t.find<QCheckBox>("splitChaptersCheck")->click(); },
                            "splitChapters", QJsonValue(true)},
        AdvancedControlCase{"ConcurrentFragments",
                            [](AdvancedSettingsTest &t) { t.find<QSpinBox>("concurrentFragmentsSpin")->setValue(5); },
                            "concurrentFragments", QJsonValue(5)},
        AdvancedControlCase{"ExtraArguments",
                            [](AdvancedSettingsTest &t) {
                                t.type("extraArgumentsField", "--user-agent \"UA x\" --no-mtime");
                            },
                            "extraArguments", QJsonValue(QJsonArray{"--user-agent", "UA x", "--no-mtime"})}),
    [](const auto &info) { return std::string(info.param.name); });

// A refused value shows its sentence under the field and stores nothing;
// the accepted value before it stays stored until a new one passes.
TEST_F(AdvancedSettingsTest, RefusedValuesShowWhyAndAreNotStored)
{
    struct Case
    {
        const char *field;
        const char *refusal;
        const char *key;
        QString good;
        QString bad;
        QJsonValue kept;
    };
    const QList<Case> cases{
        {"proxyField", "proxyRefusal", "proxy", "http://p.example:3128", "ftp://p.example", "http://p.example:3128"},
        {"outputTemplateField", "outputTemplateRefusal", "outputTemplate", "%(title)s.%(ext)s", "../%(title)s.%(ext)s",
         "%(title)s.%(ext)s"},
        {"extraArgumentsField", "extraArgumentsRefusal", "extraArguments", "--no-mtime", "--exec 'rm -rf ~'",
         QJsonArray{"--no-mtime"}},
    };
    open();
    for (const Case &c : cases) {
        type(c.field, c.good);
        EXPECT_EQ(stored(c.key), c.kept) << c.field;
        EXPECT_FALSE(find<QLabel>(c.refusal)->isVisible()) << c.field;
        type(c.field, c.bad);
        EXPECT_TRUE(find<QLabel>(c.refusal)->isVisible()) << c.field;
        EXPECT_FALSE(find<QLabel>(c.refusal)->text().isEmpty()) << c.field;
        EXPECT_EQ(stored(c.key), c.kept) << c.field;
    }
    EXPECT_EQ(find<QLabel>("extraArgumentsRefusal")->text(),
              "--exec runs other programs or code, which Tarvelle does not pass on.");
    type("browserProfileField", "x");
    auto *browser = find<QComboBox>("browserCookiesPicker");
    browser->setCurrentIndex(browser->findData("firefox"));
    type("browserProfileField", "a::b");
    EXPECT_TRUE(find<QLabel>("browserProfileRefusal")->isVisible());
    // Typed a key at a time: "a:" was the last profile that passed.
    EXPECT_EQ(stored("cookiesFromBrowser").toString().toStdString(), "firefox:a:");
}

// A cookies file and browser cookies, never both: each waits while the
// other is stored.
TEST_F(AdvancedSettingsTest, CookiesFileAndBrowserCookiesExcludeEachOther)
{
    app.settings->setCookieFilePath(QStringLiteral("/home/u/cookies.txt"));
    open();
    auto *browser = find<QComboBox>("browserCookiesPicker");
    EXPECT_FALSE(browser->isEnabled());
    EXPECT_TRUE(find<QLabel>("browserCookiesNote")->isVisible());

    find<QPushButton>("clearCookieFileButton")->click();
    EXPECT_TRUE(browser->isEnabled());
    EXPECT_FALSE(find<QLabel>("browserCookiesNote")->isVisible());
    browser->setCurrentIndex(browser->findData("chrome"));
    EXPECT_EQ(stored("cookiesFromBrowser"), QJsonValue("chrome"));
    EXPECT_FALSE(find<QLineEdit>("settingsCookieFilePath")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("chooseCookieFileButton")->isEnabled());

    browser->setCurrentIndex(0);
    EXPECT_EQ(stored("cookiesFromBrowser"), QJsonValue(""));
    EXPECT_TRUE(find<QLineEdit>("settingsCookieFilePath")->isEnabled());
}

// The example under the template follows it.
TEST_F(AdvancedSettingsTest, TheExampleNameFollowsTheTemplate)
{
    open();
    auto *example = find<QLabel>("outputTemplatePreview");
    EXPECT_EQ(example->text(), "Sample video title [a1B2c3D4e5F].mp4");
    type("outputTemplateField", "%(uploader)s/%(id)s.%(ext)s");
    EXPECT_EQ(example->text(), "Sample channel/a1B2c3D4e5F.mp4");
    type("outputTemplateField", "%(id)s");
    EXPECT_TRUE(example->text().isEmpty());
    type("outputTemplateField", QString());
    EXPECT_EQ(example->text(), "Sample video title [a1B2c3D4e5F].mp4");
    EXPECT_EQ(stored("outputTemplate"), QJsonValue(""));
}

// Stored values show when the screen opens; Restore Defaults clears them.
TEST_F(AdvancedSettingsTest, ShowsStoredValuesAndRestoresDefaults)
{
    AdvancedOptions options;
    options.proxy = QStringLiteral("http://p.example:3128");
    options.speedLimit = SpeedLimit{64, SpeedLimit::Unit::kibibytes};
    options.sponsorBlockRemove = {QStringLiteral("sponsor")};
    options.extraArguments = {QStringLiteral("--user-agent"), QStringLiteral("UA x")};
    app.settings->setAdvancedDefaults(options);
    open();
    EXPECT_EQ(find<QLineEdit>("proxyField")->text(), "http://p.example:3128");
    EXPECT_EQ(find<QSpinBox>("speedLimitAmount")->value(), 64);
    EXPECT_EQ(find<CategoryPicker>("sponsorBlockRemovePicker")->selection(), QStringList{"sponsor"});
    EXPECT_EQ(find<QLineEdit>("extraArgumentsField")->text(), "--user-agent 'UA x'");

    find<QPushButton>("restoreDefaultsButton")->click();
    EXPECT_EQ(app.settings->advancedDefaults(), AdvancedOptions{});
    EXPECT_TRUE(find<QLineEdit>("proxyField")->text().isEmpty());
    EXPECT_EQ(find<QSpinBox>("speedLimitAmount")->value(), 0);
    EXPECT_TRUE(find<CategoryPicker>("sponsorBlockRemovePicker")->selection().isEmpty());
    EXPECT_TRUE(find<QLineEdit>("extraArgumentsField")->text().isEmpty());
}
