#pragma once

#include "app/UserGuide.h"
#include "wizard/Uframebase.h"

class QGroupBox;
class QLabel;

// A welcome page that the wizard holds but no navigation shows; its hidden User Guide button
// works as the autorun menu's.
class TFrameWelcome : public TFrameBase
{
public:
    explicit TFrameWelcome(QWidget* parent = nullptr);
    void InitPage() override;

    QLabel* ImgBG;
    QGroupBox* GBoxWelcome;
    QLabel* LbInfo1;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnUG;
    TTrifaceBtn* BtnStart;
    TUserGuideLauncher userGuide; // with its own TimerInstAcrobat
};
