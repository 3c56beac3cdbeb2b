#include "services/ClipboardService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

namespace {

class ClipboardRoundTripTest : public ::testing::TestWithParam<QString>
{
};

TEST_P(ClipboardRoundTripTest, ReadsBackExactlyWhatWasWritten)
{
    ClipboardService::shared().writeString(GetParam());

    EXPECT_EQ(ClipboardService::shared().readString(), std::optional<QString>(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Texts, ClipboardRoundTripTest,
                         ::testing::Values(QStringLiteral("https://example.test/watch?v=1"),
                                           QStringLiteral("  padded\tand\nmultiline \n"),
                                           QStringLiteral("Ünïcødé 音楽 🎵"),
                                           QStringLiteral("")));

QImage smallImage()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::red);
    return image;
}

TEST(ClipboardServiceTest, WritingReplacesContentOfEveryOtherType)
{
    QGuiApplication::clipboard()->setImage(smallImage());
    ASSERT_TRUE(QGuiApplication::clipboard()->mimeData()->hasImage());

    ClipboardService::shared().writeString(QStringLiteral("text only"));

    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_FALSE(data->hasImage());
    EXPECT_EQ(data->formats(), QStringList{QStringLiteral("text/plain")});
    EXPECT_EQ(ClipboardService::shared().readString(), std::optional<QString>(u"text only"_qs));
}

TEST(ClipboardServiceTest, ReadsNothingWhenTheClipboardHoldsNoText)
{
    ClipboardService::shared().writeString(QStringLiteral("earlier"));
    QGuiApplication::clipboard()->setImage(smallImage());
    EXPECT_EQ(ClipboardService::shared().readString(), std::nullopt);

    QGuiApplication::clipboard()->clear();
    EXPECT_EQ(ClipboardService::shared().readString(), std::nullopt);
}

} // namespace
