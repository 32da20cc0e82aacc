#include "platform/InstanceGuard.h"

#include <QCoreApplication>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

QString uniqueName(const char* tag)
{
    return QStringLiteral("tst-guard-%1-%2").arg(tag).arg(::getpid());
}

TEST(InstanceGuard, SecondGuardOfTheSameNameReportsAlreadyExists)
{
    const QString name = uniqueName("same");
    InstanceGuard first;
    InstanceGuard second;
    InstanceGuard other;
    EXPECT_EQ(first.Create(name), InstanceGuard::Result::Created);
    EXPECT_EQ(second.Create(name), InstanceGuard::Result::AlreadyExists);
    EXPECT_EQ(other.Create(name + "-other"), InstanceGuard::Result::Created);
    first.Close();
    EXPECT_EQ(second.Create(name), InstanceGuard::Result::Created);
}

TEST(InstanceGuard, AKilledHolderLeavesNoStaleGuard)
{
    const QString name = uniqueName("killed");
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
        InstanceGuard guard;
        const char ok = guard.Create(name) == InstanceGuard::Result::Created ? '1' : '0';
        [[maybe_unused]] auto n = ::write(ready[1], &ok, 1);
        ::pause();
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, '1');
    InstanceGuard guard;
    EXPECT_EQ(guard.Create(name), InstanceGuard::Result::AlreadyExists);
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    EXPECT_EQ(guard.Create(name), InstanceGuard::Result::Created);
}

TEST(InstanceGuard, AnyNameIsASafeFileName)
{
    const QString hostile = QString("../../etc/") + QString(3000, 'x');
    const QString path = InstanceGuard::LockPathFor(hostile);
    EXPECT_TRUE(path.startsWith("/tmp/.kzl-guard-"));
    EXPECT_FALSE(path.mid(5).contains('/'));
    EXPECT_LT(path.size(), 100);
    EXPECT_NE(InstanceGuard::LockPathFor(""), InstanceGuard::LockPathFor("_"));
    InstanceGuard guard;
    EXPECT_EQ(guard.Create(hostile), InstanceGuard::Result::Created);
}

} // namespace
