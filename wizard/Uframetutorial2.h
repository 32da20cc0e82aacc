#pragma once

#include "wizard/Uframetutorial.h"

class TFrameTutorial2 : public TFrameTutorialBase
{
public:
    explicit TFrameTutorial2(QWidget* parent = nullptr);
};
