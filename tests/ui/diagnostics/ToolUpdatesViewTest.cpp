#include "settings/AppConfiguration.h"
#include "settings/AppSettings.h"
#include "support/LocalReleaseServer.h"
#include "support/TestSupport.h"
#include "support/UserToolsFixture.h"
#include "tools/FileDigest.h"
#include "tools/ToolResolver.h"
#include "ui/diagnostics/AboutView.h"
#include "ui/diagnostics/DiagnosticsView.h"
#include "ui/diagnostics/ToolUpdatePanel.h"
#include "ui/widgets/Colors.h"
#include "updates/ReleaseHost.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include <gtest/gtest.h>

using TestSupport::waitUntil;
using TestSupport::writeScript;

namespace {

// Shipped scripts (a yt-dlp of 2023), their manifest and a release key made
// for the test; an empty user tool folder; a release server with yt-dlp
// 2026.09.01 signed by that key.
class ToolUpdatesViewTest : public ::testing::Test
{
protected:
    ToolUpdatesViewTest()
    {
        QDir(resources.path()).mkpath(QStringLiteral("Tools"));
        QDir(resources.path()).mkpath(QStringLiteral("keys"));
        QByteArray entries;
        for (const QString &name : ActiveTools::kToolNames) {
            const QString path = writeScript(resources, "Tools/" + name,
                                             name == "yt-dlp" ? "echo 2023.03.04" : "echo " + name.toUtf8() + " 1.0");
            entries += (entries.isEmpty() ? "" : ",") + QByteArray(R"({"name": ")") + name.toUtf8()
                       + R"(", "sha256": ")" + FileDigest::sha256(path)->toUtf8() + "\"}";
        }
        write("manifest.json", R"({"schemaVersion": 1, "tools": [)" + entries + "]}");
        write("keys/yt-dlp-release-key.asc", key.publicKey());
        // Large enough for a slow download to be caught under way.
        const QByteArray zipapp = TestReleases::ytDlpZipapp("2026.09.01", "3.9", 256 * 1024);
        const QByteArray sums = TestReleases::digestLine(zipapp, "yt-dlp");
        server.put("yt-dlp/yt-dlp", "2026.09.01", "yt-dlp", zipapp);
        server.put("yt-dlp/yt-dlp", "2026.09.01", "SHA2-256SUMS", sums);
        server.put("yt-dlp/yt-dlp", "2026.09.01", "SHA2-256SUMS.sig", key.sign(sums));
        server.setLatest("yt-dlp/yt-dlp", "2026.09.01");
        qputenv(ReleaseHost::kBaseAddressVariable, server.baseUrl().toUtf8());
    }
    ~ToolUpdatesViewTest() override { qunsetenv(ReleaseHost::kBaseAddressVariable); }

    void write(const QString &relative, const QByteArray &contents)
    {
        QFile file(resources.filePath(relative));
        file.open(QIODevice::WriteOnly);
        file.write(contents);
    }

    void open()
    {
        view = std::make_unique<DiagnosticsView>(settings, updater);
        view->resize(900, 800);
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

    QWidget *ytDlpRow() const { return find("diagnosticsToolList")->findChild<QWidget *>("diagnosticsYTDLP"); }
    QString rowText(const QString &label) const
    {
        const auto *found = ytDlpRow()->findChild<QLabel *>(label);
        return found ? found->text() : QStringLiteral("<none>");
    }

    ReleaseSigningKey key;
    LocalReleaseServer server;
    QTemporaryDir resources;
    AppConfiguration::ScopedResourcesDirectory scope{resources.path()};
    UserToolsFixture user;
    QTemporaryDir settingsFolder;
    AppSettings settings{settingsFolder.filePath(QStringLiteral("settings.json"))};
    ToolUpdater updater;
    std::unique_ptr<DiagnosticsView> view;
};

} // namespace

TEST_F(ToolUpdatesViewTest, AnOutdatedYtDlpIsUpdatedFromItsRowWithProgressAndShownAsYourCopy)
{
    ASSERT_TRUE(key.isValid() && server.isReady());
    open();
    ASSERT_TRUE(waitForReport());
    EXPECT_EQ(rowText("toolSource"), "Shipped");
    EXPECT_TRUE(rowText("toolAge").endsWith(" days old: update recommended")) << rowText("toolAge").toStdString();
    EXPECT_EQ(ytDlpRow()->findChild<QLabel *>("toolAge")->palette().color(QPalette::WindowText),
              Colors::semantic(SemanticColor::orange, view->palette()));
    EXPECT_FALSE(find("toolUpdateProgress")->isVisible());

    ytDlpRow()->findChild<QPushButton *>("toolUpdateButton")->click();
    EXPECT_TRUE(view->updates()->isBusy());
    EXPECT_TRUE(find("toolUpdateProgress")->isVisible());
    EXPECT_TRUE(find("toolUpdateCancelButton")->isVisible());
    EXPECT_FALSE(find<QPushButton>("toolUpdateYtDlpButton")->isEnabled()) << "one update at a time";
    ASSERT_TRUE(waitUntil([&] { return !view->updates()->isBusy(); }, std::chrono::seconds(60)));
    EXPECT_EQ(find<QLabel>("toolUpdateMessage")->text(),
              "yt-dlp 2026.09.01 is verified and installed in your tool folder; new jobs use it.");
    EXPECT_FALSE(find("toolUpdateCancelButton")->isVisible());

    // The screen runs diagnostics again and shows the new copy.
    ASSERT_TRUE(waitUntil([&] { return view->state() == DiagnosticsView::State::report && rowText("toolSource") == "Your tool folder"; }));
    EXPECT_EQ(rowText("toolVersion"), "Version 2026.09.01");
    EXPECT_EQ(rowText("toolManifestCheck"), "Verified");

    find<QPushButton>("toolRollbackButton")->click();
    ASSERT_TRUE(waitUntil([&] { return !view->updates()->isBusy(); }));
    EXPECT_EQ(find<QLabel>("toolUpdateMessage")->text(), "yt-dlp is back to the shipped tool.");
    EXPECT_TRUE(waitUntil([&] { return view->state() == DiagnosticsView::State::report && rowText("toolSource") == "Shipped"; }));
}

TEST_F(ToolUpdatesViewTest, AnUpdateCanBeCancelledWhileItDownloads)
{
    ASSERT_TRUE(key.isValid() && server.isReady());
    server.fault("yt-dlp/yt-dlp", "2026.09.01", "yt-dlp", "slow");
    open();
    ASSERT_TRUE(waitForReport());
    find<QPushButton>("toolUpdateYtDlpButton")->click();
    ASSERT_TRUE(waitUntil([&] { return find<QProgressBar>("toolUpdateProgress")->value() > 0; }, std::chrono::seconds(20)))
        << "the download shows its progress";
    find<QPushButton>("toolUpdateCancelButton")->click();
    ASSERT_TRUE(waitUntil([&] { return !view->updates()->isBusy(); }));
    EXPECT_EQ(find<QLabel>("toolUpdateMessage")->text(), "Updating yt-dlp was cancelled. Nothing was changed.");
    EXPECT_EQ(ToolResolver::resolve().tool("yt-dlp").source, ToolSource::shipped);
}

TEST_F(ToolUpdatesViewTest, AnUpdateGoesOnWhenTheScreenIsLeftAndANewScreenPicksItUp)
{
    ASSERT_TRUE(key.isValid() && server.isReady());
    server.fault("yt-dlp/yt-dlp", "2026.09.01", "yt-dlp", "slow");
    open();
    ASSERT_TRUE(waitForReport());
    find<QPushButton>("toolUpdateYtDlpButton")->click();
    ASSERT_TRUE(waitUntil([&] { return find<QProgressBar>("toolUpdateProgress")->value() > 0; }, std::chrono::seconds(20)));
    view.reset();
    EXPECT_TRUE(updater.isRunning()) << "leaving the screen does not stop the update";

    open();
    EXPECT_TRUE(find("toolUpdateCancelButton")->isVisible());
    EXPECT_FALSE(find<QLabel>("toolUpdateStep")->text().isEmpty());
    EXPECT_FALSE(find<QPushButton>("toolUpdateYtDlpButton")->isEnabled());
    ASSERT_TRUE(waitUntil([&] { return !updater.isRunning(); }, std::chrono::seconds(120)));
    EXPECT_TRUE(find<QLabel>("toolUpdateMessage")->text().contains("verified and installed"))
        << find<QLabel>("toolUpdateMessage")->text().toStdString();
    EXPECT_EQ(ToolResolver::resolve().tool("yt-dlp").source, ToolSource::user);
}

TEST_F(ToolUpdatesViewTest, APassedOverCopyAndTheBackgroundFindingAreShown)
{
    ASSERT_TRUE(key.isValid() && server.isReady());
    const QString copy = user.installScript("yt-dlp", "echo 2026.01.01", "2026.01.01");
    QFile file(copy);
    file.open(QIODevice::Append);
    file.write("# changed\n");
    file.close();
    settings.recordToolUpdateCheck(QDateTime::currentDateTimeUtc(), QStringLiteral("2026.09.01"));
    open();
    ASSERT_TRUE(waitForReport());
    EXPECT_EQ(rowText("toolSource"), "Shipped");
    EXPECT_TRUE(rowText("toolUserCopyIgnored").contains("changed after it was installed")) << rowText("toolUserCopyIgnored").toStdString();
    EXPECT_EQ(find<QLabel>("toolUpdateNotice")->text(), "A newer yt-dlp is available: 2026.09.01.");

    find<QPushButton>("diagnosticsAboutButton")->click();
    AboutView *about = view->about();
    ASSERT_NE(about, nullptr);
    const QList<QLabel *> facts = about->findChildren<QLabel *>("aboutToolFacts");
    ASSERT_FALSE(facts.isEmpty());
    EXPECT_TRUE(facts.first()->text().startsWith("Shipped · ")) << facts.first()->text().toStdString();
    auto *update = about->findChild<QPushButton *>("aboutToolUpdateButton");
    ASSERT_NE(update, nullptr) << "an outdated yt-dlp has its update action beside it";
    update->click();
    EXPECT_TRUE(view->updates()->isBusy());
    about->close();
    ASSERT_TRUE(waitUntil([&] { return !view->updates()->isBusy(); }, std::chrono::seconds(60)));
    EXPECT_TRUE(find<QLabel>("toolUpdateMessage")->text().contains("verified and installed"));
    EXPECT_FALSE(find("toolUpdateNotice")->isVisible()) << "the finding is settled by the update";
}
