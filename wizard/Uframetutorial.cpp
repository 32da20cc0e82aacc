#include "Uframetutorial.h"

#include "app/Uglobalvar.h"
#include "controls/Utrifacebtn.h"

#include <QLabel>

TFrameTutorialBase::TFrameTutorialBase(const char* className, const char* pictureName,
                                       const QRect& pictureRect, QWidget* parent)
    : TFrameBase(className, parent), pictureName_(pictureName)
{
    ImgBG = AddBackground();
    ImgTutorial = new QLabel(this);
    ImgTutorial->setObjectName(pictureName);
    ImgTutorial->setGeometry(pictureRect);
    BtnExit = AddPageButton("BtnExit", "Exit", 24);
    BtnBack = AddPageButton("BtnBack", "Back", 389);
    BtnNext = AddPageButton("BtnNext", "Next", 492);
    PostOnClick(BtnExit, WIZ_EXIT);
    PostOnClick(BtnBack, WIZ_BACK);
    PostOnClick(BtnNext, WIZ_NEXT);
}

void TFrameTutorialBase::InitPage()
{
    SetPicture(ImgBG, "ImgFrameBG");
    SetPicture(ImgTutorial, pictureName_);
    for (TTrifaceBtn* button : {BtnExit, BtnBack, BtnNext})
        SetPageButtonFaces(button);
    TFrameBase::InitPage();
}

bool TFrameTutorialBase::CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param)
{
    if (GlobalVar().ini->ReadBool("Setting", "SkipTutorial", false))
        PostWizard(direction == NavNext ? WIZ_NEXT : WIZ_BACK);
    return TFrameBase::CanEnterPage(from, direction, param);
}

TFrameTutorial::TFrameTutorial(QWidget* parent)
    : TFrameTutorialBase("TFrameTutorial", "ImgTutorial", {134, 10, 332, 275}, parent)
{}
