#include "UserGuide.h"

#include "app/Uglobalvar.h"
#include "platform/Shell.h"

TUserGuideLauncher::TUserGuideLauncher() : timer_(2000, false)
{
    timer_.OnTimer = [this] { TimerInstAcrobatTimer(); };
}

void TUserGuideLauncher::Open()
{
    CGlobalVar& g = GlobalVar();
    switch (g.OpenUserGuide()) {
    case 2:
        ShowMessageText("ER_FILE_UG");
        return;
    case 3:
        if (timer_.Enabled() || !AskMessageText("MSG_InstAcrobat"))
            return;
        if (!g.acrobatSetupPath.isEmpty() && Shell::current().Open("open", g.acrobatSetupPath)) {
            timer_.SetInterval(kFirstCheckMs);
            timer_.SetEnabled(true);
        } else {
            ShowMessageText("ER_FILE_Acrobat");
        }
        return;
    default:
        return;
    }
}

void TUserGuideLauncher::TimerInstAcrobatTimer()
{
    if (Shell::current().FindTopLevelWindow(GlobalVar().acrobatSetupTitle)) {
        timer_.SetInterval(kRecheckMs);
        return;
    }
    const int old = installerGoneCount_++;
    if (old >= 3) {
        timer_.SetEnabled(false);
        installerGoneCount_ = 0;
        GlobalVar().OpenUserGuide();
    }
}
