#include "engine/ExtraArguments.h"

#include "engine/ExtraArgumentRules.h"
#include "engine/ShellWords.h"
#include "engine/YtDlpOptions.h"

#include <QRegularExpression>

namespace ExtraArguments {

namespace {

using ExtraArgumentRules::Reason;
using ExtraArgumentRules::Rule;

QString reasonText(const Rule &rule, const QString &shown)
{
    switch (rule.reason) {
    case Reason::notListed:
        return OptionText::tr("Tarvelle does not pass on %1: it is not among the yt-dlp options known to be safe.")
            .arg(shown);
    case Reason::runsPrograms:
        return OptionText::tr("%1 runs other programs or code, which Tarvelle does not pass on.").arg(shown);
    case Reason::configuration:
        return OptionText::tr("%1 changes where or how yt-dlp reads its configuration.").arg(shown);
    case Reason::writesElsewhere:
        return OptionText::tr("%1 could write or remove files outside the output folder.").arg(shown);
    case Reason::localFiles:
        return OptionText::tr("%1 would let yt-dlp read files on this computer.").arg(shown);
    case Reason::safetyChecks:
        return OptionText::tr("%1 can turn off checks that keep yt-dlp safe.").arg(shown);
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
            .arg(shown, QCoreApplication::translate("DownloadOptionCheck", rule.setting));
    }
    return {};
}

// The path of an -o or -P value naming other files than the main one
// ("chapter:...", "thumbnail:...", "temp:..."); nullopt for the main file's.
std::optional<QString> otherFilesPath(const YtDlpOptions::Option &option, const QString &value)
{
    static const QString types = QStringLiteral(
        "chapter|subtitle|thumbnail|description|annotation|infojson|link|pl_video|pl_thumbnail|pl_description|"
        "pl_infojson");
    static const QRegularExpression typed(
        QStringLiteral("^(?:%1)(?:,(?:%1))*:").arg(types), QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression typedPath(
        QStringLiteral("^(?:temp|%1)(?:,(?:temp|%1))*:").arg(types), QRegularExpression::CaseInsensitiveOption);
    const QRegularExpression &pattern = option.name() == QLatin1String("--output") ? typed : typedPath;
    const QRegularExpressionMatch match = pattern.match(value);
    return match.hasMatch() ? std::optional<QString>(value.mid(match.capturedEnd())) : std::nullopt;
}

// yt-dlp expands ~ and $VARIABLES in these paths, and takes them from its
// working folder, the output folder.
bool staysInside(const QString &path)
{
    return !path.startsWith(QLatin1Char('/')) && !path.startsWith(QLatin1Char('~')) &&
           !path.contains(QLatin1Char('$')) && !path.split(QLatin1Char('/')).contains(QLatin1String(".."));
}

QString insideFolderRefusal(const YtDlpOptions::Option &option, const QString &shown, const QString &value)
{
    const std::optional<QString> path = otherFilesPath(option, value);
    if (!path)
        return reasonText({ExtraArgumentRules::Kind::refused, Reason::output}, shown);
    if (!staysInside(*path))
        return OptionText::tr("%1 names a place outside the output folder: use a path inside it, without /, ~, $ "
                              "or .. at the start or between folders.")
            .arg(shown);
    return {};
}

// yt-dlp's EJS code runs unchecked in dev mode ("youtube-ejs:dev=true"),
// and any "dev" argument is meant for people working on an extractor.
QString extractorArgumentsRefusal(const QString &shown, const QString &value)
{
    const qsizetype colon = value.indexOf(QLatin1Char(':'));
    const QString extractor = value.left(colon).trimmed().toLower();
    bool dev = false;
    for (const QString &argument : value.mid(colon + 1).split(QLatin1Char(';'))) {
        QString key = argument.section(QLatin1Char('='), 0, 0).trimmed().toLower();
        dev = dev || key.replace(QLatin1Char('-'), QLatin1Char('_')) == QLatin1String("dev");
    }
    if (extractor == QLatin1String("youtube-ejs") || dev)
        return OptionText::tr("%1 \"%2\" would run code that yt-dlp has not checked.").arg(shown, value);
    return {};
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
    const Rule rule = ExtraArgumentRules::ruleFor(option);
    switch (rule.kind) {
    case ExtraArgumentRules::Kind::allowed:
        return {};
    case ExtraArgumentRules::Kind::insideFolder:
        return insideFolderRefusal(option, shown, values.first());
    case ExtraArgumentRules::Kind::extractorArguments:
        return extractorArgumentsRefusal(shown, values.first());
    case ExtraArgumentRules::Kind::refused:
        return reasonText(rule, shown);
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
                return reasonText({}, typed);
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
                    return reasonText({}, typed);
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
