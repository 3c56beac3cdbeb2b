#include "analysis/ThumbnailService.h"

#include <gtest/gtest.h>

TEST(ThumbnailService, OnlyWebLinksMayBeLoaded)
{
    struct Case
    {
        std::optional<QString> text;
        std::optional<QString> link; // what comes back, in QUrl's normal form
    };
    const QList<Case> cases{
        {"https://i.example.com/vi/abc/hqdefault.jpg", "https://i.example.com/vi/abc/hqdefault.jpg"},
        {"http://127.0.0.1:8000/thumb.png?size=1", "http://127.0.0.1:8000/thumb.png?size=1"},
        {"HTTPS://I.EXAMPLE.COM/A.JPG", "https://i.example.com/A.JPG"},
        {"http:thumb.jpg", "http:thumb.jpg"}, // the host is not examined
        {std::nullopt, std::nullopt},
        {"", std::nullopt},
        {"data:image/png;base64,iVBORw0KGgo=", std::nullopt},
        {"file:///etc/passwd", std::nullopt},
        {"ftp://example.com/a.jpg", std::nullopt},
        {"javascript:alert(1)", std::nullopt},
        {"i.example.com/a.jpg", std::nullopt},
        {"//i.example.com/a.jpg", std::nullopt},
        {"https://i.example.com/a b.jpg", std::nullopt},
        {" https://i.example.com/a.jpg", std::nullopt},
        {"https://i.example.com/%zz.jpg", std::nullopt},
    };
    for (const Case &c : cases) {
        const std::optional<QUrl> url = ThumbnailService::validatedURL(c.text);
        const std::optional<QString> link =
            url ? std::optional<QString>(url->toString(QUrl::FullyEncoded)) : std::nullopt;
        EXPECT_EQ(link, c.link) << c.text.value_or("<none>").toStdString();
    }
}
