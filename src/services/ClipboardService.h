#pragma once

#include <QString>

#include <optional>

// The desktop clipboard, as plain text. No state; one shared instance. GUI
// thread only; needs a QGuiApplication.
class ClipboardService
{
public:
    static ClipboardService &shared();

    // Replaces everything on the clipboard, of any type, with `text`.
    void writeString(const QString &text) const;

    // The clipboard's plain text exactly as it is, or nothing when it holds no
    // text (an image only, or nothing at all).
    std::optional<QString> readString() const;

private:
    ClipboardService() = default;
};
