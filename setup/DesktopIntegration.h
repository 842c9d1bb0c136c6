#pragma once

// The desktop's side of an installation, standing in for the program group
// and the shell's file associations: a freedesktop menu entry for Mondrel,
// the file type application/x-mondrel for *.mdr, and the icons of both,
// written into the user's data folder (or the system's for every user).
// The menu and file-type databases are refreshed when their tools exist; a
// refresh that fails is a warning, not a failed installation.

#include <QtCore/QString>
#include <QtCore/QStringList>

class CDesktopIntegration {
public:
    // The files the setup folder holds for this step.
    static constexpr const char* kDesktopTemplate = "mondrel.desktop";
    static constexpr const char* kMimeFile = "mondrel-mime.xml";
    static constexpr const char* kIconFile = "mondrel.svg";

    // ~/.local/share (or $XDG_DATA_HOME) for a user, /usr/local/share for every user.
    static QString DataFolder(bool system);

    // The menu entry text for a program at exec: the template's Exec and
    // TryExec lines point at it, quoted as the desktop entry format asks.
    static QString MakeDesktopEntry(const QString& templateText, const QString& exec);
    // The Exec value for a program path: quoted when it needs it, with %
    // doubled and backslashes escaped.
    static QString QuoteExec(const QString& program);

    // Writes the entry, type and icons for the installation in destination
    // (with its trailing separator) from the files in sourceFolder.
    static bool Install(const QString& sourceFolder, const QString& destination, const QString& dataFolder,
                        QStringList* warnings, QString* error);
    // Removes them again when the menu entry still starts this
    // installation's program (another installation may have replaced it);
    // true when they were removed.
    static bool Remove(const QString& destination, const QString& dataFolder, QStringList* warnings);

    // The files Install writes, relative to the data folder.
    static QStringList Files();

private:
    static void Refresh(const QString& dataFolder, QStringList* warnings);
};
