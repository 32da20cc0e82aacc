#include "InstanceGuard.h"

#include <QCryptographicHash>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

InstanceGuard::~InstanceGuard()
{
    Close();
}

QString InstanceGuard::LockPathFor(const QString& name)
{
    // Hex keeps any name (empty, with slashes, very long in parts) a safe file name.
    QByteArray key = name.toUtf8().toHex();
    if (key.size() > 128)
        key = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256).toHex();
    return QStringLiteral("/tmp/.kzl-guard-%1.lock").arg(QString::fromLatin1(key));
}

InstanceGuard::Result InstanceGuard::Create(const QString& name)
{
    Close();
    const QByteArray path = LockPathFor(name).toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return Result::Failed;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        ::close(fd);
        return error == EWOULDBLOCK ? Result::AlreadyExists : Result::Failed;
    }
    fd_ = fd;
    return Result::Created;
}

void InstanceGuard::Close()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
    }
}
