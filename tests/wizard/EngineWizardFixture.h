#pragma once

#include "WizardFixture.h"
#include "protocol/Uformudp.h"
#include "protocol/testing/MemoryNetwork.h"
#include "sim/testing/MemoryApHost.h"
#include "wizard/Uframetutorial2.h"

#include <memory>
#include <vector>

// The windows with a real engine on the in-memory network: the client's adapter sits on link 0
// at 192.0.2.1/24, and emulated access points answer on that link.
class EngineWizardFixture : public WizardFixture
{
protected:
    static constexpr MacAddress kAdapterMac = {0x02, 0xC0, 0x00, 0x00, 0x00, 0x01};
    static constexpr MacAddress kApMac = {0x00, 0x1A, 0x2B, 0x00, 0x00, 0x10};

    void SetUp() override
    {
        network.AddAdapter(kAdapterMac, "lab0", "192.0.2.1", "255.255.255.0", 0);
        apSettings.mac = kApMac;
        apSettings.name = "KZL-958WB";
        apSettings.password = "vexil";
        apSettings.sessionPort = 6001;
        apSettings.ip = 0xC0000214; // 192.0.2.20
    }

    void TearDown() override
    {
        engine.reset();
        FormUDP = nullptr;
        WizardFixture::TearDown();
        aps.clear();
    }

    // count devices with consecutive MACs and names, then the windows and the engine.
    void startWithDevices(int count, const QByteArray& settings = {})
    {
        if (count > 0)
            aps.push_back(
                std::make_unique<MemoryApHost>(network, 0, "192.0.2.20", apSettings, count));
        engine = std::make_unique<TFormUDP>(network);
        FormUDP = engine.get();
        start(settings);
    }

    // From the second tutorial page onto the device list, and the whole search.
    void searchFromTutorial()
    {
        ASSERT_TRUE(wizard->SwitchPage(wizard->FrameTutorial21, NavNext, 0));
        request(WIZ_NEXT);
        runFor(4000);
    }

    int sentWithOpcode(std::uint8_t opcode) const
    {
        int count = 0;
        for (const MemoryNetwork::Sent& s : network.sent) {
            if (s.datagram.bytes.size() > kOpcodeOffset &&
                s.datagram.bytes[kOpcodeOffset] == opcode)
                ++count;
        }
        return count;
    }

    MemoryNetwork network;
    ApSettings apSettings;
    std::vector<std::unique_ptr<MemoryApHost>> aps;
    std::unique_ptr<TFormUDP> engine;
};
