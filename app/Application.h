#pragma once

#include <functional>

class QWidget;

// The entry routine's work, apart from main(): settings, the instance guard, the application
// object and its title, the windows, the message loop and the clean-up. createWindows builds
// the program's windows and returns the main window, whose closing ends the loop;
// destroyWindows frees them again (also after a failure).
int RunSetup(int argc, char** argv, const std::function<QWidget*()>& createWindows,
             const std::function<void()>& destroyWindows = {});
