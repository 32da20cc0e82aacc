// Replays the committed seed corpus through the fuzz target in the normal (and sanitizer)
// build, and checks that the seeds still hold a valid packet of every opcode.
#include "ReceiveFuzzTarget.h"
#include "protocol/Packet.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace {

std::vector<QByteArray> seeds()
{
    std::vector<QByteArray> contents;
    QDir folder(KZL_FUZZ_CORPUS);
    for (const QString& name : folder.entryList(QDir::Files, QDir::Name)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            contents.push_back(file.readAll());
    }
    return contents;
}

TEST(FuzzCorpus, HoldsAValidPacketOfEveryOpcode)
{
    std::set<int> opcodes;
    for (const QByteArray& seed : seeds()) {
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(seed.constData()) + 1;
        const std::size_t size = static_cast<std::size_t>(seed.size()) - 1;
        if (size >= kHeaderSize && kHeaderSize + PacketLength(bytes) == size)
            opcodes.insert(PacketOpcode(bytes));
    }
    const std::set<int> replies = {CMD_DISCOVER,   CMD_LOGIN,      CMD_LOGOUT,
                                   CMD_GET_CONFIG, CMD_SET_CONFIG, CMD_EVENT};
    EXPECT_TRUE(std::includes(opcodes.begin(), opcodes.end(), replies.begin(), replies.end()));
}

TEST(FuzzCorpus, EverySeedRunsThroughTheReceivePath)
{
    InitReceiveFuzzTarget();
    const std::vector<QByteArray> all = seeds();
    ASSERT_FALSE(all.empty());
    for (const QByteArray& seed : all)
        RunReceiveFuzzInput(reinterpret_cast<const std::uint8_t*>(seed.constData()),
                            static_cast<std::size_t>(seed.size()));
}

} // namespace
