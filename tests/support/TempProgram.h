#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A scratch program folder: the program file is pretended to lie in it, so the settings file
// and the log are looked for there.
class TempProgram
{
public:
    explicit TempProgram(const QString& programName = "Setup");
    ~TempProgram();

    QString dir() const { return dir_.path() + '/'; }
    QString path(const QString& name) const { return dir() + name; }
    void write(const QString& name, const QByteArray& content) const;
    QByteArray read(const QString& name) const;

private:
    QTemporaryDir dir_;
};
