#pragma once

#include "wizard/Uframeblank.h"

class TFrameSetupMethod : public TFrameBlank
{
public:
    explicit TFrameSetupMethod(QWidget* parent = nullptr) : TFrameBlank("TFrameSetupMethod", parent)
    {}
};
