#pragma once

#include "wizard/Uframeblank.h"

class TFrameWlProfile : public TFrameBlank
{
public:
    explicit TFrameWlProfile(QWidget* parent = nullptr) : TFrameBlank("TFrameWlProfile", parent) {}

    // Moves among the profile's sub-pages; true when the move leaves the container. With no
    // sub-pages yet every move leaves it.
    bool MoveSubPage(bool forward)
    {
        (void)forward;
        return true;
    }
};
