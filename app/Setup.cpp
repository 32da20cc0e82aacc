// The entry routine of the setup program.
#include "app/Application.h"
#include "app/Udebug.h"
#include "app/Uglobalvar.h"
#include "protocol/Uformudp.h"

#include <QWidget>

namespace {
// The settings object and then the log exist before the entry routine runs.
[[maybe_unused]] CGlobalVar& globalVar = GlobalVar();
[[maybe_unused]] CDebug& debugLog = DebugLog();
} // namespace

int main(int argc, char** argv)
{
    return RunSetup(argc, argv, [] {
        // Until the picture menu exists, a plain window with the application title is the
        // main window.
        auto* window = new QWidget;
        window->setObjectName("FormAutorun");
        window->setWindowTitle(GlobalVar().appTitle);
        window->resize(600, 450);
        // The hidden protocol engine; it goes with the main window (logging out first).
        new TFormUDP(Network::current(), window);
        return window;
    });
}
