#include "AppFont.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

void InstallApplicationFont()
{
    QString family = QStringLiteral("DejaVu Sans");
    const int id = QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahoma.ttf");
    QFontDatabase::addApplicationFont("/usr/share/wine/fonts/tahomabd.ttf");
    if (id >= 0 && !QFontDatabase::applicationFontFamilies(id).isEmpty())
        family = QFontDatabase::applicationFontFamilies(id).front();
    QFont font(family);
    font.setPointSize(8);
    QApplication::setFont(font);
}
