#include "engine/DownloadErrorClassifier.h"

#include <gtest/gtest.h>

#include <cerrno>

using Category = DownloadErrorCategory;

namespace {

struct TextCase
{
    const char *output;
    Category expected;
};

TEST(DownloadErrorClassifier, ClassifiesOutputByOrderedRules)
{
    const QList<TextCase> cases = {
        {"", Category::unknown},
        {"ERROR: [generic] abc is not a valid URL", Category::invalidURL},
        {"ERROR: Invalid URL 'x'", Category::invalidURL},
        {"ERROR: Unsupported URL: clip", Category::unsupportedURL},
        {"ERROR: No supported formats found", Category::unsupportedURL},
        {"ERROR: [youtube] abc: Video is unavailable", Category::unavailable},
        {"This media is unavailable", Category::unavailable},
        {"ERROR: Private video. Sign in if you've been granted access", Category::privateMedia},
        {"ERROR: Sign in to confirm you are not a bot", Category::botVerification},
        {"ERROR: Sign in to confirm your age", Category::botVerification},
        {"Solve the CAPTCHA", Category::botVerification},
        {"proof of work required", Category::botVerification},
        {"ERROR: login required", Category::loginRequired},
        {"please log in to continue", Category::loginRequired},
        {"Authentication failed", Category::loginRequired},
        {"This video is age-restricted", Category::ageRestricted},
        {"Age restricted content", Category::ageRestricted},
        {"The uploader has not made this video available in your country: not available in your country",
         Category::geoRestricted},
        {"geo\nsomething restricted", Category::geoRestricted},
        {"ERROR: HTTP Error 429: Too Many Requests", Category::rateLimited},
        {"ERROR: unable to download video data: HTTP Error 403: Forbidden", Category::loginRequired},
        {"status 403\nForbidden", Category::loginRequired},
        {"OSError: [Errno 28] No space left on device", Category::diskFull},
        {"disk full", Category::diskFull},
        {"write error: out of space", Category::diskFull},
        {"write error", Category::unknown},
        {"ERROR: unable to open for writing: [Errno 13] Permission denied", Category::permissionDenied},
        {"ERROR: unable to open for writing: [Errno 30] Read-only file system: 'x.part'", Category::permissionDenied},
        {"[ffmpeg] Merging formats\nERROR: something odd", Category::ffmpegFailure},
        {"ERROR: Postprocessing: ffmpeg exited with code 1 failed", Category::ffmpegFailure},
        {"[Merger] Merging formats into x.mp4\nfailed", Category::mergeFailure},
        {"ERROR: HTTP Error 404: Not Found", Category::network},
        {"ERROR: HTTP Error 503: Service Unavailable", Category::network},
        {"Connection reset by peer", Category::network},
        {"Read timed out.", Category::network},
        // Transfers that broke, came short or timed out, as both yt-dlp builds word them.
        {"ERROR: Got error: Downloaded 565669 bytes, expected 572287 bytes. Giving up after 10 retries",
         Category::network},
        {"ERROR: Downloaded 565669 bytes, expected 572287 bytes", Category::network},
        {"ERROR: Got error: IncompleteRead(565669 bytes read, 6618 more expected). Giving up after 10 retries",
         Category::network},
        {"ERROR: Got error: <IncompleteRead: 565669 bytes read, 6618 more expected>. Giving up after 10 retries",
         Category::network},
        {"ERROR: fragment 3 not found, unable to continue", Category::network},
        {"ERROR: Did not get any data blocks", Category::network},
        {"ERROR: Got error: The read operation timed out. Giving up after 10 retries", Category::network},
        {"ERROR: Got error: Remote end closed connection without response", Category::network},
        {"ERROR: Got error: [Errno 104] Connection reset by peer. Giving up after 10 retries", Category::network},
        {"ERROR: Got error: [Errno 32] Broken pipe", Category::network},
        {"ERROR: [SSL: UNEXPECTED_EOF_WHILE_READING] EOF occurred in violation of protocol (_ssl.c:992)",
         Category::network},
        {"something went wrong", Category::unknown},
        {"\xc3\x9cNSUPPORTED URL", Category::unknown}, // Unicode lower-casing keeps the Ü
        {"UNSUPPORTED URL", Category::unsupportedURL},
    };
    for (const TextCase &c : cases) {
        const QString text = QString::fromUtf8(c.output);
        EXPECT_EQ(DownloadErrorClassifier::classify(1, text, QString(), false), c.expected) << c.output;
        // Where the text stands and the exit code make no difference.
        EXPECT_EQ(DownloadErrorClassifier::classify(127, QString(), text, false), c.expected) << c.output;
        EXPECT_EQ(DownloadErrorClassifier::classify(2, text, text, false), c.expected) << c.output;
    }
}

// A download's log as the coordinator keeps it: progress records carry the
// title, and an error that names the file it failed on carries it too.
QString downloadLog(const QString &title, const QString &failure, const QString &folder = "/out/")
{
    const QString file = folder + title + " [abc123].mp4";
    return "[youtube] abc123: Downloading webpage\n"
           "[progress] {\"status\": \"downloading\", \"downloaded_bytes\": 1024, \"total_bytes\": 4096, "
           "\"filename\": \""
        + file + ".part\"}\n" + QString(failure).replace("<file>", file);
}

TEST(DownloadErrorClassifier, TitlesAndFileNamesNeverDecideTheCategory)
{
    // Every rule's key words, as a title.
    const QStringList titles = {
        "Why this is not a valid URL",  "Invalid URL shortener review", "Unsupported URL jokes",
        "No supported formats, ever",   "This video is unavailable",     "Media is unavailable (parody)",
        "This video is private tour",   "Private video diaries",         "Bot verification explained",
        "Captcha art",                  "Proof of work in ten minutes",  "Sign in to confirm you are not a bot",
        "Login required meme",          "Sign in here",                  "Please log in song",
        "Authentication basics",        "Graphic design in blue",        "Age-restricted? Not really",
        "Age restricted cartoons",      "Confirm your age song",         "Not available in your country",
        "Geo trip, restricted area",    "HTTP Error 429 explained",      "Too many requests",
        "HTTP Error 403 and friends",   "403 forbidden steps",           "No space left in the closet",
        "Disk full of photos",          "Write error in space",          "Permission denied (live)",
        "Read-only file system talk",   "FFmpeg error codes",            "FFmpeg failed me",
        "Merging lanes failed",         "Network cables",                "Connection lost",
        "Timed out at the buzzer",      "HTTP Error 404 museum",         "HTTP Error 500 club",
    };
    for (const QString &title : titles) {
        const std::string name = title.toStdString();
        EXPECT_EQ(DownloadErrorClassifier::classify(1, downloadLog(title, "ERROR: something odd happened"),
                                                    QString(), false),
                  Category::unknown)
            << name;
        EXPECT_EQ(DownloadErrorClassifier::classify(
                      1, downloadLog(title, "ERROR: HTTP Error 503: Service Unavailable"), QString(), false),
                  Category::network)
            << name;
        // The error line quotes the file: a full disk is a full disk.
        EXPECT_EQ(DownloadErrorClassifier::classify(
                      1, downloadLog(title, "ERROR: unable to open for writing: [Errno 28] No space left on device: "
                                            "'<file>.part'"),
                      QString(), false),
                  Category::diskFull)
            << name;
        // A rename names two files; a name with a quote in it is quoted with ".
        EXPECT_EQ(DownloadErrorClassifier::classify(
                      1, QString(), downloadLog(title, "ERROR: Unable to rename file: [Errno 2] No such file or "
                                                       "directory: \"<file>.part\" -> '<file>'"),
                      false),
                  Category::unknown)
            << name;
        // A failed post-processing step names its file without quotes.
        EXPECT_EQ(DownloadErrorClassifier::classify(
                      1, downloadLog(title, "ERROR: Postprocessing: <file>: Invalid data found when processing input"),
                      QString(), false),
                  Category::ffmpegFailure)
            << name;
        // A name without its folder is the job's own file, when the job says so.
        const QString relative = title + " [abc123].mp4";
        EXPECT_EQ(DownloadErrorClassifier::classify(
                      1, downloadLog(title, "ERROR: unable to open for writing: <file>: Conversion failed", ""),
                      QString(), false, {relative, relative + ".part"}),
                  Category::unknown)
            << name;
    }
}

TEST(DownloadErrorClassifier, CancelledFlagWinsOverEveryText)
{
    EXPECT_EQ(DownloadErrorClassifier::classify(1, "HTTP Error 429", "No space left", true), Category::cancelled);
    EXPECT_EQ(DownloadErrorClassifier::classify(0, QString(), QString(), true), Category::cancelled);
}

TEST(DownloadErrorClassifier, StdoutAndStderrAreJoinedByALineFeed)
{
    // "merging" on one stream and "failed" on the other still combine.
    EXPECT_EQ(DownloadErrorClassifier::classify(1, "merging", "failed", false), Category::mergeFailure);
}

class NamedError : public std::error_category
{
public:
    explicit NamedError(std::string text)
        : m_text(std::move(text))
    {
    }
    const char *name() const noexcept override { return "named"; }
    std::string message(int) const override { return m_text; }

private:
    std::string m_text;
};

TEST(DownloadErrorClassifier, ClassifiesLaunchErrors)
{
    EXPECT_EQ(DownloadErrorClassifier::classify(std::error_code(ENOENT, std::generic_category())),
              Category::toolMissing);
    EXPECT_EQ(DownloadErrorClassifier::classify(std::error_code(EACCES, std::generic_category())),
              Category::permissionDenied);
    EXPECT_EQ(DownloadErrorClassifier::classify(std::error_code(ENOSPC, std::system_category())), Category::diskFull);
    EXPECT_EQ(DownloadErrorClassifier::classify(std::error_code(EROFS, std::generic_category())),
              Category::permissionDenied);
    EXPECT_EQ(DownloadErrorClassifier::classify(std::error_code(ENOEXEC, std::generic_category())), Category::unknown);

    const QList<std::pair<std::string, Category>> described = {
        {"The file doesn't exist", Category::unknown},
        {"Operation not PERMITTED: permission", Category::permissionDenied},
        {"No such file here", Category::toolMissing},
        {"Program not found", Category::toolMissing},
    };
    for (const auto &[text, expected] : described) {
        NamedError category(text);
        EXPECT_EQ(DownloadErrorClassifier::classify(std::error_code(1, category)), expected) << text;
    }
}

TEST(DownloadErrorClassifier, FailedLaunchesAndRefusedMediaLinks)
{
    EXPECT_TRUE(DownloadErrorClassifier::isFailedLaunch(127, true));
    EXPECT_TRUE(DownloadErrorClassifier::isFailedLaunch(1, true));
    EXPECT_FALSE(DownloadErrorClassifier::isFailedLaunch(1, false)) << "a tool that ran says why";
    EXPECT_FALSE(DownloadErrorClassifier::isFailedLaunch(2, true));

    const QList<std::pair<QString, bool>> outputs{
        {"ERROR: unable to download video data: HTTP Error 403: Forbidden", true},
        {"[download] Got error: HTTP Error 410: Gone", true},
        {"ERROR: unable to download video data: http error 403: forbidden", true},
        {"ERROR: unable to download video data: HTTP Error 404: Not Found", false},
        {"ERROR: [generic] Unable to download webpage: timed out", false},
    };
    for (const auto &[output, refused] : outputs)
        EXPECT_EQ(DownloadErrorClassifier::mediaLinkRefused(output), refused) << output.toStdString();
}

TEST(DownloadErrorCategory, RawValuesAndMessages)
{
    const auto &all = DownloadErrorCategories::all();
    ASSERT_EQ(all.size(), 18);
    EXPECT_EQ(all.first(), Category::invalidURL);
    EXPECT_EQ(all.last(), Category::unknown);
    for (Category category : all)
        EXPECT_EQ(DownloadErrorCategories::fromRawValue(DownloadErrorCategories::rawValue(category)), category);

    EXPECT_EQ(DownloadErrorCategories::fromRawValue(u"network"), Category::network);
    EXPECT_EQ(DownloadErrorCategories::fromRawValue(u"Network"), std::nullopt);
    EXPECT_EQ(DownloadErrorCategories::fromRawValue(u""), std::nullopt);
    EXPECT_EQ(DownloadErrorCategories::rawValue(Category::permissionDenied), "permissionDenied");
    EXPECT_STREQ(DownloadErrorCategories::userMessage(Category::toolMissing),
                 "A required tool (yt-dlp / ffmpeg / deno) is missing.");
    EXPECT_STREQ(DownloadErrorCategories::userMessage(Category::rateLimited),
                 "Too many requests. Please try again later.");
}

} // namespace
