#include "support/LocalMediaServer.h"
#include "support/TestSupport.h"
#include "ui/widgets/ThumbnailLoader.h"
#include "ui/widgets/ThumbnailView.h"

#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

class ThumbnailLoaderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
        QImage image(640, 360, QImage::Format_RGB32);
        image.fill(Qt::darkCyan);
        ASSERT_TRUE(image.save(server.mediaDirectory() + QStringLiteral("/thumb.png")));
        QFile text(server.mediaDirectory() + QStringLiteral("/not-an-image.png"));
        ASSERT_TRUE(text.open(QIODevice::WriteOnly));
        text.write("<html>no picture here</html>");
    }

    ThumbnailLoader::State load(ThumbnailLoader &loader, const QUrl &url)
    {
        loader.pixmap(url);
        EXPECT_TRUE(TestSupport::waitUntil([&] {
            const auto state = loader.state(url);
            return state == ThumbnailLoader::State::ready || state == ThumbnailLoader::State::failed;
        }));
        return loader.state(url);
    }

    LocalMediaServer server;
};

TEST_F(ThumbnailLoaderTest, LoadsAnImageAndKeepsItSmall)
{
    ThumbnailLoader loader;
    const QUrl url(server.url(QStringLiteral("/thumb.png")));
    ASSERT_EQ(load(loader, url), ThumbnailLoader::State::ready);
    const auto pixmap = loader.pixmap(url);
    ASSERT_TRUE(pixmap.has_value());
    EXPECT_EQ(pixmap->width(), ThumbnailLoader::Limits{}.maxEdge);
    EXPECT_EQ(pixmap->height(), ThumbnailLoader::Limits{}.maxEdge * 360 / 640);
}

struct FailureCase
{
    const char *name;
    const char *path; // on the test server; a full link when it has a scheme
};

class ThumbnailFailureTest : public ThumbnailLoaderTest, public ::testing::WithParamInterface<FailureCase>
{
};

TEST_P(ThumbnailFailureTest, Fails)
{
    ThumbnailLoader loader;
    const QString path = QString::fromUtf8(GetParam().path);
    const QUrl url(path.contains(QLatin1Char(':')) ? path : server.url(path));
    EXPECT_EQ(load(loader, url), ThumbnailLoader::State::failed);
    EXPECT_FALSE(loader.pixmap(url).has_value());
}

INSTANTIATE_TEST_SUITE_P(Links, ThumbnailFailureTest,
                         ::testing::Values(FailureCase{"missing", "/404"}, FailureCase{"notAnImage", "/not-an-image.png"},
                                           FailureCase{"cutOff", "/close-mid-body"},
                                           FailureCase{"fileScheme", "file:///etc/hostname"},
                                           FailureCase{"dataScheme", "data:image/png;base64,iVBORw0KGgo="}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST_F(ThumbnailLoaderTest, ABodyLargerThanTheLimitFails)
{
    ThumbnailLoader::Limits limits;
    limits.maxBytes = 1024;
    ThumbnailLoader loader(limits);
    EXPECT_EQ(load(loader, QUrl(server.url(QStringLiteral("/thumb.png")))), ThumbnailLoader::State::failed);
}

TEST(ThumbnailLoaderSlow, ATransferLastingTooLongFails)
{
    LocalMediaServer server(LocalMediaServer::Options{64 * 1024});
    ASSERT_TRUE(server.isReady()) << server.errorString().toStdString();
    // Noise does not compress: about 1 MB of PNG, some 16 s at this rate.
    QImage noise(600, 600, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y) {
        for (int x = 0; x < noise.width(); ++x)
            noise.setPixel(x, y, QRandomGenerator::global()->generate());
    }
    ASSERT_TRUE(noise.save(server.mediaDirectory() + QStringLiteral("/noise.png")));
    ThumbnailLoader::Limits limits;
    limits.totalTimeoutMs = 500;
    ThumbnailLoader loader(limits);
    const QUrl url(server.url(QStringLiteral("/noise.png")));
    loader.pixmap(url);
    EXPECT_TRUE(TestSupport::waitUntil([&] { return loader.state(url) == ThumbnailLoader::State::failed; }));
}

TEST_F(ThumbnailLoaderTest, TheCacheStaysWithinItsBound)
{
    ThumbnailLoader::Limits limits;
    limits.maxEdge = 64;
    limits.cacheBytes = 64 * 36 * 4 + 100; // room for one image
    ThumbnailLoader loader(limits);
    const QUrl first(server.url(QStringLiteral("/thumb.png?1")));
    const QUrl second(server.url(QStringLiteral("/thumb.png?2")));
    ASSERT_EQ(load(loader, first), ThumbnailLoader::State::ready);
    ASSERT_EQ(load(loader, second), ThumbnailLoader::State::ready);
    EXPECT_EQ(loader.state(first), ThumbnailLoader::State::none) << "the older image was evicted";
}

TEST_F(ThumbnailLoaderTest, TheViewShowsThePhotoSymbolUntilTheImageIsThere)
{
    ThumbnailLoader loader;
    ThumbnailView view(loader, QSize(72, 40), 4);
    EXPECT_FALSE(view.showsImage());
    view.setUrl(QUrl(server.url(QStringLiteral("/404"))));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return loader.state(*view.url()) == ThumbnailLoader::State::failed; }));
    EXPECT_FALSE(view.showsImage());
    view.setUrl(QUrl(server.url(QStringLiteral("/thumb.png"))));
    ASSERT_TRUE(TestSupport::waitUntil([&] { return view.showsImage(); }));
}

} // namespace
