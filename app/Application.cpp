#include "Application.h"

#include "app/AppFont.h"
#include "app/Udebug.h"
#include "app/Uglobalvar.h"
#include "platform/InstanceGuard.h"
#include "platform/Messages.h"
#include "platform/UserDialogs.h"

#include <QApplication>
#include <QWidget>
#include <exception>

namespace {

void showException(const QString& message)
{
    UserDialogs::current().ShowException(message, GlobalVar().appTitle);
}

// The application object: an exception escaping an event handler is shown in the standard
// box and the message loop goes on; closing the main window (not hiding it) ends the loop.
class SetupApplication final : public QApplication
{
public:
    using QApplication::QApplication;

    QWidget* mainWindow = nullptr;
    bool quitAfterFirstPaint = false;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            const bool handled = QApplication::notify(receiver, event);
            if (quitAfterFirstPaint && receiver == mainWindow && event->type() == QEvent::Paint) {
                quitAfterFirstPaint = false;
                QMetaObject::invokeMethod(this, &QApplication::quit, Qt::QueuedConnection);
            }
            if (receiver == mainWindow && event->type() == QEvent::Close && event->isAccepted())
                QApplication::quit();
            return handled;
        } catch (const std::exception& e) {
            showException(QString::fromLocal8Bit(e.what()));
        } catch (...) {
            showException(QString());
        }
        return false;
    }
};

} // namespace

int RunSetup(int argc, char** argv, const std::function<QWidget*()>& createWindows,
             const std::function<void()>& destroyWindows)
{
    CGlobalVar& g = GlobalVar();
    if (!g.LoadSettings())
        return 0;

    InstanceGuard guard;
    switch (guard.Create(g.mutexName)) {
    case InstanceGuard::Result::Failed:
        DebugPrint("FAIL CreateMutex()");
        return 0;
    case InstanceGuard::Result::AlreadyExists:
        DebugPrint("FAIL another instance is running");
        return 0;
    case InstanceGuard::Result::Created:
        break;
    }

    SetupApplication app(argc, argv);
    QWidget* mainWindow = nullptr;
    try {
        QApplication::setApplicationName(g.appTitle);
        QApplication::setQuitOnLastWindowClosed(false);
        InstallApplicationFont();
        mainWindow = createWindows();
        if (mainWindow != nullptr) {
            app.mainWindow = mainWindow;
            SetMainWindow(mainWindow);
            mainWindow->show();
            // For start-up measurements: leave once the main window has been painted.
            if (qEnvironmentVariableIsSet("SETUP_QUIT_AFTER_FIRST_PAINT"))
                app.quitAfterFirstPaint = true;
            QApplication::exec();
        }
    } catch (const std::exception& e) {
        showException(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        showException(QString());
    }
    app.mainWindow = nullptr;
    try {
        if (destroyWindows)
            destroyWindows();
    } catch (...) {
    }
    SetMainWindow(nullptr);
    guard.Close();
    return 0;
}
