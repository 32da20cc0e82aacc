#include "UserDialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>

namespace {

UserDialogs* installedDialogs = nullptr;

QWidget* dialogParent()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return QApplication::activeWindow();
}

int runBox(QMessageBox::Icon icon, const QString& text, const QString& title,
           QMessageBox::StandardButtons buttons, QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(icon, title, text, buttons, dialogParent());
    box.setDefaultButton(defaultButton);
    return box.exec();
}

} // namespace

UserDialogs& UserDialogs::current()
{
    static QtUserDialogs realDialogs;
    return installedDialogs != nullptr ? *installedDialogs : realDialogs;
}

void UserDialogs::install(UserDialogs* dialogs)
{
    installedDialogs = dialogs;
}

void QtUserDialogs::ShowNotice(const QString& text, const QString& title)
{
    runBox(QMessageBox::Information, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

bool QtUserDialogs::AskYesNo(const QString& text, const QString& title)
{
    return runBox(QMessageBox::NoIcon, text, title, QMessageBox::Yes | QMessageBox::No,
                  QMessageBox::Yes) == QMessageBox::Yes;
}

void QtUserDialogs::ShowPlain(const QString& text, const QString& title)
{
    runBox(QMessageBox::NoIcon, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

void QtUserDialogs::ShowException(const QString& text, const QString& title)
{
    runBox(QMessageBox::Critical, text, title, QMessageBox::Ok, QMessageBox::Ok);
}

QString QtUserDialogs::AskSaveFileName(QWidget* parent, const QString& title,
                                       const QString& suggestedName, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, title, suggestedName, filter);
}

bool QtUserDialogs::AskPrint(QWidget* parent, QPrinter& printer)
{
    QPrintDialog dialog(&printer, parent);
    return dialog.exec() == QDialog::Accepted;
}
