#include "ui/jobs/JobRowDelegate.h"

#include "ui/jobs/JobListModel.h"
#include "ui/jobs/JobLogText.h"
#include "ui/widgets/Colors.h"
#include "ui/widgets/Symbols.h"
#include "ui/widgets/TextPainting.h"
#include "ui/widgets/ThumbnailLoader.h"
#include "ui/widgets/ThumbnailPainting.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QPainterPath>

namespace {

const JobListModel *jobModel(const QModelIndex &index)
{
    return qobject_cast<const JobListModel *>(index.model());
}

int viewportWidth(const QStyleOptionViewItem &option)
{
    if (const auto *view = qobject_cast<const QAbstractItemView *>(option.widget))
        return view->viewport()->width();
    return option.rect.width() > 0 ? option.rect.width() : 640;
}

void fillRounded(QPainter &painter, const QRectF &rect, qreal radius, const QColor &colour)
{
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    painter.fillPath(path, colour);
}

} // namespace

JobRowDelegate::JobRowDelegate(ThumbnailLoader &thumbnails, QObject *parent)
    : QStyledItemDelegate(parent), m_thumbnails(thumbnails)
{
}

void JobRowDelegate::setExpanded(const QUuid &jobId, bool expanded)
{
    if (expanded)
        m_expanded.insert(jobId);
    else
        m_expanded.remove(jobId);
}

JobRowGeometry JobRowDelegate::geometry(const QRect &rect, const QModelIndex &index) const
{
    const JobListModel *model = jobModel(index);
    const JobRowContent &content = model->contentAt(index.row());
    const auto job = model->jobAt(index.row());
    const bool expanded = content.offersLog && isExpanded(job->id());
    return m_layout.compute(content, rect, expanded, expanded ? job->logLines() : QStringList());
}

QSize JobRowDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const int width = viewportWidth(option);
    const JobListModel *model = jobModel(index);
    // An open log grows with its job; every other row keeps its measure
    // until it changes shape.
    const bool expanded = model->contentAt(index.row()).offersLog && isExpanded(model->jobAt(index.row())->id());
    if (!expanded) {
        if (const auto height = model->measuredHeight(index.row(), width))
            return {width, *height};
    }
    const int height = geometry(QRect(0, 0, width, 0), index).height;
    if (!expanded)
        model->setMeasuredHeight(index.row(), width, height);
    return {width, height};
}

void JobRowDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const JobListModel *model = jobModel(index);
    if (!model)
        return;
    const JobRowContent &content = model->contentAt(index.row());
    const JobRowGeometry g = geometry(option.rect, index);
    const QPalette &palette = option.palette;
    const QColor text = palette.color(QPalette::Text);
    const QColor secondary = Colors::secondaryText(palette);

    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);

    const QRectF card = QRectF(option.rect).adjusted(4, 1.5, -4, -1.5);
    if (option.state & QStyle::State_Selected) {
        QColor highlight = palette.color(QPalette::Highlight);
        highlight.setAlphaF(option.state & QStyle::State_HasFocus ? 0.22 : 0.14);
        fillRounded(*painter, card, 6, highlight);
    } else if (option.state & QStyle::State_MouseOver) {
        fillRounded(*painter, card, 6, Colors::quaternaryFill(palette));
    } else {
        QColor separator = text;
        separator.setAlphaF(0.08);
        painter->fillRect(QRect(option.rect.left() + JobRowLayout::kMarginX, option.rect.bottom(),
                                option.rect.width() - 2 * JobRowLayout::kMarginX, 1),
                          separator);
    }

    if (option.state & QStyle::State_HasFocus) {
        // The keyboard's place in the list is always visible, whatever the
        // style draws for focus.
        QPen frame(palette.color(QPalette::Highlight), 2);
        painter->setPen(frame);
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(card.adjusted(1, 1, -1, -1), 6, 6);
    }

    ThumbnailPainting::paint(*painter, g.thumbnail, 4,
                             content.thumbnailUrl ? m_thumbnails.pixmap(*content.thumbnailUrl) : std::nullopt, palette,
                             20);

    painter->setPen(text);
    TextPainting::drawWrapped(*painter, g.title, content.title, m_layout.titleFont, 2);

    painter->setPen(secondary);
    painter->setFont(m_layout.subtitleFont);
    painter->drawText(g.subtitle, Qt::AlignLeft | Qt::AlignVCenter,
                      painter->fontMetrics().elidedText(content.subtitle, Qt::ElideRight, g.subtitle.width()));

    paintBadge(*painter, g.badge, content.badge, palette);
    if (!g.headline.isNull()) {
        painter->setFont(m_layout.captionFont);
        painter->setPen(content.headlineWarns ? Colors::semantic(SemanticColor::orange, palette) : secondary);
        painter->drawText(g.headline, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(content.headline, Qt::ElideRight, g.headline.width()));
    }

    if (!g.progress.isNull())
        paintProgress(*painter, g.progress, content.progress, palette);

    if (!g.detail.isNull()) {
        const int icon = g.detail.height() - 2;
        const QRect iconRect(g.detail.left(), g.detail.center().y() - icon / 2, icon, icon);
        painter->drawPixmap(iconRect, Symbols::tinted(QStringLiteral("doc"), secondary, icon, painter->device()->devicePixelRatioF()));
        painter->setFont(m_layout.captionFont);
        painter->setPen(secondary);
        const QRect textRect = g.detail.adjusted(icon + 6, 0, 0, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(TextPainting::singleLine(content.detailText), Qt::ElideRight, textRect.width()));
    }

    if (!g.note.isNull()) {
        painter->setFont(m_layout.noteFont);
        painter->setPen(secondary);
        // A note may be a whole sentence: a narrow row ends it with an ellipsis
        // rather than clipping it.
        painter->drawText(g.note, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(content.note, Qt::ElideRight, g.note.width()));
    }

    if (!g.error.isNull()) {
        const QColor red = Colors::semantic(SemanticColor::red, palette);
        const int icon = QFontMetrics(m_layout.errorFont).height();
        const QRect iconRect(g.error.left(), g.error.center().y() - icon / 2, icon, icon);
        painter->drawPixmap(iconRect, Symbols::tinted(QStringLiteral("exclamationmark.triangle.fill"), red, icon,
                                                      painter->device()->devicePixelRatioF()));
        painter->setFont(m_layout.errorFont);
        painter->setPen(red);
        const QRect textRect = g.error.adjusted(icon + 8, 0, 0, 0);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(TextPainting::singleLine(content.errorSummary), Qt::ElideRight, textRect.width()));
    }

    if (!g.reason.isNull()) {
        painter->setFont(m_layout.captionFont);
        painter->setPen(secondary);
        painter->drawText(g.reason, Qt::AlignLeft | Qt::AlignVCenter,
                          painter->fontMetrics().elidedText(TextPainting::singleLine(content.errorReason), Qt::ElideRight, g.reason.width()));
    }

    for (int i = 0; i < g.targets.size(); ++i)
        paintTarget(*painter, option, index, g.targets.at(i), i);

    painter->restore();
}

void JobRowDelegate::paintBadge(QPainter &painter, const QRect &rect, const JobStatusInfo &badge,
                                const QPalette &palette) const
{
    const QColor colour = Colors::semantic(badge.foreground, palette);
    QColor background = colour;
    background.setAlphaF(0.15);
    fillRounded(painter, rect, rect.height() / 2.0, background);
    const QFontMetrics metrics(m_layout.captionFont);
    const int icon = metrics.height() - 2;
    const QRect iconRect(rect.left() + 8, rect.center().y() - icon / 2, icon, icon);
    painter.drawPixmap(iconRect, Symbols::tinted(badge.symbolName, colour, icon, painter.device()->devicePixelRatioF()));
    painter.setFont(m_layout.captionFont);
    painter.setPen(colour);
    painter.drawText(rect.adjusted(8 + icon + 4, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, badge.text);
}

void JobRowDelegate::paintProgress(QPainter &painter, const QRect &rect, const std::optional<double> &progress,
                                   const QPalette &palette) const
{
    const qreal radius = rect.height() / 2.0;
    QColor groove = palette.color(QPalette::WindowText);
    groove.setAlphaF(0.12);
    fillRounded(painter, rect, radius, groove);
    const QColor bar = palette.color(QPalette::Highlight);
    if (progress) {
        const qreal share = qBound(0.0, *progress, 1.0);
        if (share > 0)
            fillRounded(painter, QRectF(rect.left(), rect.top(), qMax(rect.height() * 1.0, rect.width() * share), rect.height()), radius, bar);
        return;
    }
    // Indeterminate: a segment sweeping from left to right.
    const qreal segment = rect.width() * 0.3;
    const qreal x = rect.left() - segment + (rect.width() + segment) * m_sweepPhase;
    painter.save();
    painter.setClipRect(rect);
    fillRounded(painter, QRectF(x, rect.top(), segment, rect.height()), radius, bar);
    painter.restore();
}

void JobRowDelegate::paintTarget(QPainter &painter, const QStyleOptionViewItem &option, const QModelIndex &index,
                                 const JobRowGeometry::Target &target, int number) const
{
    QStyleOptionButton button;
    button.rect = target.rect;
    button.text = target.text;
    button.palette = option.palette;
    button.fontMetrics = QFontMetrics(m_layout.buttonFont);
    button.state = QStyle::State_Enabled | QStyle::State_Raised;
    const auto is = [&](const Highlight &h) { return h.index == index && h.target == number; };
    if (is(m_hovered))
        button.state |= QStyle::State_MouseOver;
    if (is(m_pressed) && is(m_hovered))
        button.state |= QStyle::State_Sunken;
    if (is(m_focused) && (option.state & QStyle::State_HasFocus))
        button.state |= QStyle::State_HasFocus | QStyle::State_KeyboardFocusChange;
    if (target.action == JobRowAction::remove)
        button.palette.setColor(QPalette::ButtonText, Colors::semantic(SemanticColor::red, option.palette));
    QStyle *style = option.widget ? option.widget->style() : QApplication::style();
    painter.save();
    painter.setFont(m_layout.buttonFont);
    style->drawControl(QStyle::CE_PushButton, &button, &painter, option.widget);
    painter.restore();
}

QWidget *JobRowDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &, const QModelIndex &) const
{
    auto *log = new JobLogText(parent);
    log->setFont(m_layout.logFont);
    log->document()->setDocumentMargin(JobRowLayout::kLogPadding);
    return log;
}

void JobRowDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const
{
    auto *log = qobject_cast<JobLogText *>(editor);
    const JobListModel *model = jobModel(index);
    if (log && model)
        log->showLines(model->jobAt(index.row())->logLines());
}

void JobRowDelegate::updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                                          const QModelIndex &index) const
{
    editor->setGeometry(geometry(option.rect, index).log);
}
