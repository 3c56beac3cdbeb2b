#include "engine/ExtraArguments.h"

#include <gtest/gtest.h>

// Arguments yt-dlp may be given as they are, split as a shell would.
TEST(ExtraArguments, PassesOrdinaryOptions)
{
    struct Case
    {
        QString text;
        QStringList words;
    };
    const QList<Case> cases{
        {"", {}},
        {"--no-mtime --restrict-filenames", {"--no-mtime", "--restrict-filenames"}},
        {"-f 'bv*[height<=720]+ba/b' -S res,ext", {"-f", "bv*[height<=720]+ba/b", "-S", "res,ext"}},
        {"--user-agent=\"Mozilla/5.0 (X11)\"", {"--user-agent=Mozilla/5.0 (X11)"}},
        {"--extractor-args 'youtube:player_client=web'", {"--extractor-args", "youtube:player_client=web"}},
        {"--replace-in-metadata title ' +' _", {"--replace-in-metadata", "title", " +", "_"}},
        {"-o 'chapter:%(section_title)s.%(ext)s'", {"-o", "chapter:%(section_title)s.%(ext)s"}},
        {"-o 'THUMBNAIL,subtitle:thumbs/%(id)s'", {"-o", "THUMBNAIL,subtitle:thumbs/%(id)s"}},
        {"-P temp:parts", {"-P", "temp:parts"}},
        {"-ikw", {"-ikw"}},
        {"-R5 --retries 3", {"-R5", "--retries", "3"}},
        {"--no-exec --no-mtime", {"--no-exec", "--no-mtime"}},
    };
    for (const Case &c : cases) {
        const Checked<QStringList> words = ExtraArguments::parse(c.text);
        ASSERT_TRUE(words) << c.text.toStdString() << ": " << words.error().toStdString();
        EXPECT_EQ(words.value(), c.words) << c.text.toStdString();
    }
}

// Every kind of refusal names the first argument at fault.
TEST(ExtraArguments, RefusesWhatWouldRunCommandsMoveFilesOrStopTheDownload)
{
    struct Case
    {
        QString text;
        QString message;
    };
    const QString runs = " runs other programs or code, which Tarvelle does not pass on.";
    const QString config = " changes where or how yt-dlp reads its configuration.";
    const QString output = " decides where the file goes or what it is called: the output folder and the file name "
                           "template do that.";
    const QString stops = " would keep yt-dlp from downloading.";
    const QString unlisted = " it is not among the yt-dlp options known to be safe.";
    const QList<Case> cases{
        {"--exec 'rm -rf ~'", "--exec" + runs},
        {"--exec=echo", "--exec" + runs},
        {"--exec-before-download echo", "--exec-before-download" + runs},
        {"--exec-b echo", "--exec-b (--exec-before-download)" + runs},
        {"--netrc-cmd 'pass show x'", "--netrc-cmd" + runs},
        {"--use-postprocessor 'Exec:exec_cmd=id'", "--use-postprocessor" + runs},
        {"--plugin-dirs /tmp/p", "--plugin-dirs" + runs},
        {"--external-downloader aria2c", "--external-downloader" + runs},
        {"--downloader /tmp/evil/curl", "--downloader" + runs},
        {"--downloader-args 'aria2c:--on-download-complete=x'", "--downloader-args" + runs},
        {"--ffmpeg-location /tmp/evil", "--ffmpeg-location" + runs},
        {"--js-runtimes node:/tmp/node", "--js-runtimes" + runs},
        {"--sponskrub-location /tmp/s", "--sponskrub-location" + runs},
        {"--config-locations /tmp/c.conf", "--config-locations" + config},
        {"--config-loc /tmp/c.conf", "--config-loc (--config-locations)" + config},
        {"--ignore-config", "--ignore-config" + config},
        {"--no-config", "--no-config" + config},
        {"--no-config-locations", "--no-config-locations" + config},
        {"--alias get '--exec {0}'", "--alias" + config},
        {"-o '%(title)s.%(ext)s'", "-o" + output},
        {"--output=/tmp/x", "--output" + output},
        {"-o'default:x'", "-o" + output},
        {"-qo/tmp/x", "-o" + output},
        {"-P /tmp", "-P" + output},
        {"--paths home:/tmp", "--paths" + output},
        {"--id", "--id" + output},
        {"-s", "-s" + stops},
        {"--skip-download", "--skip-download" + stops},
        {"-j", "-j" + stops},
        {"--print title", "--print" + stops},
        {"-F", "-F" + stops},
        {"--version", "--version" + stops},
        {"-U", "-U would replace the yt-dlp that comes with Tarvelle."},
        {"--batch-file links.txt", "--batch-file would make yt-dlp fetch other links than this one."},
        {"--load-info-json a.json", "--load-info-json would make yt-dlp fetch other links than this one."},
        {"--yes-playlist", "--yes-playlist would make yt-dlp fetch other links than this one."},
        {"--no-progress", "--no-progress would hide the progress Tarvelle follows."},
        {"--progress-template x", "--progress-template would hide the progress Tarvelle follows."},
        {"--proxy socks5://h:1", "--proxy has a setting of its own: use \"Proxy\"."},
        {"-r 50K", "-r has a setting of its own: use \"Speed limit\"."},
        {"--cookies c.txt", "--cookies has a setting of its own: use \"Cookies file\"."},
        {"--cookies-from-browser firefox", "--cookies-from-browser has a setting of its own: use \"Cookies from "
                                           "browser\"."},
        {"--embed-thumbnail", "--embed-thumbnail has a setting of its own: use \"Embed\"."},
        {"--sponsorblock-remove all", "--sponsorblock-remove has a setting of its own: use \"Remove segments\"."},
        {"--split-chapters", "--split-chapters has a setting of its own: use \"Also save one file per chapter\"."},
        {"--download-sections '*1:00-2:00'", "--download-sections has a setting of its own: use \"Time range\"."},
        {"-N 4", "-N has a setting of its own: use \"Concurrent fragments\"."},
        {"--", "\"--\" would make yt-dlp take every word after it for a link."},
        {"https://other.example/v", "\"https://other.example/v\" is no option: yt-dlp would take it for a link."},
        {"--no-mtime extra", "\"extra\" is no option: yt-dlp would take it for a link."},
        {"-", "\"-\" is no option: yt-dlp would take it for a link."},
        {"--frobnicate", "Tarvelle does not pass on --frobnicate:" + unlisted},
        {"-Z", "Tarvelle does not pass on -Z:" + unlisted},
        {"--exe x", "--exe could mean --exec, --exec-before-download: write the option out in full."},
        {"--retries", "--retries needs a value."},
        {"--print-to-file x", "--print-to-file needs 2 values."},
        {"--no-mtime=yes", "--no-mtime takes no value."},
        {"--no-mtime --exec x", "--exec" + runs},
        {"--exec 'x | y'", "--exec" + runs},
        {"--user-agent $X", "Put $ in single quotes or after a backslash: a shell would expand it."},
    };
    for (const Case &c : cases) {
        const Checked<QStringList> words = ExtraArguments::parse(c.text);
        ASSERT_FALSE(words) << c.text.toStdString();
        EXPECT_EQ(words.error(), c.message) << c.text.toStdString();
    }
}

// A value is never read as an option: "--exec" after --user-agent is text.
TEST(ExtraArguments, ValuesAreNotOptions)
{
    EXPECT_EQ(ExtraArguments::refusal({"--user-agent", "--exec"}), QString());
    EXPECT_EQ(ExtraArguments::refusal({"--replace-in-metadata", "title", "--exec", "-o"}), QString());
    EXPECT_EQ(ExtraArguments::refusal({"-f--exec"}), QString());
}

// Only options known to neither run code, nor read configuration, nor write
// outside the output folder pass; every other one is refused by name.
TEST(ExtraArguments, PassesOnlyOptionsKnownToBeSafe)
{
    struct Case
    {
        QString text;
        QString refusedName; // empty: passes
        QString because;     // a part of the sentence
    };
    const QString elsewhere = "could write or remove files outside the output folder";
    const QString outside = "names a place outside the output folder";
    const QString unlisted = "is not among the yt-dlp options known to be safe";
    const QList<Case> cases{
        {"--print-to-file '%(title)s' /home/u/.bashrc", "--print-to-file", elsewhere},
        {"--print-to-file '%(title)s' titles.txt", "--print-to-file", elsewhere},
        {"--ppa 'ffmpeg:-y /home/u/x'", "--ppa", elsewhere},
        {"--postprocessor-args 'Merger:-f mp4 /tmp/x'", "--postprocessor-args", elsewhere},
        {"--cache-dir /tmp/c --extractor-args youtube-ejs:dev=true", "--cache-dir", elsewhere},
        {"--download-archive /home/u/a.txt", "--download-archive", elsewhere},
        {"--rm-cache-dir", "--rm-cache-dir", elsewhere},
        {"--extractor-args youtube-ejs:dev=true", "--extractor-args", "has not checked"},
        {"--extractor-args 'YouTube-EJS:script_version=9'", "--extractor-args", "has not checked"},
        {"--extractor-args 'youtube:player_client=web;DEV=1'", "--extractor-args", "has not checked"},
        {"--compat-options allow-unsafe-ext", "--compat-options", "checks that keep yt-dlp safe"},
        {"--enable-file-urls", "--enable-file-urls", "read files on this computer"},
        {"-t mp3", "-t", "configuration"},
        {"-o /abs/x", "-o", "the output folder and the file name template do that"},
        {"-o temp:/abs", "-o", "the output folder and the file name template do that"},
        {"-o 'thumbnail:/abs/%(id)s'", "-o", outside},
        {"-o 'chapter:../%(section_title)s.%(ext)s'", "-o", outside},
        {"-o 'subtitle:a/../../x'", "-o", outside},
        {"-o 'infojson:~/x'", "-o", outside},
        {"-o 'description:$HOME/x'", "-o", outside},
        {"-P temp:/x", "-P", outside},
        {"--paths=temp:../x", "--paths", outside},
        {"-P ../x", "-P", "the output folder and the file name template do that"},
        {"--playlist-items 1-100", "--playlist-items", "fetch other links"},
        {"--some-new-option", "--some-new-option", unlisted},
        {"--parse-metadata 'title:%(uploader)s'", "--parse-metadata", unlisted},
        {"--write-link", "--write-link", unlisted},
        {"--no-mtime", {}, {}},
        {"--restrict-filenames --windows-filenames --trim-filenames 120", {}, {}},
        {"--retries 5 --fragment-retries 10 --socket-timeout 30", {}, {}},
        {"--user-agent 'UA 1' --referer https://example.org/ --add-header 'X-A: b'", {}, {}},
        {"--geo-bypass --sleep-interval 3 --force-ipv4 --no-part --xattrs", {}, {}},
        {"--write-description --write-info-json --write-subs --sub-format srt --embed-info-json", {}, {}},
        {"--format-sort res,ext -S +size --merge-output-format mkv", {}, {}},
        {"--recode-video mp4 --remux-video mkv --audio-quality 0", {}, {}},
        {"--extractor-args 'youtube:player_client=web,android' --match-filter 'duration < 600'", {}, {}},
        {"-o 'chapter:sub/%(title)s.%(ext)s' -P temp:parts", {}, {}},
    };
    for (const Case &c : cases) {
        const Checked<QStringList> words = ExtraArguments::parse(c.text);
        if (c.refusedName.isEmpty()) {
            EXPECT_TRUE(words) << c.text.toStdString() << ": " << words.error().toStdString();
            continue;
        }
        EXPECT_FALSE(words) << c.text.toStdString();
        EXPECT_TRUE(words.error().contains(c.refusedName)) << c.text.toStdString() << ": " << words.error().toStdString();
        EXPECT_TRUE(words.error().contains(c.because)) << c.text.toStdString() << ": " << words.error().toStdString();
    }
}
