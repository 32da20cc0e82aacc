#pragma once

#include "wizard/Uframeblank.h"

class TFrameDevIPCfg : public TFrameBlank
{
public:
    explicit TFrameDevIPCfg(QWidget* parent = nullptr) : TFrameBlank("TFrameDevIPCfg", parent) {}
};
