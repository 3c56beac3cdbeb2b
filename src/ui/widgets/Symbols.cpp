#include "ui/widgets/Symbols.h"

#include <QApplication>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>

#include <utility>

namespace {

const QHash<QString, QString> &themeNames()
{
    static const QHash<QString, QString> names{
        {QStringLiteral("shield.lefthalf.filled"), QStringLiteral("security-high")},
        {QStringLiteral("arrow.down.circle"), QStringLiteral("folder-download")},
        {QStringLiteral("clock"), QStringLiteral("document-open-recent")},
        {QStringLiteral("gearshape"), QStringLiteral("preferences-system")},
        {QStringLiteral("stethoscope"), QStringLiteral("utilities-system-monitor")},
        {QStringLiteral("exclamationmark.triangle"), QStringLiteral("dialog-warning")},
        {QStringLiteral("exclamationmark.triangle.fill"), QStringLiteral("dialog-error")},
        {QStringLiteral("link"), QStringLiteral("insert-link")},
        {QStringLiteral("tray"), QStringLiteral("mail-folder-inbox")},
        {QStringLiteral("photo"), QStringLiteral("image-x-generic")},
        {QStringLiteral("doc"), QStringLiteral("text-x-generic")},
        {QStringLiteral("magnifyingglass"), QStringLiteral("edit-find")},
        {QStringLiteral("waveform"), QStringLiteral("audio-x-generic")},
        {QStringLiteral("merge"), QStringLiteral("object-merge")},
        {QStringLiteral("checkmark.circle"), QStringLiteral("emblem-default")},
        {QStringLiteral("xmark.circle"), QStringLiteral("process-stop")},
    };
    return names;
}

QString shippedPath(const QString &symbolName)
{
    return QStringLiteral(":/icons/%1.svg").arg(symbolName);
}

// Paints the shipped symbol in one colour at whatever size is asked, so the
// icon stays sharp at every size and device pixel ratio.
class TintedIconEngine : public QIconEngine
{
public:
    TintedIconEngine(QString symbolName, QColor colour) : m_symbolName(std::move(symbolName)), m_colour(colour) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State) override
    {
        QColor colour = m_colour;
        if (mode == QIcon::Disabled)
            colour.setAlphaF(colour.alphaF() * 0.4);
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        painter->drawPixmap(rect, Symbols::tinted(m_symbolName, colour, qMin(rect.width(), rect.height()), dpr));
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

    QIconEngine *clone() const override { return new TintedIconEngine(m_symbolName, m_colour); }

private:
    QString m_symbolName;
    QColor m_colour;
};

} // namespace

namespace Symbols {

QString themeName(const QString &symbolName)
{
    return themeNames().value(symbolName);
}

QIcon icon(const QString &symbolName)
{
    const QString name = themeName(symbolName);
    if (!name.isEmpty() && QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return tintedIcon(symbolName, QApplication::palette().color(QPalette::WindowText));
}

QPixmap tinted(const QString &symbolName, const QColor &colour, int size, qreal devicePixelRatio)
{
    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1|%2|%3|%4").arg(symbolName, colour.name(QColor::HexArgb)).arg(size).arg(devicePixelRatio);
    if (const auto found = cache.constFind(key); found != cache.constEnd())
        return *found;

    const int pixels = qMax(1, qRound(size * devicePixelRatio));
    QPixmap pixmap(pixels, pixels);
    pixmap.fill(Qt::transparent);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QIcon(shippedPath(symbolName)).paint(&painter, pixmap.rect());
        painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
        painter.fillRect(pixmap.rect(), colour);
    }
    pixmap.setDevicePixelRatio(devicePixelRatio);
    // Few symbols, colours and sizes exist; the bound only guards against a
    // caller that varies the size freely.
    if (cache.size() > 512)
        cache.clear();
    cache.insert(key, pixmap);
    return pixmap;
}

QIcon tintedIcon(const QString &symbolName, const QColor &colour)
{
    return QIcon(new TintedIconEngine(symbolName, colour));
}

} // namespace Symbols
