#include "services/ClipboardService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct TextCase
{
    const char *name;
    QString text;
};

// The case's name where gtest (and ctest) show the parameter.
void PrintTo(const TextCase &c, std::ostream *out)
{
    *out << c.name;
}

class ClipboardRoundTripTest : public ::testing::TestWithParam<TextCase>
{
};

TEST_P(ClipboardRoundTripTest, ReadsBackExactlyWhatWasWritten)
{
    ClipboardService::shared().writeString(GetParam().text);

    EXPECT_EQ(ClipboardService::shared().readString(), std::optional<QString>(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ClipboardRoundTripTest,
    ::testing::Values(TextCase{"link", QStringLiteral("https://example.test/watch?v=1")},
                      TextCase{"whitespaceKept", QStringLiteral("  padded\tand\nmultiline \n")},
                      TextCase{"unicode", QStringLiteral("Ünïcødé 音楽 🎵")},
                      TextCase{"empty", QStringLiteral("")}),
    [](const ::testing::TestParamInfo<TextCase> &info) { return std::string(info.param.name); });

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
