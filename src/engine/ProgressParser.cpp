#include "engine/ProgressParser.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QJsonValue>
#include <QLocale>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {

// 2^63: the first double that no longer fits a qint64.
constexpr double kInt64Bound = 9223372036854775808.0;

// Spaces and tabs only: a carriage return at the end of a line is kept.
bool isHorizontalSpace(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

QStringView trimmed(QStringView text)
{
    while (!text.isEmpty() && isHorizontalSpace(text.front()))
        text = text.sliced(1);
    while (!text.isEmpty() && isHorizontalSpace(text.back()))
        text.chop(1);
    return text;
}

bool isNotAvailable(QStringView text)
{
    return text == u"NA" || text == u"N/A" || text == u"?";
}

// Cut toward zero; absent outside the signed 64-bit range.
std::optional<qint64> wholeNumber(double value)
{
    const double whole = std::trunc(value);
    if (!(whole >= -kInt64Bound && whole < kInt64Bound))
        return std::nullopt;
    return static_cast<qint64>(whole);
}

// Bytes in one unit as yt-dlp prints sizes: binary units ("KiB" up to "YiB")
// count in 1024s, decimal ones ("kB" up to "YB") in 1000s, case aside. Absent
// for a unit it does not print, so a size is unknown rather than wrong.
std::optional<double> unitFactor(const QString &unit)
{
    if (unit.isEmpty() || unit == u"b")
        return 1.0;
    static constexpr QLatin1String kPrefixes("kmgtpezy");
    const bool binary = unit.size() == 3 && unit[1] == u'i' && unit[2] == u'b';
    const bool decimal = unit.size() == 2 && unit[1] == u'b';
    const qsizetype power = kPrefixes.indexOf(unit[0]) + 1;
    if ((!binary && !decimal) || power == 0)
        return std::nullopt;
    double factor = 1;
    for (qsizetype step = 0; step < power; ++step)
        factor *= binary ? 1024 : 1000;
    return factor;
}

std::optional<qint64> intOrNil(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return std::nullopt;
    // Integers are kept exact; a fraction is cut toward zero.
    constexpr qint64 kNotWhole = std::numeric_limits<qint64>::min();
    const qint64 exact = value.toInteger(kNotWhole);
    if (exact != kNotWhole)
        return exact;
    return wholeNumber(value.toDouble());
}

// Text and numbers become display text; null, booleans, arrays and objects
// have nothing to show and give the empty text, like yt-dlp's "NA".
QString stringOrEmpty(const QJsonObject &object, QLatin1String key)
{
    const QJsonValue value = object.value(key);
    QString text;
    if (value.isString()) {
        text = value.toString();
    } else if (value.isDouble()) {
        constexpr qint64 kNotWhole = std::numeric_limits<qint64>::min();
        const qint64 exact = value.toInteger(kNotWhole);
        text = exact != kNotWhole ? QString::number(exact)
                                  : QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    }
    const QStringView shown = trimmed(text);
    return isNotAvailable(shown) ? QString() : shown.toString();
}

ProgressStage inferStage(const QString &filename)
{
    static constexpr std::array<QLatin1String, 8> kAudioExtensions{
        QLatin1String(".m4a"), QLatin1String(".opus"), QLatin1String(".ogg"),
        QLatin1String(".aac"), QLatin1String(".mp3"),  QLatin1String(".wav"),
        QLatin1String(".flac"), QLatin1String(".mka"),
    };
    const QString lower = filename.toLower();
    for (QLatin1String extension : kAudioExtensions) {
        if (lower.endsWith(extension))
            return ProgressStage::audio;
    }
    return lower.contains(u"audio") ? ProgressStage::audio : ProgressStage::downloading;
}

std::optional<double> fraction(std::optional<qint64> part, std::optional<qint64> whole)
{
    if (!part || !whole)
        return std::nullopt;
    return static_cast<double>(*part) / static_cast<double>(*whole);
}

DownloadProgress parseJSON(QStringView json)
{
    DownloadProgress progress;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return progress;
    const QJsonObject object = document.object();

    auto positive = [](std::optional<qint64> value) { return value && *value > 0 ? value : std::nullopt; };
    progress.downloadedBytes = intOrNil(object, QLatin1String("downloaded_bytes"));
    progress.totalBytes = positive(intOrNil(object, QLatin1String("total_bytes")));
    progress.estimatedTotalBytes = positive(intOrNil(object, QLatin1String("total_bytes_estimate")));
    progress.fragmentIndex = intOrNil(object, QLatin1String("fragment_index"));
    progress.fragmentCount = intOrNil(object, QLatin1String("fragment_count"));
    progress.speed = stringOrEmpty(object, QLatin1String("_speed_str"));
    progress.eta = stringOrEmpty(object, QLatin1String("_eta_str"));
    progress.filename = stringOrEmpty(object, QLatin1String("filename"));

    std::optional<double> percent = fraction(progress.downloadedBytes, progress.totalBytes);
    if (!percent)
        percent = fraction(progress.downloadedBytes, progress.estimatedTotalBytes);
    if (!percent && progress.fragmentCount.value_or(0) >= 1)
        percent = fraction(progress.fragmentIndex, progress.fragmentCount);
    if (percent)
        progress.percent = std::clamp(*percent, 0.0, 1.0);

    progress.stage = inferStage(progress.filename);
    return progress;
}

// A plain "[download]" line such as
// "[download]  45.3% of  120.50MiB at    2.10MiB/s ETA 00:54".
ProgressEvent percentageReading(const QString &line)
{
    static const QRegularExpression percentPattern(QStringLiteral(R"((\d+(?:\.\d+)?)%)"));
    static const QRegularExpression totalPattern(QStringLiteral(R"(of\s+([0-9.]+\s*[A-Za-z]+|N/A))"));
    static const QRegularExpression speedPattern(QStringLiteral(R"(at\s+([0-9.]+\s*[A-Za-z]+/s))"));
    static const QRegularExpression etaPattern(QStringLiteral(R"(ETA\s+(\S+))"));

    const QRegularExpressionMatch percentMatch = percentPattern.match(line);
    if (!percentMatch.hasMatch())
        return ProgressEvent::None{};
    bool readable = false;
    const double printed = percentMatch.capturedView(1).toDouble(&readable);
    // Only a run of digits longer than any double can hold fails here.
    if (!readable || !std::isfinite(printed))
        return ProgressEvent::None{};

    DownloadProgress progress;
    progress.percent = printed / 100.0;
    if (const QRegularExpressionMatch total = totalPattern.match(line); total.hasMatch())
        progress.totalBytes = ProgressParser::humanReadableToBytes(total.capturedView(1));
    if (const QRegularExpressionMatch speed = speedPattern.match(line); speed.hasMatch())
        progress.speed = speed.captured(1);
    if (const QRegularExpressionMatch eta = etaPattern.match(line); eta.hasMatch())
        progress.eta = eta.captured(1);
    progress.stage = ProgressStage::downloading;
    return progress;
}

// yt-dlp's report of another attempt after an error, the same in 2023 and
// 2026 releases: "[download] Got error: <why>. Retrying (3/10)...", with
// "fragment 5" or "fragments" after "Retrying" for fragmented downloads, a
// "WARNING:" line for extractors and post-processors, and "inf" for the
// limit of --retries infinite.
std::optional<DownloadRetry> retryReading(const QString &line)
{
    static const QRegularExpression retryPattern(
        QStringLiteral(R"(Retrying(?: fragments?(?: \d+)?)? \((\d+)/(\d+|inf)\)\.\.\.\s*$)"));
    const QRegularExpressionMatch match = retryPattern.match(line);
    if (!match.hasMatch())
        return std::nullopt;
    bool readable = false;
    DownloadRetry retry;
    retry.attempt = match.capturedView(1).toLongLong(&readable);
    if (!readable || retry.attempt < 1)
        return std::nullopt;
    if (match.capturedView(2) != u"inf") {
        retry.limit = match.capturedView(2).toLongLong(&readable);
        if (!readable || *retry.limit < 1)
            return std::nullopt;
    }
    return retry;
}

// yt-dlp's own text: retries, post-processor lines (also in the form
// "[Merger] postprocess started" of the postprocess progress template) and
// plain "[download]" progress.
ProgressEvent plainText(const QString &line)
{
    static constexpr std::array<QLatin1String, 3> kMerging{
        QLatin1String("[merger]"), QLatin1String("[ffmpeg]"), QLatin1String("merging")};
    static constexpr std::array<QLatin1String, 3> kFinalizing{
        QLatin1String("deleting original file"), QLatin1String("postprocess"),
        QLatin1String("remuxing")};

    // First: the error text before "Retrying" may hold any keyword below.
    if (const std::optional<DownloadRetry> retry = retryReading(line))
        return *retry;
    const QString lower = line.toLower();
    auto containsAny = [&lower](const auto &keywords) {
        return std::any_of(keywords.begin(), keywords.end(),
                           [&lower](QLatin1String keyword) { return lower.contains(keyword); });
    };
    if (containsAny(kMerging))
        return ProgressEvent::Stage{ProgressStages::rawValue(ProgressStage::merging)};
    if (containsAny(kFinalizing))
        return ProgressEvent::Stage{ProgressStages::rawValue(ProgressStage::finalizing)};
    if (lower.contains(QLatin1String("[download]")))
        return percentageReading(line);
    return ProgressEvent::None{};
}

} // namespace

namespace ProgressParser {

ProgressEvent parse(const QString &line)
{
    return plainText(line);
}

ProgressEvent parseRecord(QStringView json)
{
    // From its "{" through the last "}": a line yt-dlp ran into the record
    // still gives it.
    const QStringView rest = trimmed(json);
    const qsizetype close = rest.lastIndexOf(u'}');
    if (rest.isEmpty() || rest.front() != u'{' || close < 0)
        return ProgressEvent::None{};
    return parseJSON(rest.first(close + 1));
}

std::optional<qint64> humanReadableToBytes(QStringView text)
{
    static const QRegularExpression sizePattern(QStringLiteral(R"(([0-9]+(?:\.[0-9]+)?)\s*([A-Za-z]*))"));

    const QStringView size = trimmed(text);
    if (size.isEmpty() || isNotAvailable(size))
        return std::nullopt;
    const QRegularExpressionMatch match = sizePattern.match(size.toString());
    if (!match.hasMatch())
        return std::nullopt;
    bool readable = false;
    const double amount = match.capturedView(1).toDouble(&readable);
    if (!readable)
        return std::nullopt;

    const std::optional<double> factor = unitFactor(match.capturedView(2).toString().toLower());
    if (!factor)
        return std::nullopt;
    // Sizes are never negative, so only the upper bound can be crossed.
    return wholeNumber(amount * *factor);
}

} // namespace ProgressParser
