#include "app/DesktopColorScheme.h"
#include "ui/widgets/Colors.h"
#include "ui/widgets/ContrastStyle.h"
#include "ui/widgets/SegmentedPicker.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>

namespace {

// A control on a background of one colour, painted by the application's style.
struct Scene
{
    std::unique_ptr<QWidget> backdrop;
    QWidget *control = nullptr;
    QImage image;

    QColor at(const QPoint &point) const { return image.pixelColor(control->mapTo(backdrop.get(), point)); }
};

Scene paint(const QPalette &palette, const QColor &background, const std::function<QWidget *(QWidget *)> &make)
{
    Scene scene;
    scene.backdrop = std::make_unique<QWidget>();
    scene.backdrop->setStyle(QApplication::style());
    QPalette colours = palette;
    colours.setColor(QPalette::Window, background);
    scene.backdrop->setPalette(colours);
    scene.backdrop->setAutoFillBackground(true);
    scene.control = make(scene.backdrop.get());
    // The control keeps the palette's own colours; only its surroundings change.
    scene.control->setPalette(palette);
    scene.control->resize(scene.control->sizeHint().expandedTo(QSize(60, 20)));
    scene.control->move(10, 10);
    scene.backdrop->resize(scene.control->width() + 20, scene.control->height() + 20);
    scene.image = scene.backdrop->grab().toImage();
    return scene;
}

// Where a control shows its edge: the middle of its left side, or of the
// left side of its check box indicator.
QPoint leftEdge(const QWidget *control)
{
    if (const auto *box = qobject_cast<const QCheckBox *>(control)) {
        QStyleOptionButton option;
        option.initFrom(box);
        const QRect indicator = box->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, box);
        return {indicator.left(), indicator.center().y()};
    }
    return {0, control->height() / 2};
}

struct ControlKind
{
    const char *name;
    std::function<QWidget *(QWidget *)> make;
};

const ControlKind kEdgedControls[] = {
    {"textField", [](QWidget *parent) { return new QLineEdit(QStringLiteral("text"), parent); }},
    {"emptyTextField", [](QWidget *parent) { return new QLineEdit(parent); }},
    {"popUpPicker",
     [](QWidget *parent) {
         auto *box = new QComboBox(parent);
         box->addItems({QStringLiteral("1080p"), QStringLiteral("720p")});
         return box;
     }},
    {"pushButton", [](QWidget *parent) { return new QPushButton(QStringLiteral("Choose…"), parent); }},
    {"uncheckedCheckBox", [](QWidget *parent) { return new QCheckBox(QStringLiteral("Keep"), parent); }},
    {"checkedCheckBox",
     [](QWidget *parent) {
         auto *box = new QCheckBox(QStringLiteral("Keep"), parent);
         box->setChecked(true);
         return box;
     }},
    {"stepButton",
     [](QWidget *parent) {
         auto *button = new QToolButton(parent);
         button->setText(QStringLiteral("+"));
         return button;
     }},
};

struct PaletteCase
{
    const char *name;
    std::function<QPalette()> palette;
};

const PaletteCase kPalettes[] = {
    {"light", [] { return QApplication::style()->standardPalette(); }},
    {"dark", [] { return DesktopColorScheme::darkPalette(); }},
};

// The backgrounds controls stand on: the window, and the preview card.
QList<std::pair<const char *, QColor>> backgrounds(const QPalette &palette)
{
    return {{"window", palette.color(QPalette::Window)}, {"card", Colors::cardFill(palette)}};
}

class ContrastTest : public ::testing::TestWithParam<std::tuple<PaletteCase, ControlKind>>
{
protected:
    void SetUp() override { ContrastStyle::install(); }
};

TEST_P(ContrastTest, TheEdgeOfTheControlStandsOutThreeToOne)
{
    const QPalette palette = std::get<0>(GetParam()).palette();
    const ControlKind &kind = std::get<1>(GetParam());
    const QColor edge = Colors::controlEdge(palette);
    for (const QColor &filling : {palette.color(QPalette::Base), palette.color(QPalette::Button)})
        EXPECT_GE(Colors::contrast(edge, filling), Colors::kControlContrast) << "against the control's filling";
    for (const auto &[where, background] : backgrounds(palette)) {
        SCOPED_TRACE(where);
        EXPECT_GE(Colors::contrast(edge, background), Colors::kControlContrast) << "computed from the palette";
        const Scene scene = paint(palette, background, kind.make);
        const QColor painted = scene.at(leftEdge(scene.control));
        EXPECT_EQ(painted.name(), edge.name()) << "the edge is painted in the edge colour";
        EXPECT_GE(Colors::contrast(painted, background), Colors::kControlContrast) << "as painted";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Palettes, ContrastTest, ::testing::Combine(::testing::ValuesIn(kPalettes), ::testing::ValuesIn(kEdgedControls)),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

class SegmentContrastTest : public ::testing::TestWithParam<PaletteCase>
{
protected:
    void SetUp() override { ContrastStyle::install(); }
};

// The selected segment against the background and against its unselected
// neighbours, sampled inside each segment clear of its text.
TEST_P(SegmentContrastTest, TheSelectedSegmentStandsOutFromBackgroundAndNeighbours)
{
    const QPalette palette = GetParam().palette();
    for (const auto &[where, background] : backgrounds(palette)) {
        SCOPED_TRACE(where);
        const Scene scene = paint(palette, background, [](QWidget *parent) {
            auto *picker = new SegmentedPicker({QStringLiteral("Video"), QStringLiteral("Audio")}, parent);
            picker->setCurrentIndex(0);
            return picker;
        });
        const QList<QAbstractButton *> segments = scene.control->findChildren<QAbstractButton *>();
        ASSERT_EQ(segments.size(), 2);
        const auto fill = [&](const QAbstractButton *segment) { return scene.at(segment->geometry().topLeft() + QPoint(4, 4)); };
        const QColor selected = fill(segments.at(0));
        EXPECT_EQ(selected.name(), Colors::selectedSegment(palette).name());
        EXPECT_GE(Colors::contrast(selected, background), Colors::kControlContrast);
        EXPECT_GE(Colors::contrast(selected, fill(segments.at(1))), Colors::kControlContrast);
        // The unselected segment has its edge.
        EXPECT_GE(Colors::contrast(scene.at(QPoint(segments.at(1)->geometry().right(), scene.control->height() / 2)),
                                   background),
                  Colors::kControlContrast);
    }
}

INSTANTIATE_TEST_SUITE_P(Palettes, SegmentContrastTest, ::testing::ValuesIn(kPalettes),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Contrast, FollowsTheWcagFormula)
{
    EXPECT_DOUBLE_EQ(Colors::contrast(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(Colors::contrast(Qt::white, Qt::white), 1.0);
    EXPECT_NEAR(Colors::contrast(QColor(0x77, 0x77, 0x77), Qt::white), 4.48, 0.01);
}

} // namespace
