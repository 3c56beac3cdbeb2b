#include "engine/FailureReason.h"

#include <gtest/gtest.h>

namespace {

struct ReasonCase
{
    const char *name;
    QStringList lines;
    QString reason;
};

class FailureReasonTest : public ::testing::TestWithParam<ReasonCase>
{
};

TEST_P(FailureReasonTest, TellsWhatYtDlpSaidInOneShortLine)
{
    EXPECT_EQ(FailureReason::fromOutput(GetParam().lines), GetParam().reason);
}

// The ERROR lines are what yt-dlp 2026.08.19 prints against a local server,
// and the forms its bug-report request and exception chains take.
const ReasonCase kCases[] = {
    {"httpStatus",
     {"[generic] missing: Downloading webpage",
      "ERROR: [generic] missing: Unable to download webpage: HTTP Error 404: Not Found (caused by <HTTPError 404: "
      "Not Found>)"},
     "HTTP Error 404: Not Found"},
    {"httpStatusWithoutExtractor",
     {"ERROR: unable to download video data: HTTP Error 403: Forbidden"},
     "HTTP Error 403: Forbidden"},
    {"connectionRefused",
     {"ERROR: [generic] x: Unable to download webpage: HTTPConnection(host='127.0.0.1', port=1): Failed to establish "
      "a new connection: [Errno 111] Connection refused (caused by TransportError(\"HTTPConnection(host='127.0.0.1', "
      "port=1): Failed to establish a new connection: [Errno 111] Connection refused\"))"},
     "Unable to download webpage: Failed to establish a new connection: Connection refused"},
    {"mediaId",
     {"ERROR: [youtube] dQw4w9WgXcQ: Video unavailable. This video is private"},
     "Video unavailable. This video is private"},
    {"quotedLinkIsNoId", {"ERROR: [generic] 'notaurl' is not a valid URL"}, "'notaurl' is not a valid URL"},
    {"noExtractor", {"ERROR: Unsupported URL: http://127.0.0.1:8719/"}, "Unsupported URL: http://127.0.0.1:8719/"},
    {"bugReportAfterSemicolon",
     {"ERROR: [generic] clip: Failed to parse JSON ; please report this issue on  "
      "https://github.com/yt-dlp/yt-dlp/issues?q= , filling out the appropriate issue template. Confirm you are on "
      "the latest version using  yt-dlp -U"},
     "Failed to parse JSON"},
    {"bugReportAfterSentence",
     {"ERROR: Something broke. Please report this issue on  https://github.com/yt-dlp/yt-dlp/issues?q= , filling "
      "out the appropriate issue template."},
     "Something broke."},
    {"lastErrorWins",
     {"ERROR: first failure", "[download] retrying", "ERROR: unable to open for writing: [Errno 13] Permission denied"},
     "unable to open for writing: Permission denied"},
    {"colouredAndIndented", {"  \x1b[0;31mERROR:\x1b[0m   HTTP Error 500:  Internal  Server Error  "},
     "HTTP Error 500: Internal Server Error"},
    {"noErrorLine", {"[download] 100% of 1.00MiB", "WARNING: something odd"}, ""},
    {"errorInsideALineIsNoErrorLine", {"[info] title: ERROR: not really"}, ""},
    {"emptyMessage", {"ERROR:"}, ""},
    // A current yt-dlp giving up: an empty error line, its reason on the last attempt's line.
    {"givingUpAfterRetries",
     {"[download] Got error: Downloaded 1024 bytes, expected 1048576 bytes. Retrying (9/10)...", "ERROR: ",
      "[download] Got error: Downloaded 65536 bytes, expected 1048576 bytes. Giving up after 10 retries"},
     "Downloaded 65536 bytes, expected 1048576 bytes. Giving up after 10 retries"},
    {"anErrorWithAMessageStillWins",
     {"[download] Got error: timed out. Retrying (1/10)...", "ERROR: unable to download video data: timed out"},
     "unable to download video data: timed out"},
    {"empty", {}, ""},
    {"markupStaysText", {"ERROR: <b>bold</b> & <i>more</i>"}, "<b>bold</b> & <i>more</i>"},
};

INSTANTIATE_TEST_SUITE_P(Outputs, FailureReasonTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(FailureReason, ALongMessageEndsAtAWordWithAnEllipsis)
{
    QStringList words;
    for (int i = 0; i < 60; ++i)
        words << QStringLiteral("word%1").arg(i);
    const QString reason = FailureReason::fromOutput({QStringLiteral("ERROR: ") + words.join(QLatin1Char(' '))});
    EXPECT_LE(reason.size(), FailureReason::kMaxLength);
    EXPECT_TRUE(reason.endsWith(QStringLiteral(" word%1\u2026").arg(reason.count(QLatin1Char(' ')))))
        << reason.toStdString();
}

TEST(FailureReason, AMessageWithoutSpacesIsCutAtTheLimit)
{
    const QString reason = FailureReason::fromOutput({QStringLiteral("ERROR: ") + QString(400, QLatin1Char('x'))});
    EXPECT_EQ(reason, QString(FailureReason::kMaxLength - 1, QLatin1Char('x')) + QStringLiteral("\u2026"));
}

} // namespace
