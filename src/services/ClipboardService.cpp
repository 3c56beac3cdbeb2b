#include "services/ClipboardService.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

ClipboardService &ClipboardService::shared()
{
    static ClipboardService service;
    return service;
}

void ClipboardService::writeString(const QString &text) const
{
    // A fresh QMimeData holding only the text: nothing of the previous
    // contents survives.
    auto *data = new QMimeData;
    data->setText(text);
    QGuiApplication::clipboard()->setMimeData(data);
}

std::optional<QString> ClipboardService::readString() const
{
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    if (!data || !data->hasText())
        return std::nullopt;
    return data->text();
}
