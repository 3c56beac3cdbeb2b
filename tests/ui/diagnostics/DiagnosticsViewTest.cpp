#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "support/TestSupport.h"
#include "ui/diagnostics/AboutView.h"
#include "ui/diagnostics/DiagnosticsView.h"
#include "updates/ToolUpdater.h"
#include "ui/widgets/Colors.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>

#include <gtest/gtest.h>

using TestSupport::waitUntil;
using TestSupport::writeScript;

namespace {

// The home folder of another account, for one test.
class ScopedHome
{
public:
    explicit ScopedHome(const QString &path) : m_previous(qgetenv("HOME")) { qputenv("HOME", path.toUtf8()); }
    ~ScopedHome() { qputenv("HOME", m_previous); }

private:
    QByteArray m_previous;
};

// What the system calls its machine, asked the way a person would.
QString machineName()
{
    QProcess uname;
    uname.start(QStringLiteral("uname"), {QStringLiteral("-m")});
    uname.waitForFinished();
    return QString::fromUtf8(uname.readAllStandardOutput()).trimmed();
}

// A resources directory with three of the four tools (yt-dlp is missing),
// no manifest, and a LEGAL.md but no licenses folder.
class DiagnosticsViewTest : public ::testing::Test
{
protected:
    DiagnosticsViewTest() : scope(resources.path())
    {
        QDir(resources.path()).mkpath(QStringLiteral("Tools"));
        writeScript(resources, QStringLiteral("Tools/ffmpeg"), "echo ffmpeg version 9");
        writeScript(resources, QStringLiteral("Tools/ffprobe"), "echo ffprobe version 9");
        writeScript(resources, QStringLiteral("Tools/deno"), "echo deno 3.0.0");
        QFile legal(QDir(resources.path()).filePath(QStringLiteral("LEGAL.md")));
        legal.open(QIODevice::WriteOnly);
        legal.write("# Legal\n");
    }

    void open(bool show = true)
    {
        view = std::make_unique<DiagnosticsView>(settings, updater);
        view->setDocumentOpener([this](const QString &path, OpenDone done) {
            opened << path;
            done(desktopAnswer);
        });
        view->resize(900, 700);
        if (show)
            view->show();
    }

    bool waitForReport() const
    {
        return waitUntil([this] { return view->state() == DiagnosticsView::State::report; });
    }

    template <typename T = QWidget>
    T *find(const QString &name) const
    {
        return view->findChild<T *>(name);
    }

    QString labelText(const QString &name) const
    {
        const auto *label = find<QLabel>(name);
        return label ? label->text() : QStringLiteral("<none>");
    }

    QTemporaryDir resources;
    AppConfiguration::ScopedResourcesDirectory scope;
    QTemporaryDir settingsFolder;
    AppSettings settings{settingsFolder.filePath(QStringLiteral("settings.json"))};
    ToolUpdater updater;
    std::unique_ptr<DiagnosticsView> view;
    QStringList opened;
    OpenOutcome desktopAnswer = OpenOutcome::opened;
};

TEST_F(DiagnosticsViewTest, ShowingRunsAtOnceAndCopyWaitsForTheReport)
{
    open();
    EXPECT_EQ(view->state(), DiagnosticsView::State::running);
    auto *body = view->findChild<QStackedWidget *>();
    EXPECT_EQ(body->currentWidget(), find("diagnosticsRunning"));
    EXPECT_EQ(labelText("diagnosticsRunningLabel"), QStringLiteral("Running diagnostics…"));
    EXPECT_FALSE(find<QPushButton>("diagnosticsRefreshButton")->isEnabled());
    EXPECT_FALSE(find<QPushButton>("diagnosticsCopyButton")->isEnabled());

    ASSERT_TRUE(waitForReport());
    EXPECT_EQ(body->currentWidget(), find("diagnosticsReport"));
    EXPECT_TRUE(find<QPushButton>("diagnosticsRefreshButton")->isEnabled());
    EXPECT_TRUE(find<QPushButton>("diagnosticsCopyButton")->isEnabled());

    find<QPushButton>("diagnosticsRefreshButton")->click();
    EXPECT_EQ(view->state(), DiagnosticsView::State::running);
    EXPECT_FALSE(find<QPushButton>("diagnosticsRefreshButton")->isEnabled());
    EXPECT_TRUE(waitForReport());
}

TEST_F(DiagnosticsViewTest, NotShownMeansNoRunAndTheEmptyPanel)
{
    open(false);
    EXPECT_EQ(view->state(), DiagnosticsView::State::empty);
    EXPECT_EQ(view->findChild<QStackedWidget *>()->currentWidget(), find("diagnosticsEmptyState"));
    EXPECT_EQ(labelText("emptyStateTitle"), QStringLiteral("No diagnostics yet"));
}

TEST_F(DiagnosticsViewTest, AMissingToolShowsRedStateHintAndItsRow)
{
    const ScopedHome home(resources.path());
    open();
    ASSERT_TRUE(waitForReport());
    EXPECT_EQ(labelText("diagnosticsToolsStateText"), QStringLiteral("Tools missing"));
    EXPECT_EQ(find<QLabel>("diagnosticsToolsStateText")->palette().color(QPalette::WindowText),
              Colors::semantic(SemanticColor::red, view->palette()));
    ASSERT_NE(find("diagnosticsBootstrapHint"), nullptr);
    EXPECT_TRUE(find("diagnosticsBootstrapHint")->isVisible());
    EXPECT_EQ(labelText("diagnosticsManifest"), QStringLiteral("Missing"));
    EXPECT_TRUE(labelText("diagnostics.architectureText").startsWith(QStringLiteral("Architecture: ")));
    EXPECT_EQ(labelText("diagnosticsApplicationId"), AppConfiguration::appId());
    EXPECT_EQ(labelText("diagnosticsVersion"),
              AppConfiguration::version() + " (Build " + AppConfiguration::buildNumber() + ")");
    EXPECT_FALSE(labelText("diagnosticsSystem").isEmpty());

    auto *list = find("diagnosticsToolList");
    ASSERT_NE(list, nullptr);
    auto *missing = list->findChild<QWidget *>(QStringLiteral("diagnosticsYTDLP"));
    ASSERT_NE(missing, nullptr);
    EXPECT_EQ(missing->findChild<QLabel *>(QStringLiteral("toolPath"))->text(), QStringLiteral("-"));
    EXPECT_EQ(missing->findChild<QLabel *>(QStringLiteral("toolManifestCheck"))->text(), QStringLiteral("n/a"));
    EXPECT_EQ(missing->findChild<QLabel *>(QStringLiteral("toolStatus"))->text(), QStringLiteral("Missing"));
    EXPECT_EQ(missing->findChild<QLabel *>(QStringLiteral("toolVersion")), nullptr);
    EXPECT_EQ(missing->accessibleName(), QStringLiteral("yt-dlp: yt-dlp Missing"));

    auto *present = list->findChild<QWidget *>(QStringLiteral("diagnosticsFFmpeg"));
    ASSERT_NE(present, nullptr);
    EXPECT_EQ(present->findChild<QLabel *>(QStringLiteral("toolStatus"))->text(), QStringLiteral("Available"));
    EXPECT_EQ(present->findChild<QLabel *>(QStringLiteral("toolVersion"))->text(), QStringLiteral("Version ffmpeg version 9"));
    // The row keeps the last two folders; the tooltip hides the home folder.
    EXPECT_EQ(present->findChild<QLabel *>(QStringLiteral("toolPath"))->text(), QString::fromUtf8("…/Tools/ffmpeg"));
    EXPECT_EQ(present->findChild<QLabel *>(QStringLiteral("toolPath"))->toolTip(),
              QStringLiteral("/home/<user>/Tools/ffmpeg"));
}

TEST_F(DiagnosticsViewTest, AllToolsPresentHidesTheHint)
{
    writeScript(resources, QStringLiteral("Tools/yt-dlp"), "echo 2099.01.01");
    open();
    ASSERT_TRUE(waitForReport());
    EXPECT_EQ(labelText("diagnosticsToolsStateText"), QStringLiteral("All tools present"));
    EXPECT_EQ(find("diagnosticsBootstrapHint"), nullptr);
}

// Below the tools: whether yt-dlp can answer JavaScript challenges with the
// deno that ships, or why not.
TEST_F(DiagnosticsViewTest, SaysWhetherJavaScriptChallengesAreReady)
{
    TestSupport::ScopedEnvironment config("XDG_CONFIG_HOME", settingsFolder.filePath(QStringLiteral("config")));
    const QList<std::pair<QByteArray, QString>> cases{
        {"echo 2026.10.26", "JavaScript challenges: ready (deno 3.0.0, solver fetched when needed)"},
        {"echo 2023.03.04", "JavaScript challenges: not ready (yt-dlp is too old; update it)"},
    };
    for (const auto &[script, line] : cases) {
        writeScript(resources, QStringLiteral("Tools/yt-dlp"), script);
        open();
        ASSERT_TRUE(waitForReport());
        EXPECT_EQ(labelText("diagnosticsJsChallenges"), line);
    }
}

TEST_F(DiagnosticsViewTest, CopyPutsTheReportTextOnTheClipboard)
{
    const ScopedHome home(resources.path());
    QGuiApplication::clipboard()->setText(QStringLiteral("before"));
    open(false);
    view->copy();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
    view->show();
    ASSERT_TRUE(waitForReport());
    find<QPushButton>("diagnosticsCopyButton")->click();
    // The versions are what the fixture's tools print.
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("Tarvelle Diagnostics\n"
                             "Architecture: %1\n"
                             "Manifest present: false\n"
                             "- yt-dlp: exists=false version=- path=- shaMatch=n/a\n"
                             "- ffmpeg: exists=true version=ffmpeg version 9 path=/home/<user>/Tools/ffmpeg shaMatch=n/a\n"
                             "- ffprobe: exists=true version=ffprobe version 9 path=/home/<user>/Tools/ffprobe shaMatch=n/a\n"
                             "- deno: exists=true version=deno 3.0.0 path=/home/<user>/Tools/deno shaMatch=n/a\n"
                             "JavaScript challenges: not ready (yt-dlp is missing)\n")
                  .arg(machineName()));
}

TEST_F(DiagnosticsViewTest, AboutWithoutAReportAsksToRunDiagnostics)
{
    open(false);
    find<QPushButton>("diagnosticsAboutButton")->click();
    AboutView *about = view->about();
    ASSERT_NE(about, nullptr);
    const auto *none = about->findChild<QLabel *>(QStringLiteral("aboutNoReport"));
    ASSERT_NE(none, nullptr);
    EXPECT_EQ(none->text(), QStringLiteral("Run diagnostics to display tool versions."));
    EXPECT_TRUE(about->findChildren<QLabel *>(QStringLiteral("aboutToolVersion")).isEmpty());
    EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("aboutVersion"))->text(),
              "Version " + AppConfiguration::version() + " (Build " + AppConfiguration::buildNumber() + ")");
    about->close();
}

TEST_F(DiagnosticsViewTest, AboutListsToolVersionsOnceAReportExists)
{
    open();
    ASSERT_TRUE(waitForReport());
    find<QPushButton>("diagnosticsAboutButton")->click();
    QStringList versions;
    for (const QLabel *label : view->about()->findChildren<QLabel *>(QStringLiteral("aboutToolVersion")))
        versions << label->accessibleName() + "=" + label->text();
    EXPECT_EQ(versions, (QStringList{"yt-dlp=-", "ffmpeg=ffmpeg version 9", "ffprobe=ffprobe version 9", "deno=deno 3.0.0"}));
    EXPECT_EQ(view->about()->findChild<QLabel *>(QStringLiteral("aboutNoReport")), nullptr);
    view->about()->close();
}

// Each About button opens its shipped document, or does nothing when the
// resources lack it (this fixture has LEGAL.md only).
struct DocumentCase
{
    const char *name;
    const char *button;
    const char *opens; // nullptr: nothing is opened
};

class AboutDocumentTest : public DiagnosticsViewTest, public ::testing::WithParamInterface<DocumentCase>
{
};

TEST_P(AboutDocumentTest, OpensTheShippedDocumentWhenItExists)
{
    open(false);
    find<QPushButton>("diagnosticsAboutButton")->click();
    view->about()->findChild<QPushButton *>(QString::fromUtf8(GetParam().button))->click();
    const QStringList expected = GetParam().opens ? QStringList{QDir(resources.path()).filePath(GetParam().opens)} : QStringList{};
    EXPECT_EQ(opened, expected);
    view->about()->close();
}

TEST_F(DiagnosticsViewTest, ADocumentTheDesktopCannotOpenIsNamedInAMessage)
{
    desktopAnswer = OpenOutcome::noHandler;
    open(false);
    find<QPushButton>("diagnosticsAboutButton")->click();
    EXPECT_EQ(view->about()->findChild<QMessageBox *>(QStringLiteral("openFailureMessage")), nullptr);
    view->about()->findChild<QPushButton *>(QStringLiteral("aboutLegalButton"))->click();
    auto *message = view->about()->findChild<QMessageBox *>(QStringLiteral("openFailureMessage"));
    ASSERT_NE(message, nullptr);
    EXPECT_TRUE(message->isVisible());
    EXPECT_TRUE(message->text().contains(QDir(resources.path()).filePath(QStringLiteral("LEGAL.md"))))
        << message->text().toStdString();
    EXPECT_EQ(message->textFormat(), Qt::PlainText);
    message->close();
    view->about()->close();
}

INSTANTIATE_TEST_SUITE_P(Documents, AboutDocumentTest,
                         ::testing::Values(DocumentCase{"Legal", "aboutLegalButton", "LEGAL.md"},
                                           DocumentCase{"NoticesMissing", "aboutNoticesButton", nullptr},
                                           DocumentCase{"LicensesMissing", "aboutLicensesButton", nullptr}),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
