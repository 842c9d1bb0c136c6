#include "setup/SetupCommand.h"

#include "setup/Installer.h"
#include "setup/SetupMessage.h"
#include "setup/SetupPaths.h"
#include "MondrelVersion.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QFileInfo>
#include <QtCore/QSettings>

#include <ostream>

namespace {

std::string S(const QString& s)
{
    return s.toStdString();
}

std::string Tr(const char* text, const QStringList& arguments = {})
{
    // One arg() call for all, so a folder holding "%2" stays as it is.
    const QString message = QCoreApplication::translate("CSetupCommand", text);
    if (arguments.size() == 1) return message.arg(arguments[0]).toStdString();
    if (arguments.size() == 2) return message.arg(arguments[0], arguments[1]).toStdString();
    return message.toStdString();
}

}  // namespace

std::string CSetupCommand::Usage(const QString& programFolder)
{
    std::string usage = Tr(QT_TRANSLATE_NOOP("CSetupCommand",
        "Usage:\n"
        "  tallowin                       the setup wizard\n"
        "  tallowin --batch [--dest DIR]  install without a window\n"
        "  tallowin --uninstall [--dest DIR]\n"
        "                                 remove an installation (the one the settings name,\n"
        "                                 else the one in the default folder)\n"
        "  tallowin --help | --version\n"
        "Options:\n"
        "  --dest DIR     the folder to install into (default ~/.local/opt/mondrel/,\n"
        "                 /opt/mondrel/ as root)\n"
        "  --user         install for this user only, even as root\n"
        "  --source DIR   the setup folder holding mondrel.inf (default: tallowin's own folder)\n"));
    if (!programFolder.isEmpty() && !HasSetupScript(programFolder)) usage += "\n" + NoSetupFolderText(programFolder) + "\n";
    return usage;
}

bool CSetupCommand::HasSetupScript(const QString& folder)
{
    return QFileInfo(folder + "/" + CInstaller::kScriptName).isFile();
}

std::string CSetupCommand::NoSetupFolderText(const QString& programFolder)
{
    return Tr(QT_TRANSLATE_NOOP("CSetupCommand",
                                "This Tallowin has no setup folder beside it (there is no mondrel.inf in %1): it "
                                "removes installations in folders (tallowin --uninstall --dest DIR) but installs "
                                "nothing. To install into a folder, run the tallowin of a setup folder."),
              {programFolder});
}

bool CSetupCommand::IsBatch(const QStringList& args)
{
    for (const QString& a : args)
        if (a != "--user") return true;
    return false;
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
            out << Usage(programFolder);
            return 0;
        } else if (a == "--version") {
            out << "tallowin " MONDREL_VERSION "\n";
            return 0;
        } else if (a == "--batch") {
            install = true;
        } else if (a == "--uninstall") {
            uninstall = true;
        } else if (a == "--user") {
            user = true;
        } else if (a == "--dest" || a == "--source") {
            if (i + 1 >= args.size()) {
                err << "tallowin: " << Tr(QT_TRANSLATE_NOOP("CSetupCommand", "The option %1 needs a folder."), {a}) << "\n";
                return 2;
            }
            (a == "--dest" ? dest : source) = args[++i];
        } else {
            err << "tallowin: " << Tr(QT_TRANSLATE_NOOP("CSetupCommand", "Unknown argument \"%1\"."), {a}) << "\n"
                << Usage(programFolder);
            return 2;
        }
    }
    if (install == uninstall) {
        err << "tallowin: " << Tr(QT_TRANSLATE_NOOP("CSetupCommand", "Give either --batch or --uninstall.")) << "\n"
            << Usage(programFolder);
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
            err << "tallowin: " << Tr(QT_TRANSLATE_NOOP("CSetupCommand", "The folder must be a full path (not \"%1\")."), {dest})
                << "\n";
            return 2;
        }
        const CInstallReport report = CInstaller::Uninstall(dest, system);
        for (const QString& w : report.m_warnings) err << "tallowin: warning: " << S(w) << "\n";
        if (!report.m_bOk) {
            for (const QString& e : report.m_errors) err << "tallowin: " << S(e) << "\n";
            return 1;
        }
        if (report.m_bFolderGone)
            out << Tr(QT_TRANSLATE_NOOP("CSetupCommand", "The folder %1 no longer exists; removed what named it: %2."),
                      {dest, report.m_forgotten.join(QString::fromStdString(Tr(QT_TRANSLATE_NOOP("CSetupCommand", " and "))))})
                << "\n";
        else
            out << Tr(QT_TRANSLATE_NOOP("CSetupCommand", "Mondrel was removed from %1 (%2 files)."),
                      {dest, QString::number(report.m_nRemoved)})
                << "\n";
        return 0;
    }

    if (!HasSetupScript(source)) {
        err << "tallowin: " << NoSetupFolderText(source) << "\n";
        return 1;
    }
    // The folder is made by the installation once it has read the script.
    std::string destination, error;
    if (dest.isEmpty()) dest = QString::fromStdString(DefaultDestination(system));
    if (!CheckDestination(dest.toStdString(), &destination, &error)) {
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
        err << "tallowin: " << S(QCoreApplication::translate("CWizardSheet", "Installation script did not complete successfully!"))
            << "\n";
        for (const QString& e : report.m_errors) err << "tallowin: " << S(e) << "\n";
        return 1;
    }
    out << S(SetupSucceededText()) << "\n";
    out << Tr(QT_TRANSLATE_NOOP("CSetupCommand", "Installed into %1: %2 files copied"),
              {QString::fromStdString(destination), QString::number(report.m_nCopied)});
    if (report.m_nKept)
        out << Tr(QT_TRANSLATE_NOOP("CSetupCommand", ", %1 newer files kept"), {QString::number(report.m_nKept)});
    out << ".\n";
    return 0;
}
