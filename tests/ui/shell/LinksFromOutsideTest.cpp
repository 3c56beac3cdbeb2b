#include "engine/DownloadCoordinator.h"
#include "engine/DownloadQueue.h"
#include "ui/UiTestApp.h"
#include "ui/downloads/BatchDownloadSheet.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/shell/ClipboardLinkBar.h"
#include "ui/shell/IncomingLinks.h"
#include "ui/shell/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

QStringList queuedLinks(const UiTestApp &app)
{
    QStringList links;
    for (const DownloadJobPtr &job : app.coordinator->queue().jobs())
        links.append(job->url());
    return links;
}

TEST(IncomingLinks, SortsLinksFilesAndOtherText)
{
    struct Case
    {
        const char *name;
        QStringList items;
        QStringList links;
        QStringList files;
        QString otherText;
    };
    const QList<Case> cases{
        {"oneLink", {"https://a.example/v"}, {"https://a.example/v"}, {}, {}},
        {"linesInOneText", {"https://a.example/1\n\n# note\nhttps://a.example/2\r\nhttps://A.example/1"},
         {"https://a.example/1", "https://a.example/2"}, {}, {}},
        {"fileUris", {"file:///tmp/links%20list.txt", "https://a.example/1", "file:///tmp/a b.txt"}, {"https://a.example/1"},
         {"/tmp/links list.txt", "/tmp/a b.txt"}, {}},
        {"notALink", {"just some words", "ftp://a.example/f"}, {}, {}, "just some words"},
        {"nothing", {"", "  \n "}, {}, {}, {}},
    };
    for (const Case &c : cases) {
        const IncomingLinks sorted = IncomingLinks::sort(c.items);
        EXPECT_EQ(sorted.links, c.links) << c.name;
        EXPECT_EQ(sorted.files, c.files) << c.name;
        EXPECT_EQ(sorted.otherText, c.otherText) << c.name;
    }
}

class LinksFromOutsideTest : public ::testing::Test
{
protected:
    void SetUp() override { app.holdQueue(); }

    void open()
    {
        window = std::make_unique<MainWindow>(*app.state, *app.shutdown, app.thumbnails);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        return window->findChild<T *>(QLatin1String(name));
    }

    QString linkField() const { return find<QLineEdit>("urlInput")->text(); }

    void drop(QWidget *target, QMimeData *mime)
    {
        const QPointF at = target->mapTo(window.get(), target->rect().center());
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &enter);
        ASSERT_TRUE(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &dropped);
        EXPECT_TRUE(dropped.isAccepted());
    }

    UiTestApp app;
    std::unique_ptr<MainWindow> window;
};

TEST_F(LinksFromOutsideTest, OneLinkGoesToTheFieldSeveralAreQueuedFromAnySection)
{
    app.state->setLegalAccepted(true);
    app.state->setSelectedTab(SidebarSelection::history);
    open();

    window->openLinks({"https://one.example/watch?v=1"});
    EXPECT_EQ(app.state->selectedTab(), SidebarSelection::downloads);
    EXPECT_EQ(linkField(), QStringLiteral("https://one.example/watch?v=1"));
    EXPECT_TRUE(find<QPushButton>("analyzeButton")->isEnabled());
    EXPECT_TRUE(queuedLinks(app).isEmpty());

    window->openLinks({"https://two.example/a", "https://two.example/b"});
    EXPECT_EQ(queuedLinks(app), (QStringList{"https://two.example/a", "https://two.example/b"}));

    // Queued whatever their number (tarvelle-cli --to-window).
    window->queueLinks({"https://three.example/c"});
    EXPECT_EQ(queuedLinks(app).last(), QStringLiteral("https://three.example/c"));
    EXPECT_EQ(linkField(), QStringLiteral("https://one.example/watch?v=1"));
}

TEST_F(LinksFromOutsideTest, TextThatIsNoLinkLandsInTheFieldWhereAnalyzeExplainsIt)
{
    app.state->setLegalAccepted(true);
    open();
    window->openLinks({"not a link"});
    EXPECT_EQ(linkField(), QStringLiteral("not a link"));
    EXPECT_TRUE(queuedLinks(app).isEmpty());
}

TEST_F(LinksFromOutsideTest, LinksWaitForTheLegalNoticeToBeAccepted)
{
    open();
    window->openLinks({"https://early.example/1"});
    window->queueLinks({"https://early.example/2"});
    EXPECT_TRUE(queuedLinks(app).isEmpty()) << "nothing is queued before the notice is accepted";
    EXPECT_EQ(find("downloadsView"), nullptr);

    find<QPushButton>("legalUnderstandButton")->click();
    EXPECT_EQ(linkField(), QStringLiteral("https://early.example/1"));
    EXPECT_EQ(queuedLinks(app), QStringList{"https://early.example/2"});
}

TEST_F(LinksFromOutsideTest, ATextFileOfLinksOpensInTheBatchSheet)
{
    app.state->setLegalAccepted(true);
    open();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("my links.txt"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("https://file.example/1\nhttps://file.example/2\n");
    file.close();

    window->openLinks({QUrl::fromLocalFile(path).toString()});
    auto *sheet = find<BatchDownloadSheet>("batchSheet");
    ASSERT_NE(sheet, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !sheet->text().isEmpty() || sheet->importError(); }, 5000));
    EXPECT_EQ(sheet->parseResult()->uniqueValidURLs(),
              (QStringList{"https://file.example/1", "https://file.example/2"}));
    EXPECT_TRUE(queuedLinks(app).isEmpty()) << "the sheet queues only when the user says so";
}

TEST_F(LinksFromOutsideTest, DropsOnTheWindowAndOnTheLinkFieldAreHandedIn)
{
    app.state->setLegalAccepted(true);
    open();
    auto *field = find<QLineEdit>("urlInput");
    // The field leaves its drops to the window, so that a drop of several
    // links queues them rather than pasting lines into one line.
    EXPECT_FALSE(field->acceptDrops());
    EXPECT_TRUE(window->acceptDrops());

    auto *one = new QMimeData;
    one->setUrls({QUrl(QStringLiteral("https://drop.example/one"))});
    drop(field, one);
    EXPECT_EQ(linkField(), QStringLiteral("https://drop.example/one"));

    auto *text = new QMimeData;
    text->setText(QStringLiteral("https://drop.example/a\nhttps://drop.example/b"));
    drop(find("jobList"), text);
    EXPECT_EQ(queuedLinks(app), (QStringList{"https://drop.example/a", "https://drop.example/b"}));
    delete one;
    delete text;
}

TEST_F(LinksFromOutsideTest, ACopiedLinkIsOfferedOnceWhileTheSettingIsOn)
{
    app.state->setLegalAccepted(true);
    open();
    auto *bar = find<ClipboardLinkBar>("clipboardLinkBar");
    ASSERT_NE(bar, nullptr);
    QClipboard *clipboard = QApplication::clipboard();

    clipboard->setText(QStringLiteral("https://copied.example/off"));
    EXPECT_TRUE(bar->isHidden()) << "the watch is off until the user turns it on";

    app.settings->setWatchClipboard(true);
    struct Case
    {
        QString copied;
        bool offered;
    };
    const QList<Case> cases{
        {"https://copied.example/1", true},
        {"some text", false},
        {"https://copied.example/a\nhttps://copied.example/b", false},
        {"https://copied.example/1", false}, // offered before
        {"  https://copied.example/2  ", true},
    };
    for (const Case &c : cases) {
        bar->hide();
        clipboard->setText(c.copied);
        EXPECT_EQ(bar->isVisible(), c.offered) << c.copied.toStdString();
    }
    EXPECT_EQ(bar->link(), QStringLiteral("https://copied.example/2"));

    find<QPushButton>("clipboardDismissButton")->click();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_TRUE(linkField().isEmpty());

    clipboard->setText(QStringLiteral("http://127.0.0.1:9/copied"));
    find<QPushButton>("clipboardAnalyzeButton")->click();
    EXPECT_TRUE(bar->isHidden());
    EXPECT_EQ(linkField(), QStringLiteral("http://127.0.0.1:9/copied"));
    EXPECT_TRUE(find<DownloadsView>("downloadsView")->isAnalyzing());
    // The analysis (refused at once) ends before the program does: a
    // thread of it still running at exit has crashed the test program.
    EXPECT_TRUE(TestSupport::waitUntil([&] { return !find<DownloadsView>("downloadsView")->isAnalyzing(); },
                                       std::chrono::seconds(30)));
}

} // namespace
