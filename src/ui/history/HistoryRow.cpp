#include "ui/history/HistoryRow.h"

#include "analysis/ThumbnailService.h"
#include "engine/JobRecord.h"
#include "ui/history/HistoryPresentation.h"
#include "ui/widgets/Colors.h"
#include "ui/widgets/ElidedLabel.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Foreground.h"
#include "ui/widgets/StatusBadge.h"
#include "ui/widgets/ThumbnailView.h"
#include "ui/widgets/WrappedLabel.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kMarginX = 12;
constexpr int kMarginY = 6;
constexpr int kLineSpacing = 3;

QPushButton *smallButton(const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(parent);
    button->setObjectName(objectName);
    button->setFont(Fonts::caption());
    button->setAutoDefault(false);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    return button;
}


// The height a line of `font` takes, also when its glyphs come from a
// fallback font (Chinese dates and labels are taller than Latin text).
int lineHeight(const QFont &font)
{
    const QFontMetrics metrics(font);
    return qMax(metrics.height(), metrics.boundingRect(QStringLiteral("年gÅ")).height() + 2);
}

} // namespace

HistoryRow::HistoryRow(ThumbnailLoader &thumbnails, QWidget *parent)
    : QWidget(parent), m_thumbnail(new ThumbnailView(thumbnails, QSize(72, 40), 4, this)),
      m_title(new WrappedLabel(2, this)), m_badge(new StatusBadge(this)), m_date(new QLabel(this)),
      m_subtitle(new ElidedLabel(this)), m_failure(new ElidedLabel(this)), m_reason(new ElidedLabel(this)),
      m_open(smallButton(QStringLiteral("historyOpenButton"), this)),
      m_reveal(smallButton(QStringLiteral("historyRevealButton"), this)), m_missing(new QWidget(this)),
      m_missingIcon(new QLabel(m_missing)), m_missingText(new QLabel(m_missing)),
      m_retry(smallButton(QStringLiteral("historyRetryButton"), this)),
      m_copyLink(smallButton(QStringLiteral("historyCopyLinkButton"), this)),
      m_remove(smallButton(QStringLiteral("historyRemoveButton"), this))
{
    setObjectName(QStringLiteral("historyRow"));
    setAttribute(Qt::WA_Hover);

    m_title->setObjectName(QStringLiteral("historyTitle"));
    m_title->setFont(Fonts::subheadline());
    m_badge->setObjectName(QStringLiteral("historyStatus"));
    m_date->setObjectName(QStringLiteral("historyDate"));
    m_date->setFont(Fonts::caption());
    m_date->setTextFormat(Qt::PlainText);
    m_subtitle->setObjectName(QStringLiteral("historySubtitle"));
    m_subtitle->setFont(Fonts::caption2());
    m_failure->setObjectName(QStringLiteral("historyFailure"));
    m_failure->setFont(Fonts::caption());
    m_reason->setObjectName(QStringLiteral("historyFailureReason"));
    m_reason->setFont(Fonts::caption());
    m_missing->setObjectName(QStringLiteral("historyFileMissing"));
    m_missingText->setFont(Fonts::caption());

    auto *statusLine = new QHBoxLayout;
    statusLine->setSpacing(6);
    statusLine->addWidget(m_badge);
    statusLine->addWidget(m_date);
    statusLine->addStretch();

    auto *column = new QVBoxLayout;
    column->setSpacing(kLineSpacing);
    column->addStretch();
    column->addWidget(m_title);
    column->addLayout(statusLine);
    column->addWidget(m_subtitle);
    column->addWidget(m_failure);
    column->addWidget(m_reason);
    column->addStretch();

    auto *missingLayout = new QHBoxLayout(m_missing);
    missingLayout->setContentsMargins(0, 0, 0, 0);
    missingLayout->setSpacing(4);
    missingLayout->addWidget(m_missingIcon);
    missingLayout->addWidget(m_missingText);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(kMarginX, kMarginY, kMarginX, kMarginY);
    row->setSpacing(10);
    row->addWidget(m_thumbnail, 0, Qt::AlignVCenter);
    row->addLayout(column, 1);
    row->addSpacing(8);
    row->addWidget(m_open, 0, Qt::AlignVCenter);
    row->addWidget(m_reveal, 0, Qt::AlignVCenter);
    row->addWidget(m_missing, 0, Qt::AlignVCenter);
    row->addWidget(m_retry, 0, Qt::AlignVCenter);
    row->addWidget(m_copyLink, 0, Qt::AlignVCenter);
    row->addWidget(m_remove, 0, Qt::AlignVCenter);

    connect(m_open, &QPushButton::clicked, this, [this] { emit openRequested(m_record.finalFilePath.value_or(QString())); });
    connect(m_reveal, &QPushButton::clicked, this,
            [this] { emit revealRequested(m_record.finalFilePath.value_or(QString())); });
    connect(m_retry, &QPushButton::clicked, this, [this] { emit retryRequested(m_record); });
    connect(m_copyLink, &QPushButton::clicked, this, [this] { emit copyLinkRequested(m_record); });
    connect(m_remove, &QPushButton::clicked, this, [this] { emit removeRequested(m_record); });

    setForeground(m_date, SemanticColor::secondary);
    setForeground(m_subtitle, SemanticColor::secondary);
    setForeground(m_failure, SemanticColor::red);
    setForeground(m_reason, SemanticColor::secondary);
    setForeground(m_missingText, SemanticColor::orange);
    setForeground(m_remove, SemanticColor::red);
    setTintedSymbol(m_missingIcon, QStringLiteral("exclamationmark.triangle"), SemanticColor::orange,
                    QFontMetrics(Fonts::caption()).height());
    retranslate();
}

HistoryRow::Heights HistoryRow::Heights::current()
{
    const int title = lineHeight(Fonts::subheadline());
    const int badge = lineHeight(Fonts::caption()) + 6;
    const int column = 2 * title + kLineSpacing + badge + kLineSpacing + lineHeight(Fonts::caption2());
    return {qMax(column, 40) + 2 * kMarginY + 2, kLineSpacing + lineHeight(Fonts::caption())};
}

int HistoryRow::Heights::of(const DownloadHistory &record) const
{
    return base + HistoryPresentation::failureLineCount(record) * failureLine;
}

void HistoryRow::bind(const DownloadHistory &record, std::optional<bool> fileExists)
{
    m_record = record;
    m_thumbnail->setUrl(ThumbnailService::validatedURL(record.thumbnailURL));
    m_title->setText(record.title);
    m_badge->setStatus(JobRecord::status(record));
    m_date->setText(HistoryPresentation::dateText(record));
    m_subtitle->setFullText(HistoryPresentation::subtitle(record));
    const bool hasPath = record.finalFilePath && !record.finalFilePath->isEmpty();
    m_subtitle->setToolTip(hasPath ? *record.finalFilePath : record.title);
    const bool present = hasPath && fileExists.value_or(false);
    const bool missing = hasPath && fileExists.has_value() && !*fileExists;
    m_filePresent = present;
    m_open->setVisible(present);
    m_reveal->setVisible(present);
    m_missing->setVisible(missing);
    const bool retry = HistoryPresentation::offersRetry(record);
    m_retry->setVisible(retry);
    m_copyLink->setVisible(retry);
    showFailure();
    setAccessibleName(record.title);
}

void HistoryRow::showFailure()
{
    const auto failure = HistoryPresentation::failureText(m_record);
    const auto reason = HistoryPresentation::failureReason(m_record);
    m_failure->setFullText(failure.value_or(QString()));
    m_failure->setToolTip(failure.value_or(QString()));
    m_failure->setVisible(failure.has_value());
    m_reason->setFullText(reason.value_or(QString()));
    m_reason->setToolTip(reason.value_or(QString()));
    m_reason->setVisible(reason.has_value());
}

QMenu *HistoryRow::contextMenu()
{
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("historyRowMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const auto add = [menu](const QString &text, const char *name, auto handler) {
        QAction *action = menu->addAction(text);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, menu, handler);
    };
    // The record the menu was opened on, whatever the row shows by the time
    // an action is chosen.
    const DownloadHistory record = m_record;
    const QString path = record.finalFilePath.value_or(QString());
    if (m_filePresent) {
        add(tr("Open"), "historyOpenAction", [this, path] { emit openRequested(path); });
        add(tr("Reveal"), "historyRevealAction", [this, path] { emit revealRequested(path); });
    }
    if (HistoryPresentation::offersRetry(record))
        add(tr("Retry"), "historyRetryAction", [this, record] { emit retryRequested(record); });
    add(tr("Copy Link"), "historyCopyLinkAction", [this, record] { emit copyLinkRequested(record); });
    menu->addSeparator();
    add(tr("Remove"), "historyRemoveAction", [this, record] { emit removeRequested(record); });
    return menu;
}

void HistoryRow::contextMenuEvent(QContextMenuEvent *event)
{
    contextMenu()->popup(event->globalPos());
    event->accept();
}

void HistoryRow::retranslate()
{
    m_open->setText(tr("Open"));
    m_reveal->setText(tr("Reveal"));
    m_missingText->setText(tr("File missing"));
    m_retry->setText(tr("Retry"));
    m_copyLink->setText(tr("Copy Link"));
    m_remove->setText(tr("Remove"));
    if (!m_record.storeId.isNull()) {
        m_date->setText(HistoryPresentation::dateText(m_record));
        m_subtitle->setFullText(HistoryPresentation::subtitle(m_record));
        showFailure();
    }
}

void HistoryRow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (underMouse())
        painter.fillRect(rect().adjusted(4, 0, -4, -1), Colors::quaternaryFill(palette()));
    QColor line = palette().color(QPalette::WindowText);
    line.setAlphaF(0.1);
    painter.fillRect(QRect(kMarginX + 72 + 10, height() - 1, width() - 2 * kMarginX - 82, 1), line);
}

void HistoryRow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}
