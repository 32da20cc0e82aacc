#pragma once

#include "app/UserGuide.h"

#include <QWidget>

class QLabel;
class TGWImage;
class TTrifaceBtn;

// The picture menu and the application's main window: start the wizard, the user guides, the
// registration page, exit. The pages and the engine post their messages here; they are passed
// on to the wizard window.
class TFormAutorun : public QWidget
{
public:
    explicit TFormAutorun(QWidget* parent = nullptr);
    ~TFormAutorun() override;

    bool GuidesExpanded() const { return guidesExpanded; }
    const TUserGuideLauncher& UserGuide() const { return userGuide; }

    static constexpr int kGuideShift = 48;

    QLabel* ImgBG;
    TTrifaceBtn* BtnSetupWizard;
    TTrifaceBtn* BtnUG;
    TGWImage* BtnUG_UG;
    TGWImage* BtnUG_QIG;
    TTrifaceBtn* BtnProductReg;
    TTrifaceBtn* BtnExit;

    void BtnSetupWizardClick();
    void BtnUGClick();
    void BtnUG_UGClick();
    void BtnUG_QIGClick();
    void BtnProductRegClick();
    void BtnExitClick();

protected:
    bool event(QEvent* e) override;

private:
    TTrifaceBtn* addFaceButton(const char* name, const QRect& geometry);
    TGWImage* addGuideButton(const char* name, const QRect& geometry);

    bool guidesExpanded = false;
    TUserGuideLauncher userGuide; // TimerInstAcrobat and installerGoneCount
};

extern TFormAutorun* FormAutorun;
