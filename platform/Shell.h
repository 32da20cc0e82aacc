#pragma once

#include <QString>
#include <QStringList>

// What the program asks of the desktop: open documents, folders and web addresses, learn whether
// a program is associated with a file, start a hidden process, find a top-level window by title.
class Shell
{
public:
    enum class Association { Found, NoneAssociated, Error };

    virtual ~Shell() = default;

    // Opens target with verb ("open" for a file or address, "explore" for a folder).
    virtual bool Open(const QString& verb, const QString& target) = 0;
    virtual Association FindAssociatedProgram(const QString& file) = 0;
    virtual bool StartHidden(const QString& program, const QStringList& arguments) = 0;
    // True when a top-level window whose title is exactly title exists.
    virtual bool FindTopLevelWindow(const QString& title) = 0;

    static Shell& current();
    // Installs shell as current (nullptr restores the real one); the caller keeps ownership.
    static void install(Shell* shell);
};

// The freedesktop shell: xdg-open, xdg-mime and the X11 window list.
class DesktopShell final : public Shell
{
public:
    bool Open(const QString& verb, const QString& target) override;
    Association FindAssociatedProgram(const QString& file) override;
    bool StartHidden(const QString& program, const QStringList& arguments) override;
    bool FindTopLevelWindow(const QString& title) override;
};
