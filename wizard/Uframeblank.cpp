#include "Uframeblank.h"

#include "controls/Utrifacebtn.h"

#include <QLabel>

TFrameBlank::TFrameBlank(const char* className, QWidget* parent) : TFrameBase(className, parent)
{
    ImgBG = AddBackground();
    BtnExit = AddPageButton("BtnExit", "Exit", 24);
    BtnBack = AddPageButton("BtnBack", "Back", 389);
    PostOnClick(BtnExit, WIZ_EXIT);
    PostOnClick(BtnBack, WIZ_BACK);
}

void TFrameBlank::InitPage()
{
    SetPicture(ImgBG, "ImgFrameBG");
    SetPageButtonFaces(BtnExit);
    SetPageButtonFaces(BtnBack);
    TFrameBase::InitPage();
}
