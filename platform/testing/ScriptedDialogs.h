#pragma once

#include "platform/UserDialogs.h"

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

// Dialogs for tests: every box is recorded, questions are answered from a script (default Yes),
// the save dialog returns the scripted path and the print dialog the scripted answer.
class ScriptedDialogs final : public UserDialogs
{
public:
    enum class Kind { Notice, Question, Plain, Exception, Save, Print };
    struct Shown
    {
        Kind kind;
        QString text;
        QString title;
    };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    void ShowNotice(const QString& text, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    void ShowPlain(const QString& text, const QString& title) override;
    void ShowException(const QString& text, const QString& title) override;
    QString AskSaveFileName(QWidget* parent, const QString& title, const QString& suggestedName,
                            const QString& filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;

    std::deque<bool> answers; // for AskYesNo, in order; Yes when empty
    QString saveFileName;     // answer of the save dialog; empty = cancelled
    bool printAnswer = false; // answer of the print dialog
    std::vector<Shown> shown; // everything shown, in order

    QStringList texts() const;
};
