#include "setup/Completion.h"
#include "setup/IntroPage.h"
#include "setup/SetupCommand.h"
#include "setup/SetupMessage.h"
#include "setup/SetupPaths.h"
#include "setup/WizardSheet.h"
#include "translations/Translation.h"
#include "MondrelVersion.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    QCoreApplication::setOrganizationName(QStringLiteral("Mondrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallowin"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MONDREL_VERSION));

    // Everything but the wizard is answered without a display.
    if (CSetupCommand::IsBatch(args)) {
        QCoreApplication app(argc, argv);
        InstallTranslations();
        return CSetupCommand::Run(args, QCoreApplication::applicationDirPath(), std::cout, std::cerr);
    }
    QApplication app(argc, argv);
    InstallTranslations();
    // A copy without a setup folder (the packaged one) says at once what it
    // can do instead of walking the user through a wizard that must fail.
    if (!CSetupCommand::HasSetupScript(QCoreApplication::applicationDirPath())) {
        ShowSetupMessage(nullptr,
                         QString::fromStdString(CSetupCommand::NoSetupFolderText(QCoreApplication::applicationDirPath())),
                         QMessageBox::Information);
        return 1;
    }
    CWizardSheet sheet(QCoreApplication::applicationDirPath(), IsSystemInstall() && !CSetupCommand::ForUser(args));
    sheet.AddPage(new CIntroPage(&sheet));
    sheet.AddPage(new CCompletion(&sheet));
    sheet.exec();
    return 0;
}
