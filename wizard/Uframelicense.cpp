#include "Uframelicense.h"

#include "app/Uglobalvar.h"
#include "controls/Utrifacebtn.h"
#include "wizard/PageStyle.h"
#include "wizard/RtfReader.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QTextEdit>

TFrameLicense::TFrameLicense(QWidget* parent) : TFrameBase("TFrameLicense", parent)
{
    ImgBG = AddBackground();
    GBoxLicense = AddWhiteGroupBox(this, "GBoxLicense", "License Agreement", {24, 16, 553, 257});
    REdtLicense = new QTextEdit(GBoxLicense);
    REdtLicense->setObjectName("REdtLicense");
    REdtLicense->setGeometry(24, 24, 513, 194);
    REdtLicense->setReadOnly(true);
    REdtLicense->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    ChkAccept = new QCheckBox("I accept the terms in the License Agreement.", GBoxLicense);
    ChkAccept->setObjectName("ChkAccept");
    ChkAccept->setGeometry(24, 224, 513, 17);
    SetBold(ChkAccept);
    BtnExit = AddPageButton("BtnExit", "Exit", 24);
    BtnBack = AddPageButton("BtnBack", "Back", 389);
    BtnNext = AddPageButton("BtnNext", "Next", 492);

    connect(ChkAccept, &QCheckBox::toggled, this, [this] { ChkAcceptClick(); });
    PostOnClick(BtnExit, WIZ_EXIT);
    PostOnClick(BtnBack, WIZ_BACK);
    connect(BtnNext, &QAbstractButton::clicked, this, [this] { BtnNextClick(); });
}

void TFrameLicense::InitPage()
{
    SetPicture(ImgBG, "ImgFrameBG");
    for (TTrifaceBtn* button : {BtnExit, BtnBack, BtnNext})
        SetPageButtonFaces(button);
    TFrameBase::InitPage();
}

void TFrameLicense::BtnNextClick()
{
    GlobalVar().licenseAccepted = 1;
    PostWizard(WIZ_NEXT);
}

void TFrameLicense::passThrough()
{
    ChkAccept->setChecked(true);
    BtnNextClick();
}

bool TFrameLicense::CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param)
{
    if (direction != NavNext)
        return TFrameBase::CanEnterPage(from, direction, param);
    CGlobalVar& g = GlobalVar();
    if (g.ini->ReadBool("Setting", "SkipLicense", false)) {
        passThrough();
        return true;
    }
    if (g.licenseAccepted != 0) {
        BtnNextClick();
        return true;
    }
    const QString license = g.ini->ReadString("Product", "License", "");
    const QString path = g.exeDir + license;
    if (license.isEmpty() || !QFileInfo(path).isFile()) {
        passThrough();
        return true;
    }
    REdtLicense->clear();
    RtfReader::LoadFile(path, *REdtLicense->document());
    REdtLicense->moveCursor(QTextCursor::Start);
    ChkAccept->setChecked(false);
    return TFrameBase::CanEnterPage(from, direction, param);
}

void TFrameLicense::PageEntered(TFrameBase* from, NavDirection direction, LPARAM param)
{
    ChkAcceptClick();
    TFrameBase::PageEntered(from, direction, param);
}

void TFrameLicense::ChkAcceptClick()
{
    BtnNext->setEnabled(ChkAccept->isChecked());
}
