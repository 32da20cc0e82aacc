#pragma once

#include "wizard/Uframeblank.h"

class TFrameWPSMethod : public TFrameBlank
{
public:
    explicit TFrameWPSMethod(QWidget* parent = nullptr) : TFrameBlank("TFrameWPSMethod", parent) {}
};
