// Draws the program's built-in pictures into the folder given (assets/pictures by default):
// JPEG files for the photographs and backgrounds, 24-bit Windows bitmaps for the button faces.
#include "Artwork.h"
#include "Painting.h"

#include <QDir>
#include <QGuiApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(folder);
    Painting::LoadFonts();
    int failures = 0;
    for (const Artwork& art : DrawAllArtwork()) {
        const QString path = folder + '/' + art.name + (art.jpeg ? ".jpg" : ".bmp");
        const bool saved =
            art.jpeg ? art.picture.convertToFormat(QImage::Format_RGB888).save(path, "JPG", 92)
                     : art.picture.convertToFormat(QImage::Format_RGB888).save(path, "BMP");
        std::printf("%-22s %3d x %3d  %s\n", qPrintable(art.name), art.picture.width(),
                    art.picture.height(), saved ? "written" : "FAILED");
        failures += saved ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}
