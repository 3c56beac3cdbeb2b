#include "ui/shell/LegalGateView.h"

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class LegalGateViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        gate.show();
        gate.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&gate));
    }

    LegalGateView gate;
    QSignalSpy understood{&gate, &LegalGateView::understood};
    QSignalSpy quit{&gate, &LegalGateView::quitRequested};
};

TEST_F(LegalGateViewTest, ReturnUnderstands)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(understood.count(), 1);
    EXPECT_EQ(quit.count(), 0);
}

TEST_F(LegalGateViewTest, EscapeQuits)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(understood.count(), 0);
}

TEST_F(LegalGateViewTest, ButtonsCarryTheirNames)
{
    auto *understand = gate.findChild<QPushButton *>(QStringLiteral("legalUnderstandButton"));
    auto *quitButton = gate.findChild<QPushButton *>(QStringLiteral("legalQuitButton"));
    ASSERT_NE(understand, nullptr);
    ASSERT_NE(quitButton, nullptr);
    EXPECT_EQ(understand->text(), QStringLiteral("I Understand"));
    EXPECT_EQ(understand->accessibleName(), QStringLiteral("I Understand"));
    EXPECT_EQ(quitButton->text(), QStringLiteral("Quit"));
    quitButton->click();
    understand->click();
    EXPECT_EQ(quit.count(), 1);
    EXPECT_EQ(understood.count(), 1);
}

} // namespace
