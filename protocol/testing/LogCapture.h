#pragma once

#include <string>
#include <vector>

// The debug log as tests see it. SwitchOnTestLog() must run before anything touches the log:
// it points the program file into a temporary folder and puts an empty "Setup.Log" beside it,
// so the program's own log is on and written there. A LogCapture then reads the texts of the
// lines written since it was made (without time stamp, thread id and line end).
void SwitchOnTestLog();

class LogCapture
{
public:
    LogCapture();
    std::vector<std::string> lines() const;
    // Forgets what was written so far.
    void clear();

private:
    long long start_ = 0;
};
