// The stored advanced download options of AppSettings.
#include "settings/AppSettings.h"

#include "engine/ExtraArguments.h"
#include "engine/OutputTemplate.h"
#include "engine/ProxyAddress.h"
#include "engine/SponsorBlock.h"

#include <QJsonArray>

namespace {

const QString kSpeedLimitKey = QStringLiteral("speedLimit");
const QString kProxyKey = QStringLiteral("proxy");
const QString kCookiesFromBrowserKey = QStringLiteral("cookiesFromBrowser");
const QString kEmbedMetadataKey = QStringLiteral("embedMetadata");
const QString kEmbedThumbnailKey = QStringLiteral("embedThumbnail");
const QString kEmbedChaptersKey = QStringLiteral("embedChapters");
const QString kEmbedSubtitlesKey = QStringLiteral("embedSubtitles");
const QString kSponsorBlockMarkKey = QStringLiteral("sponsorBlockMark");
const QString kSponsorBlockRemoveKey = QStringLiteral("sponsorBlockRemove");
const QString kOutputTemplateKey = QStringLiteral("outputTemplate");
const QString kSplitChaptersKey = QStringLiteral("splitChapters");
const QString kConcurrentFragmentsKey = QStringLiteral("concurrentFragments");
const QString kExtraArgumentsKey = QStringLiteral("extraArguments");

// A checked value, or the option's default when the check refuses it.
template <typename T>
T orDefault(const Checked<T> &checked, T fallback)
{
    return checked ? checked.value() : fallback;
}

// The stored extra arguments: a list of texts yt-dlp may be given, else none.
QStringList storedWords(const QJsonValue &value)
{
    QStringList words;
    for (const QJsonValue word : value.toArray()) {
        if (!word.isString())
            return {};
        words.append(word.toString());
    }
    return ExtraArguments::refusal(words).isEmpty() ? words : QStringList();
}

} // namespace

const QStringList &AppSettings::advancedKeys()
{
    static const QStringList keys{kSpeedLimitKey,         kProxyKey,           kCookiesFromBrowserKey,
                                  kEmbedMetadataKey,      kEmbedThumbnailKey,  kEmbedChaptersKey,
                                  kEmbedSubtitlesKey,     kSponsorBlockMarkKey, kSponsorBlockRemoveKey,
                                  kOutputTemplateKey,     kSplitChaptersKey,   kConcurrentFragmentsKey,
                                  kExtraArgumentsKey};
    return keys;
}

AdvancedOptions AppSettings::advancedDefaults() const
{
    AdvancedOptions options;
    if (const Checked<SpeedLimit> speed = SpeedLimit::parse(text(kSpeedLimitKey, QString())))
        options.speedLimit = speed.value();
    options.proxy = orDefault(ProxyAddress::parse(text(kProxyKey, QString())), QString());
    if (const Checked<BrowserCookies> cookies = BrowserCookies::parse(text(kCookiesFromBrowserKey, QString())))
        options.browserCookies = cookies.value();
    options.embed = {boolean(kEmbedMetadataKey, false), boolean(kEmbedThumbnailKey, false),
                     boolean(kEmbedChaptersKey, false), boolean(kEmbedSubtitlesKey, false)};
    options.sponsorBlockMark =
        orDefault(SponsorBlock::parse(text(kSponsorBlockMarkKey, QString()), SponsorBlock::Use::mark), QStringList());
    options.sponsorBlockRemove = orDefault(
        SponsorBlock::parse(text(kSponsorBlockRemoveKey, QString()), SponsorBlock::Use::remove), QStringList());
    options.outputTemplate = orDefault(OutputTemplate::check(text(kOutputTemplateKey, QString())), QString());
    if (options.outputTemplate == OutputTemplate::kEarlierDefault)
        options.outputTemplate.clear();
    options.splitChapters = boolean(kSplitChaptersKey, false);
    if (const QJsonValue fragments = m_store.value(kConcurrentFragmentsKey); fragments.isDouble())
        options.concurrentFragments =
            orDefault(AdvancedOptions::parseConcurrentFragments(QString::number(fragments.toDouble())), 1);
    options.extraArguments = storedWords(m_store.value(kExtraArgumentsKey));
    return options;
}

void AppSettings::setAdvancedDefaults(const AdvancedOptions &options)
{
    const AdvancedOptions stored = advancedDefaults();
    if (options.speedLimit != stored.speedLimit)
        m_store.setValue(kSpeedLimitKey, options.speedLimit ? options.speedLimit->text() : QString());
    if (options.proxy != stored.proxy)
        m_store.setValue(kProxyKey, options.proxy);
    if (options.browserCookies != stored.browserCookies)
        m_store.setValue(kCookiesFromBrowserKey, options.browserCookies ? options.browserCookies->text() : QString());
    if (options.embed.metadata != stored.embed.metadata)
        m_store.setValue(kEmbedMetadataKey, options.embed.metadata);
    if (options.embed.thumbnail != stored.embed.thumbnail)
        m_store.setValue(kEmbedThumbnailKey, options.embed.thumbnail);
    if (options.embed.chapters != stored.embed.chapters)
        m_store.setValue(kEmbedChaptersKey, options.embed.chapters);
    if (options.embed.subtitles != stored.embed.subtitles)
        m_store.setValue(kEmbedSubtitlesKey, options.embed.subtitles);
    if (options.sponsorBlockMark != stored.sponsorBlockMark)
        m_store.setValue(kSponsorBlockMarkKey, options.sponsorBlockMark.join(QLatin1Char(',')));
    if (options.sponsorBlockRemove != stored.sponsorBlockRemove)
        m_store.setValue(kSponsorBlockRemoveKey, options.sponsorBlockRemove.join(QLatin1Char(',')));
    if (options.outputTemplate != stored.outputTemplate)
        m_store.setValue(kOutputTemplateKey, options.outputTemplate);
    if (options.splitChapters != stored.splitChapters)
        m_store.setValue(kSplitChaptersKey, options.splitChapters);
    if (options.concurrentFragments != stored.concurrentFragments)
        m_store.setValue(kConcurrentFragmentsKey, options.concurrentFragments);
    if (options.extraArguments != stored.extraArguments)
        m_store.setValue(kExtraArgumentsKey, QJsonArray::fromStringList(options.extraArguments));
}
