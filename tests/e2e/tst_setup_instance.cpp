// Real Setup processes: one copy per product runs at a time.
#include "platform/InstanceGuard.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A folder holding a copy of the program, its settings file and the log switch.
struct ProgramFolder
{
    explicit ProgramFolder(const QString& shortName) : shortName(shortName)
    {
        QFile::copy(SETUP_BINARY, dir.filePath("Setup"));
        QFile::setPermissions(dir.filePath("Setup"), QFile::ExeOwner | QFile::ReadOwner);
        write("Setup.ini", "[Product]\nShortName=" + shortName.toUtf8() + "\n");
        write("Setup.Log", "");
    }
    void write(const QString& name, const QByteArray& content)
    {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    QByteArray read(const QString& name) const
    {
        QFile file(dir.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    std::unique_ptr<QProcess> start() const
    {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        process->setProcessEnvironment(env);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(dir.filePath("Setup"), {"--ignored", "arguments"});
        process->waitForStarted();
        return process;
    }

    QTemporaryDir dir;
    QString shortName;
};

// Polls (real time: these are real processes) until the product's guard is held.
bool waitUntilGuardHeld(const QString& shortName)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 20000) {
        InstanceGuard probe;
        if (probe.Create(shortName + "_Mutex") == InstanceGuard::Result::AlreadyExists)
            return true;
        probe.Close();
        QThread::msleep(20);
    }
    return false;
}

QString uniqueShortName(const char* tag)
{
    return QStringLiteral("tst-%1-%2").arg(tag).arg(QCoreApplication::applicationPid());
}

TEST(SetupInstance, SecondCopyExitsAtOnceAndLogsWhy)
{
    ProgramFolder folder(uniqueShortName("same"));
    auto first = folder.start();
    ASSERT_TRUE(waitUntilGuardHeld(folder.shortName));

    auto second = folder.start();
    ASSERT_TRUE(second->waitForFinished(20000));
    EXPECT_EQ(second->exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second->exitCode(), 0);
    EXPECT_EQ(first->state(), QProcess::Running);

    // The running copy holds the main log, so the second one wrote a fallback file.
    EXPECT_TRUE(folder.read("Setup_000.Log").endsWith(") FAIL another instance is running\r\n"))
        << folder.read("Setup_000.Log").toStdString();
    EXPECT_TRUE(folder.read("Setup.Log").contains("== START LOG =="));
    first->kill();
    first->waitForFinished();
}

TEST(SetupInstance, CopiesOfDifferentProductsRunSideBySide)
{
    ProgramFolder one(uniqueShortName("one"));
    ProgramFolder two(uniqueShortName("two"));
    auto first = one.start();
    ASSERT_TRUE(waitUntilGuardHeld(one.shortName));
    auto second = two.start();
    ASSERT_TRUE(waitUntilGuardHeld(two.shortName));
    EXPECT_EQ(first->state(), QProcess::Running);
    EXPECT_EQ(second->state(), QProcess::Running);
    EXPECT_FALSE(two.read("Setup.Log").contains("FAIL"));
    first->kill();
    second->kill();
    first->waitForFinished();
    second->waitForFinished();
}

} // namespace
