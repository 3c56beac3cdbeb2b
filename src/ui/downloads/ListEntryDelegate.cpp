#include "ui/downloads/ListEntryDelegate.h"

#include "ui/downloads/ListEntriesModel.h"
#include "ui/widgets/Colors.h"
#include "ui/widgets/ThumbnailLoader.h"
#include "ui/widgets/ThumbnailPainting.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>

namespace {

constexpr int kThumbnailWidth = 64;
constexpr int kThumbnailHeight = 36;
constexpr int kPaddingY = 4;
constexpr int kGap = 8;

} // namespace

ListEntryDelegate::ListEntryDelegate(ThumbnailLoader &thumbnails, QObject *parent)
    : QStyledItemDelegate(parent), m_thumbnails(thumbnails)
{
}

QSize ListEntryDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &) const
{
    const int height = std::max(kThumbnailHeight, option.fontMetrics.height()) + 2 * kPaddingY;
    return {option.rect.width(), height};
}

void ListEntryDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget *widget = opt.widget;
    QStyle *style = widget ? widget->style() : QApplication::style();
    const QPalette &palette = opt.palette;

    painter->save();
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);

    // Where the base delegate takes a click as toggling the check box.
    const QRect check = style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, widget);
    QStyleOptionViewItem checkOption = opt;
    checkOption.rect = check;
    checkOption.state &= ~QStyle::State_HasFocus;
    checkOption.state |= opt.checkState == Qt::Checked ? QStyle::State_On : QStyle::State_Off;
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &checkOption, painter, widget);

    const bool selected = opt.state & QStyle::State_Selected;
    const QColor text = palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
    const QColor secondary = selected ? text : Colors::secondaryText(palette);
    const QFontMetrics metrics = opt.fontMetrics;
    const QRect row = opt.rect;

    // Numbers up to the list's last one take the same room, so titles line up.
    const int numberWidth = metrics.horizontalAdvance(QString::number(index.model()->rowCount()) + QLatin1Char('.'));
    QRect number(check.right() + 1 + kGap, row.top(), numberWidth, row.height());
    painter->setPen(secondary);
    painter->drawText(number, Qt::AlignRight | Qt::AlignVCenter,
                      QString::number(index.data(ListEntriesModel::entryIndexRole).toInt()) + QLatin1Char('.'));

    const QRect thumbnail(number.right() + 1 + kGap, row.top() + (row.height() - kThumbnailHeight) / 2,
                          kThumbnailWidth, kThumbnailHeight);
    const QUrl url = index.data(ListEntriesModel::thumbnailUrlRole).toUrl();
    ThumbnailPainting::paint(*painter, thumbnail, 4, url.isValid() ? m_thumbnails.pixmap(url) : std::nullopt, palette,
                             16);

    const QString duration = index.data(ListEntriesModel::durationTextRole).toString();
    const int durationWidth = duration.isEmpty() ? 0 : metrics.horizontalAdvance(duration);
    const QRect durationRect(row.right() - kGap - durationWidth, row.top(), durationWidth, row.height());
    if (!duration.isEmpty())
        painter->drawText(durationRect, Qt::AlignRight | Qt::AlignVCenter, duration);

    const int titleLeft = thumbnail.right() + 1 + kGap;
    const QRect title(titleLeft, row.top(), std::max(0, durationRect.left() - kGap - titleLeft), row.height());
    painter->setPen(text);
    painter->drawText(title, Qt::AlignLeft | Qt::AlignVCenter, metrics.elidedText(opt.text, Qt::ElideRight, title.width()));

    if (opt.state & QStyle::State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(opt);
        focus.backgroundColor = palette.color(selected ? QPalette::Highlight : QPalette::Base);
        style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
    }
    painter->restore();
}
