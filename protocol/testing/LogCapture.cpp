#include "LogCapture.h"

#include "app/Udebug.h"
#include "platform/ProgramLocation.h"

#include <QDir>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace {

long long logSize()
{
    std::ifstream file(DebugLog().LogPath(), std::ios::binary | std::ios::ate);
    return file ? static_cast<long long>(file.tellg()) : 0;
}

} // namespace

void SwitchOnTestLog()
{
    static QTemporaryDir folder;
    const std::string program = QDir(folder.path()).filePath("Setup").toStdString();
    ProgramLocation::OverrideProgramFile(program);
    std::ofstream(QDir(folder.path()).filePath("Setup.Log").toStdString());
    if (!DebugLog().IsOn()) {
        std::fprintf(stderr,
                     "SwitchOnTestLog: the log was opened before the test switched it on\n");
        std::abort();
    }
}

LogCapture::LogCapture() : start_(logSize()) {}

void LogCapture::clear()
{
    start_ = logSize();
}

std::vector<std::string> LogCapture::lines() const
{
    std::ifstream file(DebugLog().LogPath(), std::ios::binary);
    file.seekg(start_);
    std::stringstream content;
    content << file.rdbuf();
    std::vector<std::string> texts;
    std::string line;
    while (std::getline(content, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        // "(hh:mm:ss:mmm 0xTID) text"
        const auto head = line.find(") ");
        texts.push_back(head == std::string::npos ? line : line.substr(head + 2));
    }
    return texts;
}
