#include "cli/ProgressRenderer.h"

#include "cli/Terminal.h"
#include "engine/ProgressDisplay.h"
#include "tools/UpdateHint.h"

#include <QCoreApplication>

#include <chrono>

using namespace std::chrono_literals;

namespace {

const QString kSeparator = QStringLiteral(" · ");

// The line cut to fewer code units than the terminal has columns, never
// between the two halves of a surrogate pair.
QString fitted(const QString &line, int columns)
{
    if (columns <= 1 || line.size() < columns)
        return line;
    qsizetype length = columns - 1;
    if (line.at(length).isLowSurrogate())
        --length;
    return line.left(length);
}

} // namespace

ProgressRenderer::ProgressRenderer(QList<DownloadJobPtr> jobs, bool terminal, int columns, Writer writer,
                                   QObject *parent)
    : QObject(parent)
    , m_jobs(std::move(jobs))
    , m_terminal(terminal)
    , m_columns(columns)
    , m_writer(std::move(writer))
{
    m_timer.setInterval(m_terminal ? 200ms : 500ms);
    connect(&m_timer, &QTimer::timeout, this, &ProgressRenderer::render);
}

void ProgressRenderer::start()
{
    render();
    m_timer.start();
}

void ProgressRenderer::finish()
{
    m_timer.stop();
    render();
}

void ProgressRenderer::interject(const std::function<void()> &print)
{
    if (m_terminal && !m_shown.isEmpty()) {
        // Up to the first job line, then clear to the end of the screen.
        m_writer(QStringLiteral("\x1b[%1A\r\x1b[J").arg(m_shown.size()));
        m_shown.clear();
    }
    print();
    render();
}

QString ProgressRenderer::line(const DownloadJob &job, int position, int count)
{
    const DownloadStatus status = job.status();
    QStringList parts{JobStatusInfo::forStatus(status, job.stage()).text};
    if (DownloadStatuses::isActive(status) || status == DownloadStatus::completed) {
        const ProgressDisplay display = ProgressDisplay::forJob(job);
        if (display.kind != ProgressDisplay::Kind::idle && display.primaryText != parts.first())
            parts.append(display.primaryText);
        for (const auto &text : {display.bytesText, display.speedText, display.etaText}) {
            if (text && !text->isEmpty())
                parts.append(*text);
        }
    }
    if (status == DownloadStatus::completed && !job.note().isEmpty())
        parts.append(QCoreApplication::translate("DownloadCoordinator", job.note().toUtf8().constData()));
    if (status == DownloadStatus::completed && !job.outputPath().isEmpty())
        parts.append(job.outputPath());
    if ((status == DownloadStatus::failed || status == DownloadStatus::cancelled) && !job.errorSummary().isEmpty() &&
        job.errorSummary() != parts.first())
        parts.append(job.errorSummary());
    if (status == DownloadStatus::failed && job.errorCategory()) {
        if (const std::optional<int> days = UpdateHint::ageIfHelpful(*job.errorCategory()))
            parts.append(UpdateHint::commandLineText(*days));
    }
    return Terminal::plain(QStringLiteral("[%1/%2] %3 — %4").arg(position).arg(count).arg(job.title(),
                                                                                           parts.join(kSeparator)));
}

void ProgressRenderer::render()
{
    QStringList lines;
    for (qsizetype i = 0; i < m_jobs.size(); ++i)
        lines.append(line(*m_jobs.at(i), static_cast<int>(i + 1), static_cast<int>(m_jobs.size())));
    if (m_terminal)
        redraw(lines);
    else
        printChanged(lines);
}

void ProgressRenderer::redraw(const QStringList &lines)
{
    if (lines == m_shown)
        return;
    QString text;
    if (!m_shown.isEmpty())
        text += QStringLiteral("\x1b[%1A").arg(m_shown.size());
    for (const QString &line : lines) {
        // One cell to spare: a line that fills the row exactly makes some
        // terminals wrap, and the cursor-up count would be wrong.
        text += QStringLiteral("\r\x1b[2K") + fitted(line, m_columns) + QLatin1Char('\n');
    }
    m_writer(text);
    m_shown = lines;
}

void ProgressRenderer::printChanged(const QStringList &lines)
{
    QString text;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i >= m_shown.size() || lines.at(i) != m_shown.at(i))
            text += lines.at(i) + QLatin1Char('\n');
    }
    if (!text.isEmpty())
        m_writer(text);
    m_shown = lines;
}
