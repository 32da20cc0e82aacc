#include "Uframeblank.h"

#include "controls/Utrifacebtn.h"

#include <QLabel>

TFrameBlank::TFrameBlank(const char* className, QWidget* parent) : TFrameBase(className, parent)
{
    ImgBG = AddBackground();
    BtnExit = AddPageButton("BtnExit", "Exit", 24);
    BtnBack = AddPageButton("BtnBack", "Back", 389);
    connect(BtnExit, &QAbstractButton::clicked, this, [] { PostWizard(WIZ_EXIT); });
    connect(BtnBack, &QAbstractButton::clicked, this, [] { PostWizard(WIZ_BACK); });
}

void TFrameBlank::InitPage()
{
    SetPicture(ImgBG, "ImgFrameBG");
    SetPageButtonFaces(BtnExit);
    SetPageButtonFaces(BtnBack);
    TFrameBase::InitPage();
}
