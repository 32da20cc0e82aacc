#pragma once

#include <mutex>
#include <string>

// The debug log: switched on by a file named like the program with ".Log" beside it. Each run
// appends "== START LOG ==" and then one line per logged text; a second running copy, which
// cannot write the main log, writes a numbered fallback file that it creates new.
class CDebug
{
public:
    // Decides once, for the program file at programFile, whether and where to log.
    explicit CDebug(const std::string& programFile);
    CDebug();
    virtual ~CDebug();
    CDebug(const CDebug&) = delete;
    CDebug& operator=(const CDebug&) = delete;

    virtual void Write(const char* data, size_t length);
    virtual void Log(const std::string& text);

    bool IsOn() const { return file_ >= 0; }
    const std::string& LogPath() const { return logPath_; }

    // One line as the log writes it: "(hh:mm:ss:mmm 0xTID) text\r\n".
    static std::string FormatLine(int hour, int minute, int second, int millisecond,
                                  unsigned long threadId, const std::string& text);

private:
    bool openExclusive(const std::string& path, bool createNew);

    std::string logPath_;
    int file_ = -1;
    std::mutex lock_;
};

// The program's log.
CDebug& DebugLog();

// printf-style line into the program's log; nothing happens when logging is off.
void DebugPrint(const char* format, ...) __attribute__((format(printf, 1, 2)));
