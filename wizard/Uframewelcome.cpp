#include "Uframewelcome.h"

#include "controls/Utrifacebtn.h"
#include "wizard/PageStyle.h"

#include <QGroupBox>
#include <QLabel>

TFrameWelcome::TFrameWelcome(QWidget* parent) : TFrameBase("TFrameWelcome", parent)
{
    ImgBG = AddBackground();
    GBoxWelcome = AddWhiteGroupBox(this, "GBoxWelcome", "Welcome", {24, 16, 553, 257});
    LbInfo1 = AddLabel(GBoxWelcome, "LbInfo1", "Welcome to the Setup Wizard for your KZL-958WB.",
                       {40, 48, 481, 81});
    SetBold(LbInfo1);
    SetPixelSize(LbInfo1, 18);
    LbInfo1->setWordWrap(true);
    LbInfo1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    BtnExit = AddPageButton("BtnExit", "Exit", 24);
    BtnUG = AddPageButton("BtnUG", "User Guide", 389);
    BtnUG->hide();
    BtnStart = AddPageButton("BtnStart", "Start", 492);
    PostOnClick(BtnExit, WIZ_EXIT);
    connect(BtnUG, &QAbstractButton::clicked, this, [this] { userGuide.Open(); });
    PostOnClick(BtnStart, WIZ_NEXT);
}

void TFrameWelcome::InitPage()
{
    SetPicture(ImgBG, "ImgFrameBG");
    for (TTrifaceBtn* button : {BtnExit, BtnUG, BtnStart})
        SetPageButtonFaces(button);
    TFrameBase::InitPage();
}
