#include "Shell.h"

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <optional>

namespace {

Shell* installedShell = nullptr;
constexpr int kQueryTimeoutMs = 5000;

// Runs a short query command; its trimmed standard output, or nothing when it failed.
std::optional<QString> runQuery(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(kQueryTimeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished(1000);
        return std::nullopt;
    }
    if (process.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(process.readAllStandardOutput()).trimmed();
}

} // namespace

Shell& Shell::current()
{
    static DesktopShell desktopShell;
    return installedShell != nullptr ? *installedShell : desktopShell;
}

void Shell::install(Shell* shell)
{
    installedShell = shell;
}

bool DesktopShell::Open(const QString& verb, const QString& target)
{
    if (verb != QLatin1String("open") && verb != QLatin1String("explore"))
        return false;
    if (verb == QLatin1String("explore") && !QFileInfo(target).isDir())
        return false;
    return QProcess::startDetached(QStringLiteral("xdg-open"), {target});
}

Shell::Association DesktopShell::FindAssociatedProgram(const QString& file)
{
    const auto mimeType = runQuery(QStringLiteral("xdg-mime"), {"query", "filetype", file});
    if (!mimeType || mimeType->isEmpty())
        return Association::Error;
    const auto program = runQuery(QStringLiteral("xdg-mime"), {"query", "default", *mimeType});
    if (!program)
        return Association::Error;
    return program->isEmpty() ? Association::NoneAssociated : Association::Found;
}

bool DesktopShell::StartHidden(const QString& program, const QStringList& arguments)
{
    return QProcess::startDetached(program, arguments);
}

bool DesktopShell::FindTopLevelWindow(const QString& title)
{
    // xdotool matches titles as patterns; the exact comparison is made here.
    const auto ids = runQuery(QStringLiteral("xdotool"),
                              {"search", "--name", QRegularExpression::escape(title)});
    if (!ids)
        return false;
    for (const QString& id : ids->split('\n', Qt::SkipEmptyParts)) {
        const auto name = runQuery(QStringLiteral("xdotool"), {"getwindowname", id});
        if (name && *name == title)
            return true;
    }
    return false;
}
