// Discovery at scale, in the network lab: apsim answers one Discover with N devices at once
// while the engine's thread is busy for the first milliseconds; prints how many are listed.
// Run through bench/protocol/discovery-scale (which starts the lab), never on its own.
#include "app/Uglobalvar.h"
#include "platform/testing/ScriptedDialogs.h"
#include "protocol/Uformudp.h"
#include "protocol/testing/Notifications.h"

#include <QCoreApplication>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 3 || std::getenv("KZL_LAB") == nullptr) {
        std::fprintf(stderr,
                     "usage (inside scripts/netns-lab): %s APSIM DEVICES [BUSY_MS] [WAIT_MS]\n",
                     argv[0]);
        return 2;
    }
    const QString apsim = argv[1];
    const int devices = std::atoi(argv[2]);
    const int busyMs = argc > 3 ? std::atoi(argv[3]) : 500;
    const std::uint32_t waitMs = argc > 4 ? static_cast<std::uint32_t>(std::atoi(argv[4])) : 4000;
    const QString ns = qEnvironmentVariable("KZL_LAB_AP_NS").section(' ', 0, 0);

    QProcess sim;
    sim.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    sim.start("ip", {"netns", "exec", ns, apsim, "--iface", "ap0", "--devices",
                     QString::number(devices), "--ip", "192.0.2.10/24"});
    if (!sim.waitForReadyRead(10000) || !sim.readLine().startsWith("apsim: ready")) {
        std::fprintf(stderr, "apsim did not start\n");
        return 1;
    }
    ScriptedDialogs dialogs;
    NotificationRecorder main;
    TFormUDP engine;
    const auto start = std::chrono::steady_clock::now();
    engine.SendDiscover(waitMs);
    // The thread is busy: nothing is read while the replies arrive.
    while (std::chrono::steady_clock::now() - start < std::chrono::milliseconds(busyMs)) {
    }
    RunUntil([&] { return !main.messages.empty(); }, waitMs + 2000);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::vector<DeviceInfo> list;
    engine.GetDeviceList(list);
    std::printf("discovery: %d devices answering, thread busy %d ms, wait %u ms: %zu listed "
                "(%.1f%%), search ended after %.2f s\n",
                devices, busyMs, waitMs, list.size(),
                100.0 * static_cast<double>(list.size()) / devices, seconds);
    sim.terminate();
    sim.waitForFinished(2000);
    return list.size() == static_cast<std::size_t>(devices) ? 0 : 3;
}
