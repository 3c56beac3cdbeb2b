#include "ui/jobs/JobLogText.h"

#include "engine/ReadableLogLine.h"
#include "services/ClipboardService.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTextCursor>

#include <memory>

namespace {

QString readable(const QStringList &lines)
{
    QStringList shown;
    shown.reserve(lines.size());
    for (const QString &line : lines)
        shown << ReadableLogLine::of(line);
    return shown.join(QLatin1Char('\n'));
}

} // namespace

JobLogText::JobLogText(QWidget *parent) : QPlainTextEdit(parent), m_copyRaw(new QAction(tr("Copy Raw Log"), this))
{
    m_copyRaw->setObjectName(QStringLiteral("copyRawLogAction"));
    connect(m_copyRaw, &QAction::triggered, this, [this] { ClipboardService::shared().writeString(rawText()); });
    setObjectName(QStringLiteral("jobLogText"));
    setAccessibleName(tr("Log"));
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
}

qsizetype JobLogText::overlapWithShown(const QStringList &lines) const
{
    if (m_shown.isEmpty())
        return -1;
    // The newest shown line marks where the shown text ends inside `lines`;
    // a line printed several times is told apart by checking the whole overlap.
    for (qsizetype end = lines.lastIndexOf(m_shown.last()); end >= 0;
         end = lines.lastIndexOf(m_shown.last(), end - 1)) {
        const qsizetype overlap = end + 1;
        if (overlap <= m_shown.size() && lines.first(overlap) == m_shown.last(overlap))
            return overlap;
        if (end == 0)
            break;
    }
    return -1;
}

void JobLogText::showLines(const QStringList &lines)
{
    if (lines == m_shown)
        return;
    const qsizetype overlap = overlapWithShown(lines);
    // One block per shown line, unless a line held a line break of its own.
    if (overlap < 0 || document()->blockCount() != m_shown.size()) {
        setPlainText(readable(lines));
        // The newest lines, where an error is, come into view first.
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    } else {
        if (const qsizetype dropped = m_shown.size() - overlap; dropped > 0) {
            QTextCursor oldest(document());
            oldest.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, static_cast<int>(dropped));
            oldest.removeSelectedText();
        }
        if (overlap < lines.size())
            appendKeepingSelection(readable(lines.sliced(overlap)));
    }
    m_shown = lines;
}

QString JobLogText::rawText() const
{
    return m_shown.join(QLatin1Char('\n'));
}

void JobLogText::contextMenuEvent(QContextMenuEvent *event)
{
    const std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    menu->addSeparator();
    menu->addAction(m_copyRaw);
    menu->exec(event->globalPos());
}

void JobLogText::appendKeepingSelection(const QString &text)
{
    // A selection reaching the end would grow with the new text; the view
    // follows the end only when the person has not scrolled away from it.
    QTextCursor selection = textCursor();
    const int anchor = selection.anchor();
    const int position = selection.position();
    QScrollBar *scroll = verticalScrollBar();
    const bool following = scroll->value() >= scroll->maximum();
    appendPlainText(text);
    if (textCursor().anchor() == anchor && textCursor().position() == position)
        return;
    selection.setPosition(anchor);
    selection.setPosition(position, QTextCursor::KeepAnchor);
    setTextCursor(selection);
    if (following)
        scroll->setValue(scroll->maximum());
}
