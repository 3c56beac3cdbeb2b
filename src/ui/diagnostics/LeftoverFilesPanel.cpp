#include "ui/diagnostics/LeftoverFilesPanel.h"

#include "engine/Formatters.h"
#include "engine/LeftoverFiles.h"
#include "engine/PartialFiles.h"

#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

LeftoverFilesPanel::LeftoverFilesPanel(const LeftoverFiles &leftovers, QWidget *parent)
    : QWidget(parent)
    , m_heading(new QLabel(this))
    , m_paths(new QPlainTextEdit(this))
{
    setObjectName(QStringLiteral("leftoverFilesPanel"));
    m_heading->setObjectName(QStringLiteral("leftoverFilesHeading"));
    m_heading->setTextFormat(Qt::PlainText);
    m_heading->setWordWrap(true);
    m_paths->setObjectName(QStringLiteral("leftoverFilesList"));
    m_paths->setReadOnly(true);
    m_paths->setAccessibleName(tr("Partial files no download owns"));
    m_paths->setMaximumHeight(120);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_heading);
    layout->addWidget(m_paths);
    connect(&leftovers, &LeftoverFiles::found, this, [this, &leftovers] { show(leftovers); });
    show(leftovers);
}

void LeftoverFilesPanel::show(const LeftoverFiles &leftovers)
{
    const QStringList &paths = leftovers.paths();
    setVisible(!paths.isEmpty());
    if (paths.isEmpty())
        return;
    m_heading->setText(tr("%n partial file(s) (%1) belong to no download in the list. Tarvelle leaves them as they "
                          "are: delete them in the folder if they are not needed.",
                          nullptr, int(paths.size()))
                           .arg(Formatters::formatBytes(PartialFiles::totalSize(paths))));
    QStringList shown;
    for (const QString &path : paths)
        shown << QDir::toNativeSeparators(path);
    m_paths->setPlainText(shown.join(QLatin1Char('\n')));
}
