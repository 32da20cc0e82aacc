#pragma once

#include "platform/Messages.h"
#include "wizard/Uframebase.h"

#include <QDialog>
#include <vector>

class QLabel;
class TFrameWelcome;
class TFrameLicense;
class TFrameTutorial;
class TFrameTutorial2;
class TFrameDevList;
class TFramePassword;
class TFrameSetupMethod;
class TFrameDevIPCfg;
class TFrameSetWlMethod;
class TFrameWPSMethod;
class TFrameSuccess;
class TFrameWlProfile;

// The wizard window: a borderless 600 x 450 window showing one page at a time. It chooses the
// page that follows from its Next and Back tables, runs the page protocol, forwards the
// engine's notifications to the page on show and ends the wizard (modal result 1: leave the
// program, 2: back to the menu).
class TFormMain : public QDialog
{
public:
    explicit TFormMain(QWidget* parent = nullptr);
    ~TFormMain() override;

    void OnWizardCommand(WPARAM wParam, LPARAM lParam);
    void GoNext(LPARAM param);
    void GoBack(LPARAM param);
    bool SwitchPage(TFrameBase* page, NavDirection direction, LPARAM param);

    TFrameBase* CurrentPage() const { return currentPage; }
    const std::vector<TFrameBase*>& Pages() const { return pages_; }

    QLabel* ImgBG;
    TFrameWelcome* FrameWelcome1;
    TFrameLicense* FrameLicense1;
    TFrameTutorial* FrameTutorial1;
    TFrameDevList* FrameDevList1;
    TFramePassword* FramePassword1;
    TFrameSetupMethod* FrameSetupMethod1;
    TFrameDevIPCfg* FrameDevIPCfg1;
    TFrameSetWlMethod* FrameSetWlMethod1;
    TFrameWPSMethod* FrameWPSMethod1;
    TFrameSuccess* FrameSuccess1;
    TFrameWlProfile* FrameWlProfile1;
    TFrameTutorial2* FrameTutorial21;

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

private:
    template <class Page> Page* addPage(const char* name);
    TFrameBase* nextPage();
    TFrameBase* previousPage();
    bool staticAddressChosen() const;
    void handOverToWirelessStep();
    void confirmExit();

    TFrameBase* currentPage = nullptr;
    std::vector<TFrameBase*> pages_;
};

extern TFormMain* FormMain;
