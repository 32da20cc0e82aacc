// From a click on Next on the second tutorial page to the device list filled, on the real clock:
// the 4000 ms search wait plus the program's own work. The devices answer on the in-memory
// network, so no socket is opened.
#include "app/Uformres.h"
#include "app/Uglobalvar.h"
#include "autorun/Uformautorun.h"
#include "controls/Sortlistview.h"
#include "controls/Utrifacebtn.h"
#include "platform/Messages.h"
#include "platform/ProgramLocation.h"
#include "protocol/Uformudp.h"
#include "protocol/testing/MemoryNetwork.h"
#include "sim/testing/MemoryApHost.h"
#include "wizard/Uformmain.h"
#include "wizard/Uframedevlist.h"
#include "wizard/Uframetutorial2.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

double searchOnce(int devices)
{
    MemoryNetwork network;
    network.AddAdapter({0x02, 0xC0, 0, 0, 0, 1}, "lab0", "192.0.2.1", "255.255.255.0", 0);
    ApSettings settings;
    settings.ip = 0xC000020A;
    MemoryApHost aps(network, 0, "192.0.2.10", settings, devices);
    FormRes = new TFormRes;
    FormAutorun = new TFormAutorun;
    SetMainWindow(FormAutorun);
    FormMain = new TFormMain;
    FormUDP = new TFormUDP(network);
    FormMain->show();
    for (int i = 0; i < 10; ++i) // the wizard's first requests (licence, first tutorial)
        QCoreApplication::processEvents();
    FormMain->SwitchPage(FormMain->FrameTutorial21, NavNext, 0);

    QElapsedTimer clock;
    clock.start();
    FormMain->FrameTutorial21->BtnNext->click();
    TFrameDevList* page = FormMain->FrameDevList1;
    while (page->LvDevList->topLevelItemCount() < devices || clock.elapsed() < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 5);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;

    delete FormUDP;
    delete FormMain;
    delete FormAutorun;
    delete FormRes;
    FormRes = nullptr;
    SetMainWindow(nullptr);
    return ms;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    ProgramLocation::OverrideProgramFile(dir.filePath("Setup").toStdString());
    GlobalVar().LoadSettings();
    for (int devices : {1, 100}) {
        std::vector<double> runs;
        for (int i = 0; i < 5; ++i)
            runs.push_back(searchOnce(devices));
        std::sort(runs.begin(), runs.end());
        std::printf("%3d device(s): click on Next to list filled, median %.1f ms "
                    "(4000 ms wait + %.1f ms), min %.1f, max %.1f\n",
                    devices, runs[2], runs[2] - 4000.0, runs.front(), runs.back());
    }
    return 0;
}
