#include "support/LocalMediaServer.h"
#include "ui/UiTestApp.h"
#include "ui/downloads/DownloadsView.h"
#include "ui/downloads/PreviewCard.h"
#include "ui/widgets/SegmentedPicker.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

MediaMetadata record()
{
    MediaMetadata r;
    r.id = QStringLiteral("abc");
    r.title = QStringLiteral("Clip: one/two");
    r.duration = 30;
    r.webpageUrl = QStringLiteral("https://media.example/watch?v=abc");
    return r;
}

class MoreOptionsTest : public ::testing::Test
{
protected:
    MoreOptionsTest()
    {
        DownloadChoices choices;
        choices.advanced.proxy = QStringLiteral("http://stored.example:3128");
        card = std::make_unique<PreviewCard>(record(), choices, thumbnails);
        card->resize(700, 1200);
        card->show();
    }

    template <typename T = QWidget>
    T *find(const char *name) const
    {
        T *found = card->findChild<T *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void type(const char *field, const QString &text)
    {
        auto *edit = find<QLineEdit>(field);
        edit->selectAll();
        if (text.isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        else
            QTest::keyClicks(edit, text);
    }

    bool downloadEnabled() const { return find<QPushButton>("downloadButton")->isEnabled(); }

    ThumbnailLoader thumbnails;
    std::unique_ptr<PreviewCard> card;
};

} // namespace

TEST_F(MoreOptionsTest, FoldedAwayUntilAsked)
{
    EXPECT_FALSE(find("moreOptionsForm")->isVisible());
    find<QToolButton>("moreOptionsButton")->click();
    EXPECT_TRUE(find("moreOptionsForm")->isVisible());
    EXPECT_EQ(find<QLineEdit>("proxyField")->text(), "http://stored.example:3128");
    find<QToolButton>("moreOptionsButton")->click();
    EXPECT_FALSE(find("moreOptionsForm")->isVisible());
}

// A refused value says why where it is typed, keeps "Download" disabled and
// never reaches the choices; once mended, the download goes ahead with it.
TEST_F(MoreOptionsTest, RefusedValuesHoldTheDownloadBack)
{
    find<QToolButton>("moreOptionsButton")->click();
    struct Case
    {
        const char *field;
        const char *refusal;
        QString bad;
        QString message;
        QString good;
    };
    const QList<Case> cases{
        {"proxyField", "proxyRefusal", "proxy.example:3128",
         "A proxy starts with http://, https://, socks4://, socks4a://, socks5:// or socks5h://, as in "
         "socks5://127.0.0.1:1080.",
         "socks5h://127.0.0.1:9050"},
        {"timeRangeEndField", "timeRangeRefusal", "0:45", "The medium is 0:30 long; the range must lie within it.",
         "0:20"},
        {"outputTemplateField", "outputTemplateRefusal", "%(title)s",
         "End the template with .%(ext)s, so the file keeps its type.", "%(id)s - %(title)s.%(ext)s"},
        {"extraArgumentsField", "extraArgumentsRefusal", "--netrc-cmd 'pass x'",
         "--netrc-cmd runs other programs or code, which Tarvelle does not pass on.", "--no-mtime"},
    };
    for (const Case &c : cases) {
        type(c.field, c.bad);
        EXPECT_TRUE(find<QLabel>(c.refusal)->isVisible()) << c.field;
        EXPECT_EQ(find<QLabel>(c.refusal)->text(), c.message) << c.field;
        EXPECT_FALSE(downloadEnabled()) << c.field;
        type(c.field, c.good);
        EXPECT_FALSE(find<QLabel>(c.refusal)->isVisible()) << c.field;
        EXPECT_TRUE(downloadEnabled()) << c.field;
    }

    std::optional<DownloadChoices> requested;
    QObject::connect(card.get(), &PreviewCard::downloadRequested,
                     [&](const MediaMetadata &, const DownloadChoices &choices) { requested = choices; });
    find<QPushButton>("downloadButton")->click();
    ASSERT_TRUE(requested);
    const AdvancedOptions &options = requested->advanced;
    EXPECT_EQ(options.proxy, "socks5h://127.0.0.1:9050");
    EXPECT_EQ(options.timeRange, (TimeRange{0, 20}));
    EXPECT_EQ(options.outputTemplate, "%(id)s - %(title)s.%(ext)s");
    EXPECT_EQ(options.extraArguments, QStringList{"--no-mtime"});
}

// The preview names the file this link will get, with the extension the
// chosen kind of download gives it.
TEST_F(MoreOptionsTest, PreviewShowsTheNameOfThisLink)
{
    find<QToolButton>("moreOptionsButton")->click();
    auto *preview = find<QLabel>("outputTemplatePreview");
    EXPECT_EQ(preview->text(), QString::fromUtf8("Clip： one⧸two [abc].mp4"));
    type("outputTemplateField", "%(id)s.%(ext)s");
    EXPECT_EQ(preview->text(), "abc.mp4");
    find<SegmentedPicker>("mediaTypePicker")->setCurrentIndex(1);
    find<QComboBox>("audioFormatPicker")->setCurrentIndex(1);
    EXPECT_EQ(preview->text(), "abc.mp3");
}

// Browser cookies on the card replace the stored cookies file for this
// download, and the card says so.
TEST_F(MoreOptionsTest, BrowserCookiesReplaceTheCookiesFileForThisDownload)
{
    card->setCookiesFileInUse(true);
    find<QToolButton>("moreOptionsButton")->click();
    auto *browser = find<QComboBox>("browserCookiesPicker");
    EXPECT_TRUE(browser->isEnabled());
    EXPECT_FALSE(find<QLabel>("browserCookiesNote")->isVisible());
    browser->setCurrentIndex(browser->findData("firefox"));
    EXPECT_TRUE(find<QLabel>("browserCookiesNote")->isVisible());
    EXPECT_EQ(card->choices().advanced.browserCookies, (BrowserCookies{Browser::firefox, QString()}));
}

// Through the Downloads screen: the job gets the card's advanced options;
// the next card keeps them but not the time range, which was this link's.
TEST(MoreOptionsDownload, TheJobCarriesTheCardsOptions)
{
    UiTestApp app;
    app.state->setLegalAccepted(true);
    AdvancedOptions stored;
    stored.embed.metadata = true;
    app.settings->setAdvancedDefaults(stored);
    LocalMediaServer server;
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    DownloadsView view(*app.state, app.thumbnails);
    view.resize(1000, 1400);
    view.show();

    const auto analyze = [&] {
        QSignalSpy finished(&view, &DownloadsView::analysisFinished);
        view.findChild<QLineEdit *>(QStringLiteral("urlInput"))->setText(server.url(LocalMediaServer::kVideoPath));
        view.analyze();
        return TestSupport::waitUntil([&] { return finished.count() > 0; }, std::chrono::seconds(60)) &&
               view.previewCard();
    };
    ASSERT_TRUE(analyze());
    PreviewCard *card = view.previewCard();
    card->findChild<QToolButton *>(QStringLiteral("moreOptionsButton"))->click();
    EXPECT_TRUE(card->findChild<QCheckBox *>(QStringLiteral("embedMetadataCheck"))->isChecked());
    card->findChild<QSpinBox *>(QStringLiteral("speedLimitAmount"))->setValue(250);
    card->findChild<QLineEdit *>(QStringLiteral("timeRangeStartField"))->setText(QString());
    QTest::keyClicks(card->findChild<QLineEdit *>(QStringLiteral("timeRangeStartField")), QStringLiteral("0:01"));

    app.holdQueue();
    card->findChild<QPushButton *>(QStringLiteral("downloadButton"))->click();
    ASSERT_EQ(app.coordinator->queue().jobs().size(), 1);
    AdvancedOptions expected = stored;
    expected.speedLimit = SpeedLimit{250, SpeedLimit::Unit::kibibytes};
    expected.timeRange = TimeRange{1, std::nullopt};
    EXPECT_TRUE(app.coordinator->queue().jobs().first()->advancedOptions() == expected);

    ASSERT_TRUE(analyze());
    card = view.previewCard();
    EXPECT_EQ(card->findChild<QSpinBox *>(QStringLiteral("speedLimitAmount"))->value(), 250);
    EXPECT_TRUE(card->findChild<QLineEdit *>(QStringLiteral("timeRangeStartField"))->text().isEmpty());
    EXPECT_FALSE(card->choices().advanced.timeRange.has_value());
}
