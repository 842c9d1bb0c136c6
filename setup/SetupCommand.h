#pragma once

// The command line of tallowin without a window, for scripts and tests:
//   tallowin --batch [--dest DIR] [--user] [--source DIR]
//   tallowin --uninstall [--dest DIR] [--user]
//   tallowin --help | --version
// The same engine as the wizard; messages go to the given streams and the
// exit status is 0 only on success (1 a failed installation, 2 bad arguments).

#include <QtCore/QStringList>

#include <iosfwd>
#include <string>

class CSetupCommand {
public:
    // True when the arguments ask for a run without a window: anything but
    // --user (unknown arguments are refused without a window too).
    static bool IsBatch(const QStringList& args);
    // True when --user asks for a user's installation even as root.
    static bool ForUser(const QStringList& args);
    // programFolder is where tallowin lives: the setup folder by default.
    static int Run(const QStringList& args, const QString& programFolder, std::ostream& out, std::ostream& err);
    // The usage; programFolder (where tallowin lives) adds what this copy
    // cannot do when it has no setup folder beside it.
    static std::string Usage(const QString& programFolder = QString());
    // True when folder holds the installation script, mondrel.inf.
    static bool HasSetupScript(const QString& folder);
    // What a tallowin without a setup folder beside it can do.
    static std::string NoSetupFolderText(const QString& programFolder);
};
