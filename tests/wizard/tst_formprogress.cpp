#include "WizardFixture.h"
#include "wizard/Uformprogress.h"
#include "wizard/Uframedevlist.h"

#include <QKeyEvent>
#include <QProgressBar>
#include <QTest>

namespace {

class FormProgressTest : public WizardFixture
{};

TEST_F(FormProgressTest, StartActionRunsOnceOnTheFirstTickWithTheTimerOff)
{
    start();
    TFormProgress progress;
    int starts = 0;
    std::uint32_t startedAt = 0;
    const std::uint32_t shownAt = GetTickCount();
    progress.OnStart = [&] {
        ++starts;
        startedAt = GetTickCount();
        EXPECT_FALSE(progress.TimerProc.Enabled());
        WaitWithMessages(5000); // a long start action: no tick meanwhile
    };
    TTimer ender(7000, true);
    ender.OnTimer = [&] {
        ender.SetEnabled(false);
        progress.SetModalResult(1);
    };
    EXPECT_EQ(progress.ShowCentered(nullptr), 1);
    EXPECT_EQ(starts, 1);
    EXPECT_EQ(startedAt - shownAt, 200u);
}

TEST_F(FormProgressTest, WithoutAnAnswerTheLimitEndsItWithTwo)
{
    start();
    TFormProgress progress;
    const std::uint32_t shownAt = GetTickCount();
    EXPECT_EQ(progress.ShowCentered(nullptr), 2);
    EXPECT_EQ(GetTickCount() - shownAt, 200u * 1501);
    EXPECT_FALSE(progress.isVisible());
}

TEST_F(FormProgressTest, CentredOverTheWizardWindowAndBarAnimates)
{
    start();
    wizard->move(37, 61);
    TFormProgress progress;
    QPoint shownAt;
    int barAfterTwoSeconds = -1;
    progress.OnStart = [&] {
        shownAt = progress.pos();
        WaitWithMessages(2000);
        barAfterTwoSeconds = progress.ProgressBar1->value();
        progress.SetModalResult(2);
    };
    EXPECT_EQ(progress.ShowCentered(wizard->FrameDevList1), 2);
    const QRect outer = wizard->frameGeometry();
    EXPECT_EQ(shownAt, QPoint(outer.left() + (outer.width() - 190) / 2,
                              outer.top() + (outer.height() - 50) / 2));
    EXPECT_EQ(progress.size(), QSize(190, 50));
    EXPECT_EQ(barAfterTwoSeconds, 1); // the timer is off during the start action
}

TEST_F(FormProgressTest, NeitherAltF4NorEscapeClosesIt)
{
    start();
    TFormProgress progress;
    bool stillOpen = false;
    progress.OnStart = [&] {
        QTest::keyClick(&progress, Qt::Key_F4, Qt::AltModifier);
        QTest::keyClick(&progress, Qt::Key_Escape);
        progress.close();
        WaitWithMessages(400);
        stillOpen = progress.isVisible();
        progress.SetModalResult(1);
    };
    EXPECT_EQ(progress.ShowCentered(wizard.get()), 1);
    EXPECT_TRUE(stillOpen);
}

TEST_F(FormProgressTest, StartActionMayEndTheDialogAtOnce)
{
    start();
    TFormProgress progress;
    progress.OnStart = [&] { progress.SetModalResult(2); };
    const std::uint32_t shownAt = GetTickCount();
    EXPECT_EQ(progress.ShowCentered(wizard.get()), 2);
    EXPECT_EQ(GetTickCount() - shownAt, 200u);
}

} // namespace
