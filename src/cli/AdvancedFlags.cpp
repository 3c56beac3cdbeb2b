#include "cli/AdvancedFlags.h"

#include "cli/CliText.h"
#include "cli/CommandOptions.h"
#include "engine/ExtraArguments.h"
#include "engine/OutputTemplate.h"
#include "engine/ProxyAddress.h"
#include "engine/SponsorBlock.h"

namespace AdvancedFlags {

namespace {

const QString kLimitRate = QStringLiteral("limit-rate");
const QString kProxy = QStringLiteral("proxy");
const QString kCookiesFromBrowser = QStringLiteral("cookies-from-browser");
const QString kEmbed = QStringLiteral("embed");
const QString kSponsorBlockMark = QStringLiteral("sponsorblock-mark");
const QString kSponsorBlockRemove = QStringLiteral("sponsorblock-remove");
const QString kTimeRange = QStringLiteral("time-range");
const QString kTemplate = QStringLiteral("template");
const QString kSplitChapters = QStringLiteral("split-chapters");
const QString kNoSplitChapters = QStringLiteral("no-split-chapters");
const QString kConcurrentFragments = QStringLiteral("concurrent-fragments");
const QString kExtraArgs = QStringLiteral("extra-args");

bool isWord(const QString &text, const char *word)
{
    return text.trimmed().compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// Reads one flag's value when it was given: `read` checks the text and
// stores the value; its refusal comes back as "--name: sentence".
template <typename Read>
void readFlag(const CommandOptions &options, const QString &name, QString &error, Read read)
{
    if (!error.isEmpty() || !options.isSet(name))
        return;
    const QString refusal = read(options.value(name));
    if (!refusal.isEmpty())
        error = QStringLiteral("--%1: %2").arg(name, refusal);
}

// Stores a checked value in `target`; the refusal otherwise.
template <typename T, typename Target>
QString store(const Checked<T> &checked, Target &target)
{
    if (!checked)
        return checked.error();
    target = checked.value();
    return {};
}

} // namespace

QList<QCommandLineOption> options()
{
    return {
        QCommandLineOption(kLimitRate, CliText::tr("at most this speed per second, e.g. 500K or 2M; none for no limit"),
                           QStringLiteral("RATE")),
        QCommandLineOption(kProxy, CliText::tr("proxy for every request (http, https, socks4, socks5 URL); none for "
                                               "no proxy"),
                           QStringLiteral("URL")),
        QCommandLineOption(kCookiesFromBrowser,
                           CliText::tr("cookies of firefox, chromium, chrome, brave, edge, opera or vivaldi, in place "
                                       "of the cookies file; none to use the cookies file"),
                           QStringLiteral("BROWSER[:PROFILE]")),
        QCommandLineOption(kEmbed,
                           CliText::tr("what to embed into the file: metadata, thumbnail, chapters, subs (comma "
                                       "separated), all or none"),
                           QStringLiteral("PARTS")),
        QCommandLineOption(kSponsorBlockMark,
                           CliText::tr("SponsorBlock categories to mark as chapters (comma separated), all or none"),
                           QStringLiteral("CATEGORIES")),
        QCommandLineOption(kSponsorBlockRemove,
                           CliText::tr("SponsorBlock categories to cut out (comma separated), all or none"),
                           QStringLiteral("CATEGORIES")),
        QCommandLineOption(kTimeRange,
                           CliText::tr("only this part, times as mm:ss or hh:mm:ss, e.g. 1:30-2:45 (either side may "
                                       "be left out)"),
                           QStringLiteral("START-END")),
        QCommandLineOption(kTemplate,
                           CliText::tr("file name template of yt-dlp, e.g. '%(title)s.%(ext)s'; default for the usual "
                                       "name"),
                           QStringLiteral("TEMPLATE")),
        QCommandLineOption(kSplitChapters, CliText::tr("also one file per chapter")),
        QCommandLineOption(kNoSplitChapters, CliText::tr("no file per chapter")),
        QCommandLineOption(kConcurrentFragments, CliText::tr("fragments fetched at the same time, 1 to 16"),
                           QStringLiteral("N")),
        QCommandLineOption(kExtraArgs,
                           CliText::tr("further yt-dlp arguments, quoted as for a shell; options that run programs or "
                                       "change yt-dlp's configuration are refused"),
                           QStringLiteral("ARGS")),
    };
}

QString read(const CommandOptions &options, AdvancedOverrides &overrides)
{
    QString error;
    readFlag(options, kLimitRate, error, [&](const QString &text) {
        if (isWord(text, "none")) {
            overrides.speedLimit = std::optional<SpeedLimit>();
            return QString();
        }
        return store(SpeedLimit::parse(text), overrides.speedLimit);
    });
    readFlag(options, kProxy, error, [&](const QString &text) {
        if (isWord(text, "none")) {
            overrides.proxy = QString();
            return QString();
        }
        const Checked<QString> proxy = ProxyAddress::parse(text);
        if (proxy && proxy.value().isEmpty())
            return CliText::tr("give a proxy URL, or none");
        return store(proxy, overrides.proxy);
    });
    readFlag(options, kCookiesFromBrowser, error, [&](const QString &text) {
        if (isWord(text, "none")) {
            overrides.browserCookies = std::optional<BrowserCookies>();
            return QString();
        }
        return store(BrowserCookies::parse(text), overrides.browserCookies);
    });
    readFlag(options, kEmbed, error,
             [&](const QString &text) { return store(EmbedChoices::parse(text), overrides.embed); });
    readFlag(options, kSponsorBlockMark, error, [&](const QString &text) {
        return store(SponsorBlock::parse(text, SponsorBlock::Use::mark), overrides.sponsorBlockMark);
    });
    readFlag(options, kSponsorBlockRemove, error, [&](const QString &text) {
        return store(SponsorBlock::parse(text, SponsorBlock::Use::remove), overrides.sponsorBlockRemove);
    });
    readFlag(options, kTimeRange, error,
             [&](const QString &text) { return store(TimeRange::parse(text), overrides.timeRange); });
    readFlag(options, kTemplate, error, [&](const QString &text) {
        if (isWord(text, "default")) {
            overrides.outputTemplate = QString();
            return QString();
        }
        if (text.isEmpty())
            return CliText::tr("give a template, or default");
        return store(OutputTemplate::check(text), overrides.outputTemplate);
    });
    readFlag(options, kConcurrentFragments, error, [&](const QString &text) {
        return store(AdvancedOptions::parseConcurrentFragments(text), overrides.concurrentFragments);
    });
    readFlag(options, kExtraArgs, error,
             [&](const QString &text) { return store(ExtraArguments::parse(text), overrides.extraArguments); });
    if (!error.isEmpty())
        return error;
    if (options.isSet(kSplitChapters) && options.isSet(kNoSplitChapters))
        return CliText::tr("--split-chapters and --no-split-chapters exclude each other");
    if (options.isSet(kSplitChapters) || options.isSet(kNoSplitChapters))
        overrides.splitChapters = options.isSet(kSplitChapters);
    return {};
}

} // namespace AdvancedFlags

AdvancedOptions AdvancedOverrides::over(AdvancedOptions defaults) const
{
    if (speedLimit)
        defaults.speedLimit = *speedLimit;
    if (proxy)
        defaults.proxy = *proxy;
    if (browserCookies)
        defaults.browserCookies = *browserCookies;
    if (embed)
        defaults.embed = *embed;
    if (sponsorBlockMark)
        defaults.sponsorBlockMark = *sponsorBlockMark;
    if (sponsorBlockRemove)
        defaults.sponsorBlockRemove = *sponsorBlockRemove;
    if (timeRange)
        defaults.timeRange = *timeRange;
    if (outputTemplate)
        defaults.outputTemplate = *outputTemplate;
    if (splitChapters)
        defaults.splitChapters = *splitChapters;
    if (concurrentFragments)
        defaults.concurrentFragments = *concurrentFragments;
    if (extraArguments)
        defaults.extraArguments = *extraArguments;
    return defaults;
}
