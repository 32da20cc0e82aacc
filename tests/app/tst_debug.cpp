#include "TempProgram.h"
#include "app/Udebug.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

const QRegularExpression kLine(R"(^\(\d\d:\d\d:\d\d:\d\d\d 0x[0-9A-F]+\) (.*)$)");

QStringList linesOf(const QByteArray& content)
{
    QStringList lines = QString::fromLatin1(content).split("\r\n");
    EXPECT_EQ(lines.takeLast(), ""); // every line ends with CR LF
    return lines;
}

std::string programFile(const TempProgram& program)
{
    return program.path("Setup").toStdString();
}

TEST(CDebug, LineFormatHasTimeThreadAndCrLf)
{
    EXPECT_EQ(CDebug::FormatLine(9, 5, 7, 42, 0x1A4, "text"), "(09:05:07:042 0x1A4) text\r\n");
    EXPECT_EQ(CDebug::FormatLine(23, 59, 59, 999, 0xABCDEF, ""), "(23:59:59:999 0xABCDEF) \r\n");
}

TEST(CDebug, NothingIsCreatedWithoutTheSwitchFile)
{
    TempProgram program;
    {
        CDebug log(programFile(program));
        EXPECT_FALSE(log.IsOn());
        log.Log("not written");
    }
    EXPECT_TRUE(QDir(program.dir()).entryList(QDir::Files).isEmpty());
}

TEST(CDebug, EachRunAppendsABlankLineAndStartLine)
{
    TempProgram program;
    program.write("Setup.Log", "earlier run\r\n");
    {
        CDebug log(programFile(program));
        ASSERT_TRUE(log.IsOn());
        log.Log("first");
    }
    {
        CDebug log(programFile(program));
        log.Log("second");
    }
    const QStringList lines = linesOf(program.read("Setup.Log"));
    ASSERT_EQ(lines.size(), 7);
    EXPECT_EQ(lines[0], "earlier run"); // never truncated
    EXPECT_EQ(lines[1], "");
    EXPECT_EQ(kLine.match(lines[2]).captured(1), "== START LOG ==");
    EXPECT_EQ(kLine.match(lines[3]).captured(1), "first");
    EXPECT_EQ(lines[4], "");
    EXPECT_EQ(kLine.match(lines[5]).captured(1), "== START LOG ==");
    EXPECT_EQ(kLine.match(lines[6]).captured(1), "second");
}

TEST(CDebug, ASecondWriterFallsBackToANewNumberedFile)
{
    TempProgram program;
    program.write("Setup.Log", "");
    program.write("Setup_000.Log", "left by an old run\r\n"); // numbered files are never reused
    CDebug first(programFile(program));
    CDebug second(programFile(program));
    CDebug third(programFile(program));
    EXPECT_EQ(first.LogPath(), program.path("Setup.Log").toStdString());
    EXPECT_EQ(second.LogPath(), program.path("Setup_001.Log").toStdString());
    EXPECT_EQ(third.LogPath(), program.path("Setup_002.Log").toStdString());
    second.Log("from the second copy");
    const QStringList lines = linesOf(program.read("Setup_001.Log"));
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(kLine.match(lines[2]).captured(1), "from the second copy");
    EXPECT_EQ(program.read("Setup_000.Log"), "left by an old run\r\n");
}

TEST(CDebug, LinesFromManyThreadsNeverInterleave)
{
    TempProgram program;
    program.write("Setup.Log", "");
    constexpr int kThreads = 4;
    constexpr int kLines = 250;
    {
        CDebug log(programFile(program));
        std::vector<std::thread> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.emplace_back([&log, t] {
                for (int i = 0; i < kLines; ++i)
                    log.Log("thread " + std::to_string(t) + " line " + std::to_string(i) +
                            std::string(100, 'x'));
            });
        }
        for (auto& thread : threads)
            thread.join();
    }
    const QStringList lines = linesOf(program.read("Setup.Log"));
    ASSERT_EQ(lines.size(), 2 + kThreads * kLines);
    for (int i = 2; i < lines.size(); ++i)
        ASSERT_TRUE(kLine.match(lines[i]).captured(1).endsWith(QString(100, 'x'))) << i;
}

} // namespace
