#pragma once

#include "wizard/Uframebase.h"

class QGroupBox;
class QLabel;

// Shown after a wireless setting was made; Back (and Next, when the settings show it) leads to
// the setup method page for another setting.
class TFrameSuccess : public TFrameBase
{
public:
    explicit TFrameSuccess(QWidget* parent = nullptr);
    void InitPage() override;

    QLabel* ImgBG;
    QGroupBox* GBoxSuccess;
    QLabel* LbSuccess1;
    QLabel* LbSuccess2;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnBack;
    TTrifaceBtn* BtnNext;
};
