#include "RecordingShell.h"

RecordingShell::RecordingShell()
{
    Shell::install(this);
}

RecordingShell::~RecordingShell()
{
    if (&Shell::current() == this)
        Shell::install(nullptr);
}

bool RecordingShell::Open(const QString& verb, const QString& target)
{
    calls << verb + ' ' + target;
    return openResult;
}

Shell::Association RecordingShell::FindAssociatedProgram(const QString& file)
{
    calls << "assoc " + file;
    return association;
}

bool RecordingShell::StartHidden(const QString& program, const QStringList& arguments)
{
    calls << ("start " + program + ' ' + arguments.join(' ')).trimmed();
    return startResult;
}

bool RecordingShell::FindTopLevelWindow(const QString& title)
{
    calls << "findwindow " + title;
    if (windowAnswers.empty())
        return false;
    const bool answer = windowAnswers.front();
    windowAnswers.pop_front();
    return answer;
}
