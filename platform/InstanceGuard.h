#pragma once

#include <QString>

// A named guard shared by every process of the machine, whatever its network namespace. The
// system releases it when the holder ends, even by a crash or a kill, so a stale guard never
// blocks the next start.
class InstanceGuard
{
public:
    enum class Result { Created, AlreadyExists, Failed };

    InstanceGuard() = default;
    ~InstanceGuard();
    InstanceGuard(const InstanceGuard&) = delete;
    InstanceGuard& operator=(const InstanceGuard&) = delete;

    Result Create(const QString& name);
    void Close();

    // The file that stands for name (exposed for tests).
    static QString LockPathFor(const QString& name);

private:
    int fd_ = -1;
};
