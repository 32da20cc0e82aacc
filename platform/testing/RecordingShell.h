#pragma once

#include "platform/Shell.h"

#include <QStringList>
#include <deque>

// A shell for tests: records every request as one line and answers as told.
class RecordingShell final : public Shell
{
public:
    RecordingShell();
    ~RecordingShell() override;

    bool Open(const QString& verb, const QString& target) override;
    Association FindAssociatedProgram(const QString& file) override;
    bool StartHidden(const QString& program, const QStringList& arguments) override;
    bool FindTopLevelWindow(const QString& title) override;

    bool openResult = true;
    Association association = Association::Found;
    bool startResult = true;
    std::deque<bool> windowAnswers; // FindTopLevelWindow answers in order; false when empty

    // "open <target>", "explore <target>", "assoc <file>", "start <program> <args>",
    // "findwindow <title>"
    QStringList calls;
};
