#include "setup/SetupCommand.h"

#include "setup/Installer.h"
#include "setup/SetupPaths.h"

#include <QtCore/QSettings>

#include <ostream>

namespace {

std::string S(const QString& s)
{
    return s.toStdString();
}

}  // namespace

const char* CSetupCommand::Usage()
{
    return "Usage:\n"
           "  tallowin                       the setup wizard\n"
           "  tallowin --batch [--dest DIR]  install without a window\n"
           "  tallowin --uninstall [--dest DIR]\n"
           "                                 remove an installation (the one the settings name,\n"
           "                                 else the one in the default folder)\n"
           "Options:\n"
           "  --dest DIR     the folder to install into (default ~/.local/opt/mondrel/,\n"
           "                 /opt/mondrel/ as root)\n"
           "  --user         install for this user only, even as root\n"
           "  --source DIR   the setup folder holding mondrel.inf (default: tallowin's own folder)\n";
}

bool CSetupCommand::IsBatch(const QStringList& args)
{
    return args.contains("--batch") || args.contains("--uninstall") || args.contains("--help") || args.contains("-h");
}

bool CSetupCommand::ForUser(const QStringList& args)
{
    return args.contains("--user");
}

int CSetupCommand::Run(const QStringList& args, const QString& programFolder, std::ostream& out, std::ostream& err)
{
    bool install = false, uninstall = false, user = false;
    QString dest, source = programFolder;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--help" || a == "-h") {
            out << Usage();
            return 0;
        } else if (a == "--batch") {
            install = true;
        } else if (a == "--uninstall") {
            uninstall = true;
        } else if (a == "--user") {
            user = true;
        } else if (a == "--dest" || a == "--source") {
            if (i + 1 >= args.size()) {
                err << "tallowin: the option " << S(a) << " needs a folder.\n";
                return 2;
            }
            (a == "--dest" ? dest : source) = args[++i];
        } else {
            err << "tallowin: unknown argument \"" << S(a) << "\".\n" << Usage();
            return 2;
        }
    }
    if (install == uninstall) {
        err << "tallowin: give either --batch or --uninstall.\n";
        return 2;
    }
    const bool system = IsSystemInstall() && !user;

    if (uninstall) {
        if (dest.isEmpty()) {
            QSettings settings(QSettings::IniFormat, system ? QSettings::SystemScope : QSettings::UserScope,
                               QStringLiteral("Mondrel"), QStringLiteral("Mondrel"));
            dest = settings.value("Settings/DestinationPath").toString();
            if (dest.isEmpty()) dest = QString::fromStdString(DefaultDestination(system));
        }
        dest = QString::fromStdString(ExpandHome(dest.toStdString()));
        if (!dest.startsWith('/')) {
            err << "tallowin: the folder must be a full path (not \"" << S(dest) << "\").\n";
            return 2;
        }
        const CInstallReport report = CInstaller::Uninstall(dest);
        for (const QString& w : report.m_warnings) err << "tallowin: warning: " << S(w) << "\n";
        if (!report.m_bOk) {
            for (const QString& e : report.m_errors) err << "tallowin: " << S(e) << "\n";
            return 1;
        }
        out << "Mondrel was removed from " << S(dest) << " (" << report.m_nRemoved << " files).\n";
        return 0;
    }

    std::string destination, error;
    if (dest.isEmpty()) dest = QString::fromStdString(DefaultDestination(system));
    if (!PrepareDestination(dest.toStdString(), &destination, &error)) {
        err << "tallowin: " << error << "\n";
        return 1;
    }
    CInstallRequest request;
    request.m_strSourceFolder = source;
    request.m_strDestination = QString::fromStdString(destination);
    request.m_bSystem = system;
    const CInstallReport report = CInstaller::Install(request);
    for (const QString& w : report.m_warnings) err << "tallowin: warning: " << S(w) << "\n";
    if (!report.m_bOk) {
        err << "tallowin: Installation script did not complete successfully!\n";
        for (const QString& e : report.m_errors) err << "tallowin: " << S(e) << "\n";
        return 1;
    }
    out << "Setup of Mondrel 3.0 Completed Successfully.\n"
        << "Installed into " << destination << ": " << report.m_nCopied << " files copied";
    if (report.m_nKept) out << ", " << report.m_nKept << " newer files kept";
    out << ".\n";
    return 0;
}
