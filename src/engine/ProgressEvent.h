#pragma once

#include <QList>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <optional>
#include <utility>
#include <variant>

// What one line of yt-dlp output says about a running download.

// The phase a progress record belongs to. The parser only produces
// `downloading`, `audio` and `unknown`; merging and finalizing travel as
// ProgressEvent::Stage, whose text is the raw value of those two cases.
enum class ProgressStage {
    downloading,
    audio,
    merging,
    finalizing,
    unknown,
};

namespace ProgressStages {

// Every case, in declaration order.
const QList<ProgressStage> &all();

// The case name.
QString rawValue(ProgressStage stage);

// Exact, case-sensitive match on the raw text.
std::optional<ProgressStage> fromRawValue(QStringView raw);

} // namespace ProgressStages

// One progress report. Absent numbers mean yt-dlp did not give them; the job
// keeps its previous value for those. Every field has an initialiser so that
// designated initialisers may name only the fields they set.
struct DownloadProgress
{
    std::optional<double> percent{}; // 1.0 means done; plain-text readings are not clamped
    std::optional<qint64> downloadedBytes{};
    std::optional<qint64> totalBytes{};
    std::optional<qint64> estimatedTotalBytes{};
    QString speed{}; // display text, e.g. "2.10MiB/s"
    QString eta{};   // display text, e.g. "00:54"
    std::optional<qint64> fragmentIndex{};
    std::optional<qint64> fragmentCount{};
    QString filename{};
    ProgressStage stage = ProgressStage::unknown;

    friend bool operator==(const DownloadProgress &, const DownloadProgress &) = default;
};

// yt-dlp trying again after an error ("Retrying (3/10)..."): the attempt and
// the most it makes; no limit when it retries without end.
struct DownloadRetry
{
    qint64 attempt = 0;
    std::optional<qint64> limit{};

    friend bool operator==(const DownloadRetry &, const DownloadRetry &) = default;
};

// One parsed output line: a progress record, the final file's path, a
// post-processing phase, a retry, or nothing usable.
class ProgressEvent
{
public:
    struct Filepath
    {
        QString path;
        friend bool operator==(const Filepath &, const Filepath &) = default;
    };
    // `name` is "merging" or "finalizing".
    struct Stage
    {
        QString name;
        friend bool operator==(const Stage &, const Stage &) = default;
    };
    struct None
    {
        friend bool operator==(const None &, const None &) = default;
    };
    using Value = std::variant<DownloadProgress, Filepath, Stage, DownloadRetry, None>;

    ProgressEvent() = default;
    ProgressEvent(DownloadProgress progress) : m_value(std::move(progress)) {}
    ProgressEvent(Filepath filepath) : m_value(std::move(filepath)) {}
    ProgressEvent(Stage stage) : m_value(std::move(stage)) {}
    ProgressEvent(DownloadRetry retry) : m_value(retry) {}
    ProgressEvent(None none) : m_value(none) {}

    const Value &value() const { return m_value; }

    // The payload when the event is of that kind, otherwise null.
    const DownloadProgress *progress() const { return std::get_if<DownloadProgress>(&m_value); }
    const Filepath *filepath() const { return std::get_if<Filepath>(&m_value); }
    const Stage *stage() const { return std::get_if<Stage>(&m_value); }
    const DownloadRetry *retry() const { return std::get_if<DownloadRetry>(&m_value); }
    bool isNone() const { return std::holds_alternative<None>(m_value); }

    // Readable form for logs and test failures.
    QString describe() const;

    friend bool operator==(const ProgressEvent &, const ProgressEvent &) = default;

private:
    Value m_value{None{}};
};
