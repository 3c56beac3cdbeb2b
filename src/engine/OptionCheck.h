#pragma once

#include <QCoreApplication>
#include <QString>

#include <optional>
#include <utility>

// What one typed option value comes to: the value, or a sentence for the
// user saying what is wrong with the text. Settings, the preview card and the
// command line all read values through these checks, so a value that fails
// here is never stored nor handed to yt-dlp.
template <typename T>
class Checked
{
public:
    Checked(T value) : m_value(std::move(value)) {}

    // `message` is translated already (OptionText::tr).
    static Checked refused(QString message)
    {
        Checked result;
        result.m_error = std::move(message);
        return result;
    }

    explicit operator bool() const { return m_value.has_value(); }
    // Only when the check passed.
    const T &value() const { return *m_value; }
    // Only when it did not.
    const QString &error() const { return m_error; }

private:
    Checked() = default;

    std::optional<T> m_value;
    QString m_error;
};

// The translation context of the sentences of these checks.
struct OptionText
{
    Q_DECLARE_TR_FUNCTIONS(DownloadOptionCheck)
};
