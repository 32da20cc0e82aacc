#include "Uframetutorial2.h"

#include <QLabel>

TFrameTutorial2::TFrameTutorial2(QWidget* parent)
    : TFrameTutorialBase("TFrameTutorial2", "ImgTutorial2", {16, 24, 552, 240}, parent)
{
    resize(600, 324);
    ImgBG->resize(600, 324);
}
