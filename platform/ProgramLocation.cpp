#include "ProgramLocation.h"

#include <climits>
#include <unistd.h>

namespace {

std::string& overriddenFile()
{
    static std::string path;
    return path;
}

std::string readSelfExe()
{
    char buffer[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (n <= 0)
        return {};
    return std::string(buffer, static_cast<size_t>(n));
}

} // namespace

namespace ProgramLocation {

std::string ProgramFile()
{
    if (!overriddenFile().empty())
        return overriddenFile();
    static const std::string self = readSelfExe();
    return self;
}

std::string ProgramDir()
{
    const std::string file = ProgramFile();
    const auto slash = file.rfind('/');
    return slash == std::string::npos ? std::string("./") : file.substr(0, slash + 1);
}

std::string ProgramBaseName()
{
    const std::string file = ProgramFile();
    const auto slash = file.rfind('/');
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    const auto dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

void OverrideProgramFile(const std::string& path)
{
    overriddenFile() = path;
}

} // namespace ProgramLocation
