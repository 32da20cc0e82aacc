#pragma once

#include "platform/Clock.h"

#include <QDialog>
#include <functional>

class QLabel;
class QProgressBar;

// The modal waiting window of a request to the device. About 200 ms after it appears it runs
// the page's start action once; then it animates until the page ends it with 1 (success) or 2
// (failure), or until its limit of 1500 ticks (about 300 s) ends it with 2. The user cannot
// close it.
class TFormProgress : public QDialog
{
public:
    explicit TFormProgress(QWidget* parent = nullptr);

    // Shows the dialog modally, centred over the window that contains control (the main window
    // when there is none); the modal result, 0 when showing failed.
    int ShowCentered(QWidget* control);
    // Ends the dialog with result (1 or 2).
    void SetModalResult(int result);

    std::function<void()> OnStart;

    static constexpr std::uint32_t kTickMs = 200;
    static constexpr int kTickLimit = 1500;

    QLabel* ImgBG;
    QLabel* LbWait;
    QProgressBar* ProgressBar1;
    TTimer TimerProc;

protected:
    void showEvent(QShowEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void TimerProcTimer();

    int tickCounter_ = 0;
};
