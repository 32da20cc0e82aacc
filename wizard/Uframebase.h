#pragma once

#include "platform/Messages.h"

#include <QWidget>

class QAbstractButton;
class QLabel;
class TTrifaceBtn;

enum NavDirection { NavNext = 0, NavBack = 1 };

// Navigation requests that pages post to the main window (UM_WIZARD wParam).
enum WizardCommand : WPARAM { WIZ_EXIT = 1, WIZ_NEXT = 2, WIZ_BACK = 3 };

// The base of every wizard page. The wizard window asks the page before every change
// (CanLeavePage, CanEnterPage) and tells it afterwards (PageLeft, PageEntered); the page talks to
// the window only by posting navigation requests to the main window.
class TFrameBase : public QWidget
{
public:
    // className is the page's class name: the section of its texts in the settings file.
    TFrameBase(const char* className, QWidget* parent = nullptr);

    const char* ClassName() const { return className_; }

    virtual void InitPage();
    virtual void DonePage();
    virtual bool CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param);
    virtual void PageEntered(TFrameBase* from, NavDirection direction, LPARAM param);
    virtual bool CanLeavePage(TFrameBase* to, NavDirection direction, LPARAM param);
    virtual void PageLeft(TFrameBase* to, NavDirection direction, LPARAM param);

    // The page from which this page was last entered by a forward move.
    TFrameBase* prevPage = nullptr;

    // Posts a navigation request to the application's main window.
    static void PostWizard(WizardCommand command);

protected:
    // A window message delivered to the page (the engine's notifications).
    virtual void HandleMessage(WindowMessageEvent& message);
    bool event(QEvent* e) override;

    // Building blocks of the page layouts: the background picture label at (0, 0) covering the
    // page, and an 85 x 21 page button. Pictures are put in by InitPage.
    QLabel* AddBackground();
    TTrifaceBtn* AddPageButton(const char* name, const QString& caption, int left, int top = 288,
                               QWidget* parent = nullptr);
    // Shows the shared picture pictureName in label.
    static void SetPicture(QLabel* label, const char* pictureName);
    // A click on button posts the navigation request command.
    void PostOnClick(QAbstractButton* button, WizardCommand command);
    // Gives button the shared page-button faces (normal, mouse-over, pressed).
    static void SetPageButtonFaces(TTrifaceBtn* button);

private:
    const char* className_;
};
