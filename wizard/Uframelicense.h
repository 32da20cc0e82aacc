#pragma once

#include "wizard/Uframebase.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QTextEdit;

// The licence agreement: the wizard's first page. Next is possible only while the box is
// ticked; once accepted, or when no licence file is named or found, the page passes through.
class TFrameLicense : public TFrameBase
{
public:
    explicit TFrameLicense(QWidget* parent = nullptr);

    void InitPage() override;
    bool CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param) override;
    void PageEntered(TFrameBase* from, NavDirection direction, LPARAM param) override;

    QLabel* ImgBG;
    QGroupBox* GBoxLicense;
    QTextEdit* REdtLicense;
    QCheckBox* ChkAccept;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnBack;
    TTrifaceBtn* BtnNext;

private:
    void ChkAcceptClick();
    void BtnNextClick();
    void passThrough();
};
