#include "Udebug.h"

#include "platform/ProgramLocation.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int kFallbackCount = 100;

std::string programDirOf(const std::string& programFile)
{
    const auto slash = programFile.rfind('/');
    return slash == std::string::npos ? std::string("./") : programFile.substr(0, slash + 1);
}

std::string baseNameOf(const std::string& programFile)
{
    const auto slash = programFile.rfind('/');
    std::string name = slash == std::string::npos ? programFile : programFile.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

bool fileExists(const std::string& path)
{
    struct stat st
    {};
    return ::lstat(path.c_str(), &st) == 0;
}

} // namespace

CDebug::CDebug() : CDebug(ProgramLocation::ProgramFile()) {}

CDebug::CDebug(const std::string& programFile)
{
    if (programFile.empty())
        return;
    const std::string dir = programDirOf(programFile);
    const std::string name = baseNameOf(programFile);
    logPath_ = dir + name + ".Log";
    if (!fileExists(logPath_))
        return;
    if (!openExclusive(logPath_, false)) {
        for (int n = 0; n < kFallbackCount && file_ < 0; ++n) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "_%03d.Log", n);
            logPath_ = dir + name + suffix;
            openExclusive(logPath_, true);
        }
        if (file_ < 0)
            return;
    }
    if (::lseek(file_, 0, SEEK_END) < 0) {
        ::close(file_);
        file_ = -1;
        return;
    }
    Write("\r\n", 2);
    Log("== START LOG ==");
}

CDebug::~CDebug()
{
    if (file_ >= 0)
        ::close(file_);
}

bool CDebug::openExclusive(const std::string& path, bool createNew)
{
    // Other processes may read the log; the exclusive lock keeps a second writer out, and the
    // second copy of the program then falls back to a numbered file.
    const int flags = O_RDWR | O_APPEND | O_CLOEXEC | (createNew ? O_CREAT | O_EXCL : 0);
    const int fd = ::open(path.c_str(), flags, 0644);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    file_ = fd;
    return true;
}

void CDebug::Write(const char* data, size_t length)
{
    if (file_ < 0)
        return;
    std::lock_guard<std::mutex> guard(lock_);
    [[maybe_unused]] const ssize_t written = ::write(file_, data, length);
}

std::string CDebug::FormatLine(int hour, int minute, int second, int millisecond,
                               unsigned long threadId, const std::string& text)
{
    char head[64];
    std::snprintf(head, sizeof head, "(%02d:%02d:%02d:%03d 0x%lX) ", hour, minute, second,
                  millisecond, threadId);
    return head + text + "\r\n";
}

void CDebug::Log(const std::string& text)
{
    if (file_ < 0)
        return;
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    tm local{};
    localtime_r(&now.tv_sec, &local);
    const auto threadId = static_cast<unsigned long>(::syscall(SYS_gettid));
    const std::string line = FormatLine(local.tm_hour, local.tm_min, local.tm_sec,
                                        static_cast<int>(now.tv_nsec / 1000000), threadId, text);
    Write(line.data(), line.size());
}

CDebug& DebugLog()
{
    static CDebug log;
    return log;
}

void DebugPrint(const char* format, ...)
{
    CDebug& log = DebugLog();
    if (!log.IsOn() || format == nullptr)
        return;
    va_list args;
    va_start(args, format);
    va_list copy;
    va_copy(copy, args);
    const int needed = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    std::string text;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format, args);
        text.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
    log.Log(text);
}
