#pragma once

#include "wizard/Uframebase.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class TFormProgress;

// The login page: the typed password becomes the cipher key; Login logs in to the chosen
// device and reads its settings under the progress dialog, and only then moves on.
class TFramePassword : public TFrameBase
{
public:
    explicit TFramePassword(QWidget* parent = nullptr);

    void InitPage() override;
    bool CanEnterPage(TFrameBase* from, NavDirection direction, LPARAM param) override;
    void PageEntered(TFrameBase* from, NavDirection direction, LPARAM param) override;

    static constexpr std::uint32_t kLoginWaitMs = 2000;
    static constexpr std::uint32_t kGetConfigWaitMs = 2000;

    QLabel* ImgBG;
    QGroupBox* GBoxPassword;
    QLabel* LbPassword;
    QLineEdit* EdtPassword;
    QLabel* LbInfo1;
    TTrifaceBtn* BtnExit;
    TTrifaceBtn* BtnBack;
    TTrifaceBtn* BtnLogin;

    TFormProgress* progress = nullptr;

protected:
    void HandleMessage(WindowMessageEvent& message) override;

private:
    void BtnLoginClick();
    void StartLogin();
};
