#include "ui/downloads/BatchDownloadSheet.h"

#include "batch/BatchFile.h"
#include "ui/widgets/Colors.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QStringDecoder>
#include <QThreadPool>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QLabel *secondaryCaption(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    label->setFont(Fonts::caption());
    setForeground(label, SemanticColor::secondary);
    return label;
}

// Each line at fault carries its colour's meaning; the colour itself follows the palette.
constexpr int kFaultColourRole = Qt::UserRole;

void colourFaultItems(QTreeWidget *faults)
{
    for (int i = 0; i < faults->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = faults->topLevelItem(i);
        const auto meaning = static_cast<SemanticColor>(item->data(0, kFaultColourRole).toInt());
        const QColor colour = Colors::semantic(meaning, faults->palette());
        item->setForeground(0, colour);
        item->setForeground(1, colour);
    }
}

} // namespace

BatchDownloadSheet::BatchDownloadSheet(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("batchSheet"));
    setWindowTitle(tr("Batch Download"));
    setWindowModality(Qt::WindowModal);
    resize(560, 520);
    setMinimumSize(480, 420);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 20, 20, 20);
    layout->setSpacing(12);

    auto *title = new QLabel(tr("Batch Download"), this);
    title->setFont(Fonts::headline());
    layout->addWidget(title);
    auto *hint = secondaryCaption(tr("Paste one link per line. Blank lines and # comments are ignored. Duplicates and "
                                     "invalid links are reported below."),
                                  this);
    hint->setWordWrap(true);
    layout->addWidget(hint);

    auto *importRow = new QHBoxLayout;
    auto *importButton = new QPushButton(tr("Import Text File…"), this);
    importButton->setObjectName(QStringLiteral("batchImportButton"));
    importButton->setAccessibleName(importButton->text());
    importRow->addWidget(importButton);
    importRow->addStretch();
    m_summary = secondaryCaption(QString(), this);
    m_summary->setObjectName(QStringLiteral("batchSummaryLabel"));
    importRow->addWidget(m_summary);
    layout->addLayout(importRow);

    m_editor = new QPlainTextEdit(this);
    m_editor->setObjectName(QStringLiteral("batchTextView"));
    m_editor->setAccessibleName(tr("Links"));
    QFont mono = Fonts::monospaceCaption();
    mono.setPointSizeF(Fonts::body().pointSizeF());
    m_editor->setFont(mono);
    m_editor->setMinimumHeight(200);
    m_editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    layout->addWidget(m_editor, 1);

    m_faults = new QTreeWidget(this);
    m_faults->setObjectName(QStringLiteral("batchFaultList"));
    m_faults->setAccessibleName(tr("Lines at fault"));
    m_faults->setColumnCount(2);
    m_faults->setHeaderHidden(true);
    m_faults->setRootIsDecorated(false);
    m_faults->setFixedHeight(120);
    m_faults->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    m_faults->setTextElideMode(Qt::ElideMiddle);
    layout->addWidget(m_faults);
    followPalette(m_faults, QStringLiteral("faultColours"), [this] { colourFaultItems(m_faults); });

    m_errorRow = new QWidget(this);
    m_errorRow->setObjectName(QStringLiteral("batchImportError"));
    auto *errorLayout = new QHBoxLayout(m_errorRow);
    errorLayout->setContentsMargins(0, 0, 0, 0);
    errorLayout->setSpacing(6);
    auto *errorIcon = new QLabel(m_errorRow);
    setTintedSymbol(errorIcon, QStringLiteral("exclamationmark.triangle"), SemanticColor::red,
                    QFontMetrics(Fonts::caption()).height());
    m_errorText = new QLabel(m_errorRow);
    m_errorText->setObjectName(QStringLiteral("batchImportErrorText"));
    m_errorText->setTextFormat(Qt::PlainText);
    m_errorText->setFont(Fonts::caption());
    m_errorText->setWordWrap(true);
    setForeground(m_errorText, SemanticColor::red);
    errorLayout->addWidget(errorIcon, 0, Qt::AlignTop);
    errorLayout->addWidget(m_errorText, 1);
    layout->addWidget(m_errorRow);

    auto *actions = new QHBoxLayout;
    auto *cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("batchCancelButton"));
    cancel->setAccessibleName(cancel->text());
    cancel->setAutoDefault(false);
    m_addButton = new QPushButton(tr("Add to Queue"), this);
    m_addButton->setObjectName(QStringLiteral("batchAddButton"));
    m_addButton->setAccessibleName(m_addButton->text());
    m_addButton->setDefault(true);
    actions->addWidget(cancel);
    actions->addStretch();
    actions->addWidget(m_addButton);
    layout->addLayout(actions);

    connect(importButton, &QPushButton::clicked, this, &BatchDownloadSheet::chooseFile);
    connect(m_editor, &QPlainTextEdit::textChanged, this, &BatchDownloadSheet::textEdited);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_addButton, &QPushButton::clicked, this, &BatchDownloadSheet::addToQueue);

    refresh();
    m_editor->setFocus();
}

QString BatchDownloadSheet::text() const
{
    return m_editor->toPlainText();
}

void BatchDownloadSheet::chooseFile()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Import Text File…"), QString(),
                                                      tr("Text files (*.txt *.text *.list);;All files (*)"));
    if (!path.isEmpty())
        importFile(path);
}

void BatchDownloadSheet::importFile(const QString &path)
{
    // Reading happens off the GUI thread: the file may sit on a slow disk.
    QPointer<BatchDownloadSheet> self(this);
    QThreadPool::globalInstance()->start([path, self] {
        const std::variant<QByteArray, QString> read = BatchFile::read(path);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, path, read] {
                if (self)
                    self->importRead(path, read);
            },
            Qt::QueuedConnection);
    });
}

void BatchDownloadSheet::importRead(const QString &path, const std::variant<QByteArray, QString> &read)
{
    if (const QString *error = std::get_if<QString>(&read)) {
        m_importError = *error;
    } else {
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(std::get<QByteArray>(read));
        if (decoder.hasError()) {
            m_importError = tr("The file “%1” couldn’t be opened because it isn’t valid UTF-8 text.")
                                .arg(QFileInfo(path).fileName());
        } else {
            m_importError.reset();
            // setPlainText parses through textEdited.
            m_editor->setPlainText(decoded);
        }
    }
    refresh();
    emit importFinished();
}

void BatchDownloadSheet::textEdited()
{
    m_result = BatchURLParser::parse(m_editor->toPlainText());
    refresh();
}

void BatchDownloadSheet::addToQueue()
{
    const QStringList links = m_result ? m_result->uniqueValidURLs() : QStringList();
    if (links.isEmpty())
        return;
    emit queueRequested(links.join(QLatin1Char('\n')));
    accept();
}

void BatchDownloadSheet::refresh()
{
    const bool anyEntries = m_result
        && (!m_result->valid.isEmpty() || !m_result->duplicates.isEmpty() || !m_result->invalid.isEmpty());
    m_summary->setVisible(anyEntries);
    if (anyEntries) {
        m_summary->setText(tr("%1 valid, %2 duplicate, %3 invalid")
                               .arg(m_result->valid.size())
                               .arg(m_result->duplicates.size())
                               .arg(m_result->invalid.size()));
    }

    m_faults->clear();
    const bool anyFaults = m_result && (!m_result->duplicates.isEmpty() || !m_result->invalid.isEmpty());
    if (anyFaults) {
        const auto addRow = [this](const QString &label, const QString &value, SemanticColor colour) {
            auto *item = new QTreeWidgetItem(m_faults, {label, value});
            item->setData(0, kFaultColourRole, static_cast<int>(colour));
            item->setToolTip(1, value);
        };
        for (const auto &entry : m_result->invalid)
            addRow(tr("Line %1").arg(entry.line), entry.url, SemanticColor::red);
        for (const auto &entry : m_result->duplicates)
            addRow(tr("Line %1 (duplicate)").arg(entry.line), entry.url, SemanticColor::orange);
        colourFaultItems(m_faults);
    }
    m_faults->setVisible(anyFaults);

    m_errorRow->setVisible(m_importError.has_value());
    m_errorText->setText(m_importError.value_or(QString()));

    m_addButton->setEnabled(m_result && !m_result->uniqueValidURLs().isEmpty());
}
