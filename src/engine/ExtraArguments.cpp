#include "engine/ExtraArguments.h"

#include "engine/ShellWords.h"
#include "engine/YtDlpOptions.h"

#include <QHash>
#include <QRegularExpression>

namespace ExtraArguments {

namespace {

enum class Reason { runsPrograms, configuration, output, noDownload, replacesTool, otherLinks, progress, ownSetting };

struct Refused
{
    Reason reason;
    const char *setting = nullptr; // for ownSetting: the Tarvelle setting to use instead
};

// Keyed by any spelling of the option.
const QHash<QString, Refused> &refusedOptions()
{
    static const QHash<QString, Refused> table = [] {
        QHash<QString, Refused> t;
        const auto add = [&t](Reason reason, std::initializer_list<const char *> names, const char *setting = nullptr) {
            for (const char *name : names)
                t.insert(QString::fromLatin1(name), {reason, setting});
        };
        add(Reason::runsPrograms,
            {"--exec", "--exec-before-download", "--netrc-cmd", "--use-postprocessor", "--plugin-dirs", "--downloader",
             "--downloader-args", "--ffmpeg-location", "--js-runtimes", "--remote-components", "--sponskrub",
             "--sponskrub-location", "--sponskrub-args", "--sponskrub-cut", "--sponskrub-force"});
        add(Reason::configuration, {"--config-locations", "--no-config-locations", "--ignore-config", "--alias"});
        add(Reason::output, {"--output", "--paths", "--id"});
        add(Reason::noDownload,
            {"--simulate", "--skip-download", "--dump-json", "--dump-single-json", "--print-json", "--print",
             "--get-url", "--get-title", "--get-id", "--get-thumbnail", "--get-description", "--get-duration",
             "--get-filename", "--get-format", "--list-formats", "--list-subs", "--list-thumbnails",
             "--list-extractors", "--extractor-descriptions", "--dump-user-agent", "--ap-list-mso",
             "--list-impersonate-targets", "--help", "--version"});
        add(Reason::replacesTool, {"--update", "--update-to"});
        add(Reason::otherLinks, {"--batch-file", "--load-info-json", "--yes-playlist"});
        add(Reason::progress, {"--no-progress", "--progress-template"});
        add(Reason::ownSetting, {"--proxy"}, QT_TRANSLATE_NOOP("DownloadOptionCheck", "Proxy"));
        add(Reason::ownSetting, {"--limit-rate"}, QT_TRANSLATE_NOOP("DownloadOptionCheck", "Speed limit"));
        add(Reason::ownSetting, {"--concurrent-fragments"},
            QT_TRANSLATE_NOOP("DownloadOptionCheck", "Concurrent fragments"));
        add(Reason::ownSetting, {"--cookies"}, QT_TRANSLATE_NOOP("DownloadOptionCheck", "Cookies file"));
        add(Reason::ownSetting, {"--cookies-from-browser"},
            QT_TRANSLATE_NOOP("DownloadOptionCheck", "Cookies from browser"));
        add(Reason::ownSetting, {"--embed-metadata", "--embed-thumbnail", "--embed-chapters", "--embed-subs"},
            QT_TRANSLATE_NOOP("DownloadOptionCheck", "Embed"));
        add(Reason::ownSetting, {"--sponsorblock-mark"}, QT_TRANSLATE_NOOP("DownloadOptionCheck", "Mark segments"));
        add(Reason::ownSetting, {"--sponsorblock-remove"},
            QT_TRANSLATE_NOOP("DownloadOptionCheck", "Remove segments"));
        add(Reason::ownSetting, {"--download-sections"}, QT_TRANSLATE_NOOP("DownloadOptionCheck", "Time range"));
        add(Reason::ownSetting, {"--split-chapters"},
            QT_TRANSLATE_NOOP("DownloadOptionCheck", "Also save one file per chapter"));
        return t;
    }();
    return table;
}

std::optional<Refused> refusedEntry(const YtDlpOptions::Option &option)
{
    for (const QString &name : option.names) {
        if (const auto it = refusedOptions().constFind(name); it != refusedOptions().cend())
            return *it;
    }
    return std::nullopt;
}

QString reasonText(const Refused &refused, const QString &shown)
{
    switch (refused.reason) {
    case Reason::runsPrograms:
        return OptionText::tr("%1 runs other programs or code, which Tarvelle does not pass on.").arg(shown);
    case Reason::configuration:
        return OptionText::tr("%1 changes where or how yt-dlp reads its configuration.").arg(shown);
    case Reason::output:
        return OptionText::tr("%1 decides where the file goes or what it is called: the output folder and the "
                              "file name template do that.")
            .arg(shown);
    case Reason::noDownload:
        return OptionText::tr("%1 would keep yt-dlp from downloading.").arg(shown);
    case Reason::replacesTool:
        return OptionText::tr("%1 would replace the yt-dlp that comes with Tarvelle.").arg(shown);
    case Reason::otherLinks:
        return OptionText::tr("%1 would make yt-dlp fetch other links than this one.").arg(shown);
    case Reason::progress:
        return OptionText::tr("%1 would hide the progress Tarvelle follows.").arg(shown);
    case Reason::ownSetting:
        return OptionText::tr("%1 has a setting of its own: use \"%2\".")
            .arg(shown, QCoreApplication::translate("DownloadOptionCheck", refused.setting));
    }
    return {};
}

// -o and -P with a type other than the main file's ("chapter:...",
// "thumbnail:...", "temp:...") leave the main file where Tarvelle expects it.
bool namesOtherFiles(const YtDlpOptions::Option &option, const QString &value)
{
    static const QString types = QStringLiteral(
        "chapter|subtitle|thumbnail|description|annotation|infojson|link|pl_video|pl_thumbnail|pl_description|"
        "pl_infojson");
    static const QRegularExpression typed(
        QStringLiteral("^(?:%1)(?:,(?:%1))*:").arg(types), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression typedPath(
        QStringLiteral("^(?:temp|%1)(?:,(?:temp|%1))*:").arg(types), QRegularExpression::CaseInsensitiveOption);
    if (option.names.contains(QLatin1String("--output")))
        return typed.match(value).hasMatch();
    if (option.names.contains(QLatin1String("--paths")))
        return typedPath.match(value).hasMatch();
    return false;
}

// "--exe (--exec)" for an abbreviation, the spelling alone otherwise.
QString shownName(const QString &typed, const YtDlpOptions::Option &option)
{
    return option.names.contains(typed) ? typed : QStringLiteral("%1 (%2)").arg(typed, option.name());
}

// Checks `option` with its values (inline, or the words that follow);
// `index` ends on its last value.
QString checkOption(const YtDlpOptions::Option &option, const QString &typed, const std::optional<QString> &inline_,
                    const QStringList &words, qsizetype &index)
{
    const QString shown = shownName(typed, option);
    QStringList values;
    if (inline_) {
        if (option.arity == 0)
            return OptionText::tr("%1 takes no value.").arg(shown);
        values.append(*inline_);
    }
    while (values.size() < option.arity) {
        if (index + 1 >= words.size())
            return option.arity == 1 ? OptionText::tr("%1 needs a value.").arg(shown)
                                     : OptionText::tr("%1 needs %2 values.").arg(shown).arg(option.arity);
        values.append(words.at(++index));
    }
    if (const std::optional<Refused> refused = refusedEntry(option)) {
        if (!(refused->reason == Reason::output && values.size() == 1 && namesOtherFiles(option, values.first())))
            return reasonText(*refused, shown);
    }
    return {};
}

} // namespace

Checked<QStringList> parse(const QString &text)
{
    Checked<QStringList> words = ShellWords::split(text);
    if (!words)
        return words;
    const QString refused = refusal(words.value());
    return refused.isEmpty() ? words : Checked<QStringList>::refused(refused);
}

QString refusal(const QStringList &words)
{
    for (qsizetype index = 0; index < words.size(); ++index) {
        const QString &word = words.at(index);
        if (word == QLatin1String("--"))
            return OptionText::tr("\"--\" would make yt-dlp take every word after it for a link.");
        if (word.startsWith(QLatin1String("--"))) {
            const qsizetype equals = word.indexOf(QLatin1Char('='));
            const QString typed = equals < 0 ? word : word.left(equals);
            const std::optional<QString> value =
                equals < 0 ? std::nullopt : std::optional<QString>(word.mid(equals + 1));
            const YtDlpOptions::LongMatch match = YtDlpOptions::matchLong(typed);
            if (!match.option && match.candidates.isEmpty())
                return OptionText::tr("yt-dlp has no option %1.").arg(typed);
            if (!match.option) {
                QStringList names;
                for (const YtDlpOptions::Option *candidate : match.candidates)
                    names.append(candidate->name());
                return OptionText::tr("%1 could mean %2: write the option out in full.")
                    .arg(typed, names.join(QStringLiteral(", ")));
            }
            if (QString error = checkOption(*match.option, typed, value, words, index); !error.isEmpty())
                return error;
        } else if (word.startsWith(QLatin1Char('-')) && word.size() > 1) {
            // One-letter options may be joined ("-xk"); the first that takes
            // a value takes the rest of the word, or the next words.
            for (qsizetype at = 1; at < word.size(); ++at) {
                const QString typed = QStringLiteral("-") + word.at(at);
                const YtDlpOptions::Option *option = YtDlpOptions::findShort(word.at(at));
                if (!option)
                    return OptionText::tr("yt-dlp has no option %1.").arg(typed);
                const std::optional<QString> rest =
                    option->arity > 0 && at + 1 < word.size() ? std::optional<QString>(word.mid(at + 1)) : std::nullopt;
                if (QString error = checkOption(*option, typed, rest, words, index); !error.isEmpty())
                    return error;
                if (option->arity > 0)
                    break;
            }
        } else {
            return OptionText::tr("\"%1\" is no option: yt-dlp would take it for a link.").arg(word);
        }
    }
    return {};
}

} // namespace ExtraArguments
