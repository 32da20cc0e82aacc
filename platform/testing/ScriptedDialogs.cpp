#include "ScriptedDialogs.h"

ScriptedDialogs::ScriptedDialogs()
{
    UserDialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs()
{
    if (&UserDialogs::current() == this)
        UserDialogs::install(nullptr);
}

void ScriptedDialogs::ShowNotice(const QString& text, const QString& title)
{
    shown.push_back({Kind::Notice, text, title});
}

bool ScriptedDialogs::AskYesNo(const QString& text, const QString& title)
{
    shown.push_back({Kind::Question, text, title});
    if (answers.empty())
        return true;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
}

void ScriptedDialogs::ShowPlain(const QString& text, const QString& title)
{
    shown.push_back({Kind::Plain, text, title});
}

void ScriptedDialogs::ShowException(const QString& text, const QString& title)
{
    shown.push_back({Kind::Exception, text, title});
}

QString ScriptedDialogs::AskSaveFileName(QWidget*, const QString& title, const QString&,
                                         const QString&)
{
    shown.push_back({Kind::Save, QString(), title});
    return saveFileName;
}

bool ScriptedDialogs::AskPrint(QWidget*, QPrinter&)
{
    shown.push_back({Kind::Print, QString(), QString()});
    return printAnswer;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList list;
    for (const Shown& s : shown)
        list << s.text;
    return list;
}
