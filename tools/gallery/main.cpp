// The control gallery: shows every control of the program in each of its states.
//   gallery                 opens the window
//   gallery --png FILE      writes the window to FILE (offscreen when there is no display)
#include "GalleryWindow.h"
#include "app/AppFont.h"
#include "app/Uformres.h"

#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    QString pngPath;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--png") == 0)
            pngPath = QString::fromLocal8Bit(argv[i + 1]);
    }
    if (!pngPath.isEmpty() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    InstallApplicationFont();
    const TFormRes pictures(QString(), nullptr);
    GalleryWindow window(pictures);
    window.show();
    if (pngPath.isEmpty())
        return QApplication::exec();

    QApplication::processEvents();
    if (!window.grab().save(pngPath, "PNG")) {
        std::fprintf(stderr, "gallery: cannot write %s\n", qPrintable(pngPath));
        return 1;
    }
    std::printf("gallery: wrote %s\n", qPrintable(pngPath));
    return 0;
}
