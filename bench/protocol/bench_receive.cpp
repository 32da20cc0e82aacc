// The receive path of a 100-byte GetConfig reply: checks, decipher, trace (log off), dispatch.
// A reply is only handled while a GetConfig is pending, so the full case sends one first
// (through a socket that sends nothing); the send alone is measured too, to subtract it.
#include "app/Uglobalvar.h"
#include "protocol/Packet.h"
#include "protocol/Uformudp.h"
#include "protocol/testing/SamplePackets.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>
#include <cstring>

namespace {

const MacAddress kDevice = {0x00, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};

std::vector<std::uint8_t> configReply()
{
    std::vector<std::uint8_t> p = BuildHeader(kDevice);
    const std::vector<std::uint8_t> items = SampleConfigItems();
    p.insert(p.end(), items.begin(), items.end());
    // An unknown item brings the packet to 100 bytes.
    const std::uint8_t filler[6] = {};
    AppendItem(p, 0x77, filler, sizeof filler);
    FinishPacket(p, CMD_GET_CONFIG);
    CipherPayload(p.data(), p.size(), "vexil");
    return p;
}

// One adapter whose socket sends nothing, so that only the engine's own work is measured.
class NullNetwork final : public Network
{
public:
    std::optional<AdapterList> GetAdapters() override
    {
        AdapterInfo adapter;
        adapter.mac = {0x02, 0, 0, 0, 0, 1};
        adapter.description = "null0";
        adapter.addresses.push_back({"192.0.2.1", "255.255.255.0"});
        return AdapterList{adapter};
    }
    std::unique_ptr<UdpSocket> CreateSocket() override { return std::make_unique<NullSocket>(); }

private:
    struct NullSocket final : UdpSocket
    {
        bool Open(QObject*, unsigned) override { return true; }
        void Close() override {}
        bool SendTo(const std::uint8_t*, std::size_t, std::uint16_t, const std::string&) override
        {
            return true;
        }
        int Recv(std::uint8_t*, std::size_t, std::uint16_t&, std::string&) override { return 0; }
    };
};

struct Setup
{
    Setup()
    {
        GlobalVar().password = "vexil";
        SetMainWindow(nullptr); // notifications go nowhere
        engine.SendDiscover(0);
    }
    NullNetwork network;
    TFormUDP engine{network};
    const std::vector<std::uint8_t> reply = configReply();
    std::vector<std::uint8_t> buffer = reply;
};

void BM_SendGetConfig(benchmark::State& state)
{
    Setup s;
    for (auto _ : state)
        s.engine.SendGetConfig(15000);
}

void BM_ReceiveGetConfigReply(benchmark::State& state)
{
    Setup s;
    if (s.reply.size() != 100)
        state.SkipWithError("the reply is not 100 bytes");
    for (auto _ : state) {
        s.engine.SendGetConfig(15000);
        std::memcpy(s.buffer.data(), s.reply.data(), s.reply.size());
        s.engine.ProcRecvData(s.buffer.data(), s.buffer.size(), nullptr, "192.0.2.10", 5432);
    }
    if (s.engine.pendingOp() != OP_NONE)
        state.SkipWithError("the reply was not handled");
}

void BM_ReceiveIgnoredReply(benchmark::State& state)
{
    Setup s;
    for (auto _ : state) {
        std::memcpy(s.buffer.data(), s.reply.data(), s.reply.size());
        s.engine.ProcRecvData(s.buffer.data(), s.buffer.size(), nullptr, "192.0.2.10", 5432);
    }
}

void BM_CheckReceivedPacket(benchmark::State& state)
{
    const std::vector<std::uint8_t> reply = configReply();
    const MacAddress sockets[2] = {{2, 0, 0, 0, 0, 1}, {2, 0, 0, 0, 0, 2}};
    const MacAddress local = {2, 0, 0, 0, 0, 1};
    for (auto _ : state)
        benchmark::DoNotOptimize(
            CheckReceivedPacket(reply.data(), reply.size(), sockets, local, kBroadcastMac));
}

void BM_DecipherPayload82(benchmark::State& state)
{
    std::vector<std::uint8_t> reply = configReply();
    for (auto _ : state) {
        CipherPayload(reply.data(), reply.size(), "vexil");
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_SendGetConfig);
BENCHMARK(BM_ReceiveGetConfigReply);
BENCHMARK(BM_ReceiveIgnoredReply);
BENCHMARK(BM_CheckReceivedPacket);
BENCHMARK(BM_DecipherPayload82);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
