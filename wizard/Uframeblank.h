#pragma once

#include "wizard/Uframebase.h"

class QLabel;

// A page whose controls are not built yet: the background with Exit and Back, so the wizard's
// tables can already lead through it.
class TFrameBlank : public TFrameBase
{
public:
    TFrameBlank(const char* className, QWidget* parent);
    void InitPage() override;

    QLabel* ImgBG;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnBack;
};
