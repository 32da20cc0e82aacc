#include "Uframesuccess.h"

#include "controls/Utrifacebtn.h"
#include "wizard/PageStyle.h"

#include <QGroupBox>
#include <QLabel>

TFrameSuccess::TFrameSuccess(QWidget* parent) : TFrameBase("TFrameSuccess", parent)
{
    ImgBG = AddBackground();
    GBoxSuccess = AddWhiteGroupBox(this, "GBoxSuccess", "", {24, 16, 553, 257});
    LbSuccess1 = AddLabel(GBoxSuccess, "LbSuccess1", "Congratulations!", {32, 32, 505, 29});
    SetPixelSize(LbSuccess1, 24);
    LbSuccess2 =
        AddLabel(GBoxSuccess, "LbSuccess2", "Your 300Mbps Wireless Vantorix(TM) is Now Configured",
                 {32, 75, 505, 113});
    SetPixelSize(LbSuccess2, 20);
    LbSuccess2->setWordWrap(true);
    LbSuccess2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BtnExit = AddPageButton("BtnExit", "Exit", 24);
    BtnBack = AddPageButton("BtnBack", "Back", 389);
    BtnNext = AddPageButton("BtnNext", "Next", 492);
    BtnNext->hide();
    PostOnClick(BtnExit, WIZ_EXIT);
    PostOnClick(BtnBack, WIZ_BACK);
    PostOnClick(BtnNext, WIZ_NEXT);
}

void TFrameSuccess::InitPage()
{
    SetPicture(ImgBG, "ImgFrameBG");
    for (TTrifaceBtn* button : {BtnExit, BtnBack, BtnNext})
        SetPageButtonFaces(button);
    TFrameBase::InitPage();
}
