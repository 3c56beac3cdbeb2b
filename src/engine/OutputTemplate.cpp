#include "engine/OutputTemplate.h"

#include "engine/DownloadCommandBuilder.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace OutputTemplate {

namespace {

// One %-sequence as Python's % formatting with yt-dlp's own conversions
// (B j h l q D S U) reads it: key, flags, width, precision, length, type.
const QRegularExpression &fieldPattern()
{
    static const QRegularExpression pattern(QStringLiteral(
        "%(?:%|\\((?<key>[^)]*)\\)(?<flags>[#0\\-+ ]*)(?<width>\\d*)(?:\\.(?<precision>\\d+))?[hlL]?"
        "(?<type>[diouxXeEfFgGcrsaBjhlqDSU]))"));
    return pattern;
}

bool hasControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c < QChar(0x20) || c == QChar(0x7f); });
}

// yt-dlp's replacements in field values for characters a file name should
// not hold: full-width look-alikes; control characters are dropped.
QString sanitized(const QString &value)
{
    QString result;
    result.reserve(value.size());
    for (const QChar c : value) {
        if (c == QLatin1Char('/'))
            result += QChar(0x29F8);
        else if (c == QLatin1Char('\\'))
            result += QChar(0x29F9);
        else if (QStringView(u"\"*:<>?|").contains(c))
            result += QChar(c.unicode() + 0xFEE0);
        else if (c == QLatin1Char('\n'))
            result += QLatin1Char(' ');
        else if (c >= QChar(0x20) && c != QChar(0x7f))
            result += c;
    }
    return result;
}

// The first `bytes` bytes of `text` in UTF-8, never half a character.
QString truncatedToBytes(const QString &text, qsizetype bytes)
{
    QByteArray utf8 = text.toUtf8();
    if (utf8.size() <= bytes)
        return text;
    // A cut before a continuation byte would split a character: cut before
    // the character instead.
    qsizetype end = bytes;
    while (end > 0 && (static_cast<unsigned char>(utf8.at(end)) & 0xC0) == 0x80)
        --end;
    utf8.truncate(end);
    return QString::fromUtf8(utf8);
}

std::optional<QString> knownField(const QString &name, const MediaMetadata &record, const QString &ext)
{
    if (name == QLatin1String("id") || name == QLatin1String("display_id"))
        return record.id;
    if (name == QLatin1String("title") || name == QLatin1String("fulltitle"))
        return record.title;
    if (name == QLatin1String("ext"))
        return ext;
    if (name == QLatin1String("webpage_url"))
        return record.webpageUrl;
    if ((name == QLatin1String("uploader") || name == QLatin1String("creator")) && record.uploader)
        return *record.uploader;
    if (name == QLatin1String("extractor") && record.extractor)
        return *record.extractor;
    if (name == QLatin1String("description") && record.description)
        return *record.description;
    if (name == QLatin1String("duration") && record.duration)
        return QString::number(static_cast<qint64>(*record.duration));
    if (name == QLatin1String("duration_string") && record.durationString())
        return *record.durationString();
    return std::nullopt;
}

// The field names of a key, one per alternative ("a,b"), before its
// replacement ("&text") and default ("|text"): "a.b" for a field inside
// another.
QStringList namesOf(const QString &key)
{
    static const QRegularExpression leadingName(QStringLiteral("^\\s*([A-Za-z_][\\w.]*)"));
    QStringList names;
    const QString fields = key.section(QLatin1Char('|'), 0, 0).section(QLatin1Char('&'), 0, 0);
    for (const QString &alternative : fields.split(QLatin1Char(',')))
        names.append(leadingName.match(alternative).captured(1));
    return names;
}

// The value of one field key: the first of its alternatives the analysis
// knows, else its default ("|text"), else <name>. Operators after a field
// name (maths, dates, replacements) are not evaluated.
QString fieldValue(const QString &key, const MediaMetadata &record, const QString &ext, bool inFolder,
                   bool &isNumber)
{
    const qsizetype bar = key.indexOf(QLatin1Char('|'));
    QString firstName;
    for (const QString &name : namesOf(key)) {
        if (firstName.isEmpty())
            firstName = name;
        if (const std::optional<QString> value = knownField(name, record, ext)) {
            isNumber = name == QLatin1String("duration");
            // As the download command has yt-dlp write them (folderFieldNames).
            if (inFolder && (*value == QLatin1String(".") || *value == QLatin1String("..")))
                return QStringLiteral("_");
            return sanitized(*value);
        }
    }
    isNumber = false;
    if (bar >= 0)
        return key.mid(bar + 1);
    return QLatin1Char('<') + (firstName.isEmpty() ? key : firstName) + QLatin1Char('>');
}

QString formatted(const QRegularExpressionMatch &field, const MediaMetadata &record, const QString &ext,
                  bool inFolder)
{
    bool isNumber = false;
    QString value = fieldValue(field.captured(u"key"), record, ext, inFolder, isNumber);
    const QString flags = field.captured(u"flags");
    const QChar type = field.captured(u"type").at(0);
    if (!field.captured(u"precision").isEmpty()) {
        const qsizetype precision = field.captured(u"precision").toLongLong();
        if (type == QLatin1Char('B'))
            value = truncatedToBytes(value, precision);
        else if (type == QLatin1Char('s'))
            value = value.left(precision);
    }
    const qsizetype width = field.captured(u"width").toLongLong();
    if (value.size() < width) {
        const bool zeros = isNumber && flags.contains(QLatin1Char('0')) && !flags.contains(QLatin1Char('-'));
        const QString padding(width - value.size(), zeros ? QLatin1Char('0') : QLatin1Char(' '));
        value = flags.contains(QLatin1Char('-')) ? value + padding : padding + value;
    }
    return value;
}

// What `text` holds besides its fields, "%%" written as "%".
QString withoutFields(const QString &text)
{
    QString literal;
    qsizetype copied = 0;
    QRegularExpressionMatchIterator fields = fieldPattern().globalMatch(text);
    while (fields.hasNext()) {
        const QRegularExpressionMatch field = fields.next();
        literal += QStringView(text).mid(copied, field.capturedStart() - copied);
        if (!field.hasCaptured(u"key"))
            literal += QLatin1Char('%');
        copied = field.capturedEnd();
    }
    return literal + text.mid(copied);
}

} // namespace

QString defaultTemplate()
{
    return DownloadCommandBuilder::kOutputTemplate;
}

Checked<QString> check(const QString &text)
{
    if (text.isEmpty())
        return text;
    if (hasControlCharacter(text))
        return Checked<QString>::refused(OptionText::tr("A file name template cannot hold line breaks."));
    for (qsizetype at = text.indexOf(QLatin1Char('%')); at >= 0; at = text.indexOf(QLatin1Char('%'), at)) {
        const QRegularExpressionMatch field =
            fieldPattern().match(text, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        // A key holding "(" is a field left open before the next one.
        if (!field.hasMatch() || field.captured(u"key").contains(QLatin1Char('(')))
            return Checked<QString>::refused(
                OptionText::tr("\"%1\" is no field: write fields as %(name)s, as in %(title)s, and a percent sign "
                               "as %%.")
                    .arg(text.mid(at, 12)));
        if (field.hasCaptured(u"key") && field.captured(u"key").trimmed().isEmpty())
            return Checked<QString>::refused(OptionText::tr("A field of the template names nothing: %()s."));
        at = field.capturedEnd();
    }
    if (!text.endsWith(QLatin1String(".%(ext)s")))
        return Checked<QString>::refused(
            OptionText::tr("End the template with .%(ext)s, so the file keeps its type."));
    const QStringList folders = text.split(QLatin1Char('/'));
    if (text.startsWith(QLatin1Char('/')) || text.startsWith(QLatin1Char('~')))
        return Checked<QString>::refused(
            OptionText::tr("The template names a file inside the output folder: do not start it with / or ~."));
    // Fields may be empty, so a folder ".%(a)s." may be ".." too; the file
    // name itself ends with its extension.
    if (std::any_of(folders.begin(), folders.end() - 1,
                    [](const QString &folder) { return withoutFields(folder) == QLatin1String(".."); }))
        return Checked<QString>::refused(
            OptionText::tr("The template names a file inside the output folder: \"..\" would leave it."));
    return text;
}

QStringList folderFieldNames(const QString &templateText)
{
    QStringList names;
    const QString folders = templateText.left(std::max<qsizetype>(templateText.lastIndexOf(QLatin1Char('/')), 0));
    QRegularExpressionMatchIterator fields = fieldPattern().globalMatch(folders);
    while (fields.hasNext()) {
        const QRegularExpressionMatch field = fields.next();
        if (!field.hasCaptured(u"key"))
            continue;
        for (const QString &name : namesOf(field.captured(u"key"))) {
            const QString topLevel = name.section(QLatin1Char('.'), 0, 0);
            if (!topLevel.isEmpty() && !names.contains(topLevel))
                names.append(topLevel);
        }
    }
    return names;
}

QString preview(const QString &templateText, const MediaMetadata &record, const QString &ext)
{
    QString result;
    qsizetype copied = 0;
    for (qsizetype at = templateText.indexOf(QLatin1Char('%')); at >= 0;
         at = templateText.indexOf(QLatin1Char('%'), at)) {
        const QRegularExpressionMatch field = fieldPattern().match(
            templateText, at, QRegularExpression::NormalMatch, QRegularExpression::AnchorAtOffsetMatchOption);
        if (!field.hasMatch()) {
            ++at;
            continue;
        }
        result += QStringView(templateText).mid(copied, at - copied);
        const bool inFolder = templateText.indexOf(QLatin1Char('/'), at) >= 0;
        result += field.hasCaptured(u"key") ? formatted(field, record, ext, inFolder) : QStringLiteral("%");
        at = copied = field.capturedEnd();
    }
    result += QStringView(templateText).mid(copied);
    return result;
}

QString expectedExtension(const MediaMetadata &record, MediaKind kind, AudioFormat audio)
{
    if (kind == MediaKind::video)
        return QStringLiteral("mp4");
    if (audio != AudioFormat::best)
        return AudioFormats::rawValue(audio);
    // yt-dlp keeps the best audio's codec and names the file after it.
    static const QList<std::pair<QString, QString>> byCodec{
        {QStringLiteral("opus"), QStringLiteral("opus")}, {QStringLiteral("vorbis"), QStringLiteral("ogg")},
        {QStringLiteral("mp3"), QStringLiteral("mp3")},   {QStringLiteral("flac"), QStringLiteral("flac")},
        {QStringLiteral("mp4a"), QStringLiteral("m4a")},  {QStringLiteral("aac"), QStringLiteral("m4a")}};
    // yt-dlp lists formats from worst to best: the last audio-only one, or
    // the last of all when none is audio-only.
    const MediaFormat *best = record.formats.isEmpty() ? nullptr : &record.formats.last();
    for (const MediaFormat &format : record.formats) {
        if (format.vcodec == QLatin1String("none") && format.acodec != QLatin1String("none"))
            best = &format;
    }
    if (!best)
        return QStringLiteral("m4a");
    for (const auto &[codec, extension] : byCodec) {
        if (best->acodec && best->acodec->startsWith(codec))
            return extension;
    }
    if (best->ext == QLatin1String("mp4") || best->ext == QLatin1String("m4a"))
        return QStringLiteral("m4a");
    return best->ext == QLatin1String("webm") ? QStringLiteral("opus") : best->ext;
}

} // namespace OutputTemplate
