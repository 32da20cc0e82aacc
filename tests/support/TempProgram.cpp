#include "TempProgram.h"

#include "platform/ProgramLocation.h"

#include <QFile>

TempProgram::TempProgram(const QString& programName)
{
    ProgramLocation::OverrideProgramFile((dir() + programName).toStdString());
}

TempProgram::~TempProgram()
{
    ProgramLocation::OverrideProgramFile({});
}

void TempProgram::write(const QString& name, const QByteArray& content) const
{
    QFile file(path(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(content);
}

QByteArray TempProgram::read(const QString& name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
