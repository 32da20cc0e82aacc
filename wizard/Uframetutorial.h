#pragma once

#include "wizard/Uframebase.h"

class QLabel;

// A page that shows one picture of how to cable the PC and the access point. Both tutorial
// pages pass straight through, either way, when SkipTutorial is set.
class TFrameTutorialBase : public TFrameBase
{
public:
    TFrameTutorialBase(const char* className, const char* pictureName, const QRect& pictureRect,
                       QWidget* parent);

    void InitPage() override;
    bool CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param) override;

    QLabel* ImgBG;
    QLabel* ImgTutorial;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnBack;
    TTrifaceBtn* BtnNext;

private:
    const char* pictureName_;
};

class TFrameTutorial : public TFrameTutorialBase
{
public:
    explicit TFrameTutorial(QWidget* parent = nullptr);
};
