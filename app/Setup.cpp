// The entry routine of the setup program.
#include "app/Application.h"
#include "app/Udebug.h"
#include "app/Uformres.h"
#include "app/Uglobalvar.h"
#include "autorun/Uformautorun.h"
#include "protocol/Uformudp.h"
#include "wizard/Uformmain.h"

namespace {
// The settings object and then the log exist before the entry routine runs.
[[maybe_unused]] CGlobalVar& globalVar = GlobalVar();
[[maybe_unused]] CDebug& debugLog = DebugLog();

QWidget* createWindows()
{
    FormRes = new TFormRes;
    FormAutorun = new TFormAutorun;
    FormMain = new TFormMain;
    FormUDP = new TFormUDP;
    return FormAutorun;
}

void destroyWindows()
{
    delete FormUDP; // logs out first when logged in
    FormUDP = nullptr;
    delete FormMain;
    delete FormAutorun;
    delete FormRes;
    FormRes = nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    return RunSetup(argc, argv, createWindows, destroyWindows);
}
