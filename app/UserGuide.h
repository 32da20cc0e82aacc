#pragma once

#include "platform/Clock.h"

// Opens the user guide for the user: when no PDF viewer is installed it offers to run the
// PDF-reader installer from the disc, watches the installer's window and opens the guide once
// the installer has gone. The autorun menu and the welcome page each have one.
class TUserGuideLauncher
{
public:
    TUserGuideLauncher();

    // The user asked for the guide.
    void Open();
    bool Watching() const { return timer_.Enabled(); }
    int InstallerGoneCount() const { return installerGoneCount_; }

    // Watch interval right after the installer started, and while its window is there.
    static constexpr std::uint32_t kFirstCheckMs = 10000;
    static constexpr std::uint32_t kRecheckMs = 1000;

private:
    void TimerInstAcrobatTimer();

    TTimer timer_;
    int installerGoneCount_ = 0;
};
