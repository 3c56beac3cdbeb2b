#include "ui/widgets/Foreground.h"

#include "ui/widgets/Colors.h"
#include "ui/widgets/Symbols.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QWidget>

namespace {

// Lives as a child of the widget it watches, so it goes with it.
class PaletteFollower : public QObject
{
public:
    PaletteFollower(QWidget *widget, const QString &purpose, std::function<void()> apply)
        : QObject(widget), m_apply(std::move(apply))
    {
        setObjectName(purpose);
        widget->installEventFilter(this);
    }

    void setApply(std::function<void()> apply) { m_apply = std::move(apply); }
    void run() const { m_apply(); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::PaletteChange)
            m_apply();
        return false;
    }

private:
    std::function<void()> m_apply;
};

} // namespace

void followPalette(QWidget *widget, const QString &purpose, std::function<void()> apply)
{
    const QString name = QStringLiteral("paletteFollower:") + purpose;
    auto *follower = widget->findChild<PaletteFollower *>(name, Qt::FindDirectChildrenOnly);
    if (follower)
        follower->setApply(std::move(apply));
    else
        follower = new PaletteFollower(widget, name, std::move(apply));
    follower->run();
}

QPalette basePalette(const QWidget *widget)
{
    const QWidget *parent = widget->parentWidget();
    return parent ? parent->palette() : QApplication::palette(widget);
}

void setPaletteColour(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles, const QColor &colour)
{
    QPalette palette = widget->palette();
    bool changed = false;
    for (const auto role : roles) {
        if (palette.color(role) != colour) {
            palette.setColor(role, colour);
            changed = true;
        }
    }
    if (changed)
        widget->setPalette(palette);
}

void setForeground(QWidget *widget, SemanticColor colour)
{
    followPalette(widget, QStringLiteral("foreground"), [widget, colour] {
        setPaletteColour(widget, {QPalette::WindowText, QPalette::Text, QPalette::ButtonText},
                         Colors::semantic(colour, basePalette(widget)));
    });
}

void setTintedSymbol(QLabel *label, const QString &symbolName, std::optional<SemanticColor> colour, int size)
{
    followPalette(label, QStringLiteral("symbol"), [label, symbolName, colour, size] {
        const QPalette &palette = label->palette();
        const QColor tint = colour ? Colors::semantic(*colour, palette) : palette.color(QPalette::WindowText);
        label->setPixmap(Symbols::tinted(symbolName, tint, size, label->devicePixelRatioF()));
    });
}
