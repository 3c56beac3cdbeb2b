#include "settings/SettingsStore.h"
#include "ui/UiTestApp.h"
#include "ui/settings/SettingsView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonValue>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>

namespace {

using TestSupport::waitUntil;

class SettingsViewTest : public ::testing::Test
{
public:
    void open()
    {
        view = std::make_unique<SettingsView>(*app.state);
        view->setChoosers({[this](QWidget *, const QString &) { ++chooserCalls; return chosen; },
                           [this](QWidget *, const QString &) { ++chooserCalls; return chosen; }});
        view->setLanguageApplier([this](const QString &language) { applied << language; });
        view->setRestoreConfirmation([this](QWidget *) {
            ++restoreQuestions;
            return confirmRestore;
        });
        view->resize(800, 900);
        view->show();
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *found = view->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    QJsonValue stored(const QString &key) const { return SettingsStore(app.settingsPath()).value(key); }

    void pick(const char *box, const char *raw)
    {
        auto *combo = find<QComboBox>(box);
        const int index = combo->findData(QString::fromUtf8(raw));
        ASSERT_GE(index, 0) << raw;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }

    void type(const char *field, const char *text)
    {
        auto *edit = find<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromUtf8(text));
    }

    UiTestApp app;
    std::unique_ptr<SettingsView> view;
    std::optional<QString> chosen;
    int chooserCalls = 0;
    QStringList applied;
    int restoreQuestions = 0;
    bool confirmRestore = true;
};

// Every control stores its value under its key the moment it changes.
struct ControlCase
{
    const char *name;
    std::function<void(SettingsViewTest &)> change;
    QString key;
    QJsonValue expected;
};

class SettingsControlTest : public SettingsViewTest, public ::testing::WithParamInterface<ControlCase>
{
};

TEST_P(SettingsControlTest, StoresItsKey)
{
    open();
    GetParam().change(*this);
    EXPECT_EQ(stored(GetParam().key), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Controls, SettingsControlTest,
    ::testing::Values(
        ControlCase{"Language", [](SettingsViewTest &t) { t.pick("settingsLanguagePicker", "traditionalChinese"); },
                    AppSettings::kSelectedAppLanguageKey, QJsonValue("traditionalChinese")},
        ControlCase{"CookieFileTyped", [](SettingsViewTest &t) { t.type("settingsCookieFilePath", "/c.txt"); },
                    AppSettings::kCookieFilePathKey, QJsonValue("/c.txt")},
        ControlCase{"CookieFileChosen",
                    [](SettingsViewTest &t) {
                        t.chosen = QStringLiteral("/home/u/cookies.txt");
                        t.find<QPushButton>("chooseCookieFileButton")->click();
                    },
                    AppSettings::kCookieFilePathKey, QJsonValue("/home/u/cookies.txt")},
        ControlCase{"MediaType", [](SettingsViewTest &t) { t.pick("settingsMediaTypePicker", "audio"); },
                    AppSettings::kDefaultMediaTypeKey, QJsonValue("audio")},
        ControlCase{"VideoQuality", [](SettingsViewTest &t) { t.pick("settingsVideoQualityPicker", "p720"); },
                    AppSettings::kDefaultVideoQualityKey, QJsonValue("p720")},
        ControlCase{"AudioFormat", [](SettingsViewTest &t) { t.pick("settingsAudioFormatPicker", "m4a"); },
                    AppSettings::kDefaultAudioFormatKey, QJsonValue("m4a")},
        ControlCase{"SubtitleMode", [](SettingsViewTest &t) { t.pick("settingsSubtitleModePicker", "auto"); },
                    AppSettings::kDefaultSubtitleModeKey, QJsonValue("auto")},
        ControlCase{"SubtitleLanguage", [](SettingsViewTest &t) { t.type("settingsSubtitleLanguage", "de"); },
                    AppSettings::kDefaultSubtitleLangKey, QJsonValue("de")},
        ControlCase{"Concurrency", [](SettingsViewTest &t) { t.find<QToolButton>("increaseConcurrentDownloadsButton")->click(); },
                    AppSettings::kMaxConcurrentDownloadsKey, QJsonValue(3)},
        ControlCase{"NotifyOff", [](SettingsViewTest &t) { t.find<QCheckBox>("settingsNotifyOnCompletion")->click(); },
                    AppSettings::kDownloadCompleteNotificationKey, QJsonValue(false)},
        ControlCase{"KeepFailedOff", [](SettingsViewTest &t) { t.find<QCheckBox>("settingsKeepFailedTasks")->click(); },
                    AppSettings::kKeepFailedTasksKey, QJsonValue(false)},
        ControlCase{"VerboseLogsOn", [](SettingsViewTest &t) { t.find<QCheckBox>("settingsShowVerboseLogs")->click(); },
                    AppSettings::kShowVerboseLogsKey, QJsonValue(true)},
        ControlCase{"ToolUpdateChecksOff",
                    [](SettingsViewTest &t) { t.find<QCheckBox>("settingsCheckForToolUpdates")->click(); },
                    AppSettings::kCheckForToolUpdatesKey, QJsonValue(!AppSettings::kCheckForToolUpdatesByDefault)},
        ControlCase{"ChallengeSolverOff",
                    [](SettingsViewTest &t) { t.find<QCheckBox>("settingsFetchChallengeSolver")->click(); },
                    AppSettings::kFetchChallengeSolverKey, QJsonValue(!AppSettings::kFetchChallengeSolverByDefault)},
        ControlCase{"ToolUpdateChannel", [](SettingsViewTest &t) { t.pick("settingsToolUpdateChannel", "nightly"); },
                    AppSettings::kToolUpdateChannelKey, QJsonValue("nightly")},
        ControlCase{"WatchClipboardOn", [](SettingsViewTest &t) { t.find<QCheckBox>("settingsWatchClipboard")->click(); },
                    AppSettings::kWatchClipboardKey, QJsonValue(true)}),
    [](const auto &info) { return std::string(info.param.name); });

// The output folder, typed or chosen, in a scratch folder that holds the
// file "file" and the folder "there".
struct OutputFolderCase
{
    const char *name;
    bool chooseIt; // else typed
    QString folder; // relative to the scratch folder unless it starts with '/' or is not a path at all
    bool relative;  // `folder` is used as it is
    bool stored;
    const char *reason; // a piece of the reason shown; nullptr: none shown
};

void PrintTo(const OutputFolderCase &c, std::ostream *out)
{
    *out << c.name;
}

class SettingsOutputFolderTest : public SettingsViewTest, public ::testing::WithParamInterface<OutputFolderCase>
{
};

TEST_P(SettingsOutputFolderTest, IsStoredOnlyWhenDownloadsCanGoThere)
{
    const OutputFolderCase &c = GetParam();
    QTemporaryDir scratch;
    QFile(scratch.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
    QDir(scratch.path()).mkpath(QStringLiteral("there"));
    const QString before = app.outputDir();
    const QString folder = c.relative ? c.folder : scratch.filePath(c.folder);
    open();
    auto *problem = find<QLabel>("outputDirectoryProblem");
    ASSERT_TRUE(waitUntil([&] { return view->outputFolderChecked(); }));
    EXPECT_FALSE(problem->isVisible());

    if (c.chooseIt) {
        chosen = folder;
        find<QPushButton>("chooseOutputDirectoryButton")->click();
    } else {
        type("settingsOutputDirectory", folder.toUtf8().constData());
    }
    ASSERT_TRUE(waitUntil([&] { return view->outputFolderChecked(); }));

    EXPECT_EQ(find<QLineEdit>("settingsOutputDirectory")->text(), folder);
    EXPECT_EQ(stored(AppSettings::kDefaultOutputDirectoryKey).toString(), c.stored ? folder : before);
    EXPECT_EQ(problem->isVisible(), c.reason != nullptr);
    if (c.reason) {
        EXPECT_TRUE(problem->text().contains(QString::fromUtf8(c.reason))) << problem->text().toStdString();
        EXPECT_EQ(problem->textFormat(), Qt::PlainText);
    }
    EXPECT_FALSE(QFileInfo::exists(scratch.filePath(QStringLiteral("there/new")))) << "checking creates nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Folders, SettingsOutputFolderTest,
    ::testing::Values(OutputFolderCase{"typedFolder", false, "there", false, true, nullptr},
                      OutputFolderCase{"typedNewFolder", false, "there/new", false, true, nullptr},
                      OutputFolderCase{"typedFile", false, "file", false, false, "is a file"},
                      OutputFolderCase{"typedBelowAFile", false, "file/new", false, false, "is a file"},
                      OutputFolderCase{"typedRelative", false, "Videos/new", true, false, "full path"},
                      OutputFolderCase{"chosenFolder", true, "there", false, true, nullptr},
                      OutputFolderCase{"chosenFile", true, "file", false, false, "is a file"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsViewTest, TheOutputFolderShowsItsProblemUntilAUsableOneIsTyped)
{
    QTemporaryDir scratch;
    open();
    type("settingsOutputDirectory", "relative");
    ASSERT_TRUE(waitUntil([&] { return view->outputFolderChecked(); }));
    EXPECT_TRUE(find<QLabel>("outputDirectoryProblem")->isVisible());
    EXPECT_EQ(stored(AppSettings::kDefaultOutputDirectoryKey).toString(), app.outputDir());

    type("settingsOutputDirectory", scratch.filePath(QStringLiteral("fresh")).toUtf8().constData());
    ASSERT_TRUE(waitUntil([&] { return view->outputFolderChecked(); }));
    EXPECT_FALSE(find<QLabel>("outputDirectoryProblem")->isVisible());
    EXPECT_EQ(stored(AppSettings::kDefaultOutputDirectoryKey).toString(), scratch.filePath(QStringLiteral("fresh")));
}

TEST_F(SettingsViewTest, AFolderTypedJustBeforeTheScreenGoesIsStillStored)
{
    QTemporaryDir scratch;
    open();
    type("settingsOutputDirectory", scratch.filePath(QStringLiteral("typed")).toUtf8().constData());
    view.reset(); // the section is left while typing has barely paused
    EXPECT_TRUE(waitUntil([&] {
        return stored(AppSettings::kDefaultOutputDirectoryKey).toString() == scratch.filePath(QStringLiteral("typed"));
    }));
}

TEST_F(SettingsViewTest, AStoredFolderThatCannotBeUsedIsShownWithItsProblem)
{
    QTemporaryDir scratch;
    QFile(scratch.filePath(QStringLiteral("file"))).open(QIODevice::WriteOnly);
    app.settings->setDefaultOutputDirectory(scratch.filePath(QStringLiteral("file/sub")));
    open();
    ASSERT_TRUE(waitUntil([&] { return view->outputFolderChecked(); }));
    EXPECT_TRUE(find<QLabel>("outputDirectoryProblem")->isVisible());
    EXPECT_EQ(stored(AppSettings::kDefaultOutputDirectoryKey).toString(), scratch.filePath(QStringLiteral("file/sub")));
}

struct ConcurrencyCase
{
    const char *name;
    int start;
    int increases;
    int decreases;
    int expected;
    bool decreaseEnabled;
    bool increaseEnabled;
};

class SettingsConcurrencyTest : public SettingsViewTest, public ::testing::WithParamInterface<ConcurrencyCase>
{
};

TEST_P(SettingsConcurrencyTest, StaysWithinOneToFour)
{
    app.settings->setMaxConcurrentDownloads(GetParam().start);
    open();
    auto *decrease = find<QToolButton>("decreaseConcurrentDownloadsButton");
    auto *increase = find<QToolButton>("increaseConcurrentDownloadsButton");
    for (int i = 0; i < GetParam().increases; ++i)
        increase->click();
    for (int i = 0; i < GetParam().decreases; ++i)
        decrease->click();
    EXPECT_EQ(app.settings->maxConcurrentDownloads(), GetParam().expected);
    EXPECT_EQ(find<QLabel>("maxConcurrentDownloadsValue")->text(), QString::number(GetParam().expected));
    EXPECT_EQ(decrease->isEnabled(), GetParam().decreaseEnabled);
    EXPECT_EQ(increase->isEnabled(), GetParam().increaseEnabled);
    EXPECT_EQ(decrease->accessibleName(), QStringLiteral("Decrease simultaneous downloads"));
    EXPECT_EQ(increase->accessibleName(), QStringLiteral("Increase simultaneous downloads"));
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsConcurrencyTest,
                         ::testing::Values(ConcurrencyCase{"AtOne", 1, 0, 0, 1, false, true},
                                           ConcurrencyCase{"AtFour", 4, 0, 0, 4, true, false},
                                           ConcurrencyCase{"ThreePlusesFromTwo", 2, 3, 0, 4, true, false},
                                           ConcurrencyCase{"DownToOne", 3, 0, 2, 1, false, true},
                                           ConcurrencyCase{"Middle", 2, 1, 0, 3, true, true}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsViewTest, ClearShowsOnlyWhileACookiesFileIsStored)
{
    open();
    auto *clear = find<QPushButton>("clearCookieFileButton");
    EXPECT_FALSE(clear->isVisible());
    type("settingsCookieFilePath", "/tmp/c.txt");
    EXPECT_TRUE(clear->isVisible());
    clear->click();
    EXPECT_FALSE(clear->isVisible());
    EXPECT_TRUE(find<QLineEdit>("settingsCookieFilePath")->text().isEmpty());
    EXPECT_EQ(stored(AppSettings::kCookieFilePathKey), QJsonValue(""));
}

struct ChooserCase
{
    const char *name;
    const char *button;
    const char *field;
    QString key;
};

class SettingsChooserTest : public SettingsViewTest, public ::testing::WithParamInterface<ChooserCase>
{
};

TEST_P(SettingsChooserTest, CancellingChangesNothing)
{
    app.settings->setCookieFilePath(QStringLiteral("/old/cookies.txt"));
    app.settings->setDefaultOutputDirectory(QStringLiteral("/old/folder"));
    open();
    const QString before = find<QLineEdit>(GetParam().field)->text();
    const QJsonValue storedBefore = stored(GetParam().key);
    chosen.reset();
    find<QPushButton>(GetParam().button)->click();
    EXPECT_EQ(chooserCalls, 1);
    EXPECT_EQ(find<QLineEdit>(GetParam().field)->text(), before);
    EXPECT_EQ(stored(GetParam().key), storedBefore);
}

INSTANTIATE_TEST_SUITE_P(
    Choosers, SettingsChooserTest,
    ::testing::Values(ChooserCase{"Folder", "chooseOutputDirectoryButton", "settingsOutputDirectory",
                                  AppSettings::kDefaultOutputDirectoryKey},
                      ChooserCase{"CookiesFile", "chooseCookieFileButton", "settingsCookieFilePath",
                                  AppSettings::kCookieFilePathKey}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsViewTest, RestoreDefaultsForgetsEverySettingAndShowsTheDefaults)
{
    app.settings->setFetchChallengeSolver(!AppSettings::kFetchChallengeSolverByDefault);
    app.settings->setDefaultMediaTypeRaw(QStringLiteral("audio"));
    app.settings->setCookieFilePath(QStringLiteral("/c.txt"));
    app.settings->setShowVerboseLogs(true);
    app.settings->setMaxConcurrentDownloads(4);
    app.settings->setSelectedAppLanguage(AppLanguage::english);
    app.settings->setCheckForToolUpdates(!AppSettings::kCheckForToolUpdatesByDefault);
    app.settings->setToolUpdateChannel(ReleaseChannel::nightly);
    app.state->setLegalAccepted(true);
    open();
    find<QPushButton>("restoreDefaultsButton")->click();
    EXPECT_EQ(restoreQuestions, 1);

    for (const QString &key : {AppSettings::kDefaultOutputDirectoryKey, AppSettings::kDefaultMediaTypeKey,
                               AppSettings::kCookieFilePathKey, AppSettings::kShowVerboseLogsKey,
                               AppSettings::kMaxConcurrentDownloadsKey, AppSettings::kSelectedAppLanguageKey,
                               AppSettings::kCheckForToolUpdatesKey, AppSettings::kToolUpdateChannelKey,
                               AppSettings::kFetchChallengeSolverKey})
        EXPECT_FALSE(SettingsStore(app.settingsPath()).contains(key)) << key.toStdString();
    EXPECT_TRUE(stored(AppSettings::kLegalAcceptedKey).toBool());
    EXPECT_EQ(find<QComboBox>("settingsMediaTypePicker")->currentData().toString(), QStringLiteral("video"));
    EXPECT_EQ(find<QComboBox>("settingsLanguagePicker")->currentData().toString(), QStringLiteral("system"));
    EXPECT_EQ(find<QLineEdit>("settingsOutputDirectory")->text(), AppConfiguration::defaultOutputDir());
    EXPECT_TRUE(find<QLineEdit>("settingsCookieFilePath")->text().isEmpty());
    EXPECT_FALSE(find<QPushButton>("clearCookieFileButton")->isVisible());
    EXPECT_FALSE(find<QCheckBox>("settingsShowVerboseLogs")->isChecked());
    EXPECT_EQ(find<QCheckBox>("settingsCheckForToolUpdates")->isChecked(), AppSettings::kCheckForToolUpdatesByDefault);
    EXPECT_EQ(find<QCheckBox>("settingsFetchChallengeSolver")->isChecked(),
              AppSettings::kFetchChallengeSolverByDefault);
    EXPECT_EQ(find<QComboBox>("settingsToolUpdateChannel")->currentData().toString(), QStringLiteral("stable"));
    EXPECT_EQ(find<QLabel>("maxConcurrentDownloadsValue")->text(), QStringLiteral("2"));
    // The window follows the language that is now in force.
    EXPECT_EQ(applied, QStringList{"system"});
}

TEST_F(SettingsViewTest, RestoreDefaultsDeclinedChangesNothing)
{
    app.settings->setDefaultMediaTypeRaw(QStringLiteral("audio"));
    app.settings->setMaxConcurrentDownloads(4);
    open();
    confirmRestore = false;
    find<QPushButton>("restoreDefaultsButton")->click();
    EXPECT_EQ(restoreQuestions, 1);
    EXPECT_EQ(stored(AppSettings::kDefaultMediaTypeKey), QJsonValue("audio"));
    EXPECT_EQ(app.settings->maxConcurrentDownloads(), 4);
    EXPECT_EQ(find<QComboBox>("settingsMediaTypePicker")->currentData().toString(), QStringLiteral("audio"));
    EXPECT_TRUE(applied.isEmpty());
}

// The question itself: its texts, and each of its two answers.
struct RestoreAnswerCase
{
    const char *name;
    bool pressRestore;
    QJsonValue mediaTypeAfter;
};

class SettingsRestoreDialogTest : public SettingsViewTest, public ::testing::WithParamInterface<RestoreAnswerCase>
{
};

TEST_P(SettingsRestoreDialogTest, AsksWithItsTextsAndDoesWhatIsAnswered)
{
    app.settings->setDefaultMediaTypeRaw(QStringLiteral("audio"));
    open();
    view->setRestoreConfirmation(SettingsView::askToRestore);
    QString text;
    QTimer answer;
    answer.setInterval(10);
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto *box = view->findChild<QMessageBox *>(QStringLiteral("restoreDefaultsConfirm"));
        if (!box || !box->isVisible())
            return;
        answer.stop();
        text = box->text();
        if (GetParam().pressRestore)
            box->findChild<QPushButton *>(QStringLiteral("confirmRestoreDefaultsButton"))->click();
        else
            box->button(QMessageBox::Cancel)->click();
    });
    answer.start();
    find<QPushButton>("restoreDefaultsButton")->click();
    EXPECT_EQ(text, QStringLiteral("Restore every setting to its default value?"));
    EXPECT_EQ(stored(AppSettings::kDefaultMediaTypeKey), GetParam().mediaTypeAfter);
}

INSTANTIATE_TEST_SUITE_P(Answers, SettingsRestoreDialogTest,
                         ::testing::Values(RestoreAnswerCase{"RestoreDefaults", true, QJsonValue(QJsonValue::Undefined)},
                                           RestoreAnswerCase{"Cancel", false, QJsonValue("audio")}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(SettingsViewTest, UnknownStoredTextsSelectNoItemAndAnUnknownLanguageShowsSystemDefault)
{
    SettingsStore(app.settingsPath()).setValue(AppSettings::kDefaultVideoQualityKey, QStringLiteral("720"));
    SettingsStore(app.settingsPath()).setValue(AppSettings::kSelectedAppLanguageKey, QStringLiteral("System"));
    open();
    EXPECT_EQ(find<QComboBox>("settingsVideoQualityPicker")->currentIndex(), -1);
    EXPECT_EQ(find<QComboBox>("settingsLanguagePicker")->currentText(), QStringLiteral("System Default"));
}

TEST_F(SettingsViewTest, ChoosingALanguageSwitchesTheWindowToIt)
{
    open();
    pick("settingsLanguagePicker", "simplifiedChinese");
    EXPECT_EQ(applied, QStringList{"simplifiedChinese"});
    EXPECT_EQ(find<QComboBox>("settingsLanguagePicker")->currentText(), QStringLiteral("简体中文"));
}

} // namespace
