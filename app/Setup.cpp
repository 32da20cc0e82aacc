// The entry routine of the setup program.
#include "app/Application.h"
#include "app/Udebug.h"
#include "app/Uglobalvar.h"

#include <QWidget>

namespace {
// The settings object and then the log exist before the entry routine runs.
[[maybe_unused]] CGlobalVar& globalVar = GlobalVar();
[[maybe_unused]] CDebug& debugLog = DebugLog();

QWidget* mainWindow = nullptr;
} // namespace

int main(int argc, char** argv)
{
    return RunSetup(
        argc, argv,
        [] {
            // Until the picture menu exists, a plain window with the application title is the
            // main window.
            mainWindow = new QWidget;
            mainWindow->setObjectName("FormAutorun");
            mainWindow->setWindowTitle(GlobalVar().appTitle);
            mainWindow->resize(600, 450);
            return mainWindow;
        },
        [] { delete mainWindow; });
}
