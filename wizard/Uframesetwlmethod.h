#pragma once

#include "wizard/Uframeblank.h"

class TFrameSetWlMethod : public TFrameBlank
{
public:
    explicit TFrameSetWlMethod(QWidget* parent = nullptr) : TFrameBlank("TFrameSetWlMethod", parent)
    {}
};
