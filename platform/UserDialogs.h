#pragma once

#include <QString>

class QPrinter;
class QWidget;

// The dialogs the program shows to its user. Production shows real Qt dialogs; tests install a
// scripted implementation that records every text and answers as told.
class UserDialogs
{
public:
    virtual ~UserDialogs() = default;

    // A refusal, error or notice: information icon and an OK button.
    virtual void ShowNotice(const QString& text, const QString& title) = 0;
    // A question with Yes and No and no icon; true for Yes.
    virtual bool AskYesNo(const QString& text, const QString& title) = 0;
    // A message with no icon and an OK button.
    virtual void ShowPlain(const QString& text, const QString& title) = 0;
    // The standard box for an exception that reached the entry routine.
    virtual void ShowException(const QString& text, const QString& title) = 0;
    // The save dialog; the chosen path, or empty when cancelled.
    virtual QString AskSaveFileName(QWidget* parent, const QString& title,
                                    const QString& suggestedName, const QString& filter) = 0;
    // The print dialog for printer; true when the user chose to print.
    virtual bool AskPrint(QWidget* parent, QPrinter& printer) = 0;

    static UserDialogs& current();
    // Installs dialogs as current (nullptr restores the real ones); the caller keeps ownership.
    static void install(UserDialogs* dialogs);
};

class QtUserDialogs final : public UserDialogs
{
public:
    void ShowNotice(const QString& text, const QString& title) override;
    bool AskYesNo(const QString& text, const QString& title) override;
    void ShowPlain(const QString& text, const QString& title) override;
    void ShowException(const QString& text, const QString& title) override;
    QString AskSaveFileName(QWidget* parent, const QString& title, const QString& suggestedName,
                            const QString& filter) override;
    bool AskPrint(QWidget* parent, QPrinter& printer) override;
};
