#pragma once

#include "TempProgram.h"
#include "app/Uformres.h"
#include "app/Uglobalvar.h"
#include "autorun/Uformautorun.h"
#include "platform/Messages.h"
#include "platform/testing/RecordingShell.h"
#include "platform/testing/ScriptedDialogs.h"
#include "platform/testing/VirtualClock.h"
#include "wizard/Uformmain.h"

#include <QApplication>
#include <gtest/gtest.h>
#include <memory>

// The program's windows as the entry routine builds them, on a scratch program folder, the
// virtual clock, scripted dialogs and a recording shell. The engine is left to the tests that
// need one.
class WizardFixture : public ::testing::Test
{
protected:
    // Writes the settings file, loads it and builds the windows; the wizard's first request
    // (Next, to the licence page) is handled before this returns.
    void start(const QByteArray& settings = {})
    {
        program.write("Setup.ini", settings);
        CGlobalVar& g = GlobalVar();
        g.LoadSettings();
        resetSharedState();
        res = std::make_unique<TFormRes>();
        FormRes = res.get();
        autorun = std::make_unique<TFormAutorun>();
        FormAutorun = autorun.get();
        SetMainWindow(autorun.get());
        wizard = std::make_unique<TFormMain>();
        FormMain = wizard.get();
        settle();
    }

    void TearDown() override
    {
        wizard.reset();
        autorun.reset();
        SetMainWindow(nullptr);
        FormRes = nullptr;
        res.reset();
    }

    static void resetSharedState()
    {
        CGlobalVar& g = GlobalVar();
        g.setupStage = 0;
        g.wirelessMethod = 0;
        g.wpsMethod = 0;
        g.currentDevice = DeviceInfo{};
        g.currentIp = g.pendingIp = IpSettings{};
        g.currentWireless = g.pendingWireless = WirelessSettings{};
    }

    // Handles everything posted so far (no time passes).
    static void settle()
    {
        for (int i = 0; i < 10; ++i)
            QCoreApplication::processEvents();
    }
    // Lets ms of virtual time pass, handling every message on the way (also those that the
    // timers falling due at the very end post).
    static void runFor(std::uint32_t ms)
    {
        WaitWithMessages(ms);
        settle();
    }

    // A navigation request as a page makes it: posted to the main window.
    static void request(WizardCommand command)
    {
        PostMessage(MainWindow(), UM_WIZARD, command, 0);
        settle();
    }

    TFrameBase* current() const { return wizard->CurrentPage(); }

    TempProgram program;
    VirtualClock clock;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    std::unique_ptr<TFormRes> res;
    std::unique_ptr<TFormAutorun> autorun;
    std::unique_ptr<TFormMain> wizard;
};
