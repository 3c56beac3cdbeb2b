#pragma once

#include <QUrl>
#include <QWidget>

#include <optional>

class ThumbnailLoader;

// A thumbnail in a rounded frame: the image scaled to fit (letterboxed on the
// frame's fill), or the "photo" symbol while loading, after a failure and
// without a link.
class ThumbnailView : public QWidget
{
    Q_OBJECT

public:
    ThumbnailView(ThumbnailLoader &loader, QSize size, qreal cornerRadius, QWidget *parent = nullptr);

    void setUrl(const std::optional<QUrl> &url);
    std::optional<QUrl> url() const { return m_url; }
    // True when the image is shown rather than the symbol.
    bool showsImage() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ThumbnailLoader &m_loader;
    std::optional<QUrl> m_url;
    qreal m_radius;
};
