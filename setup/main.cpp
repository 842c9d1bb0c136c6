#include "setup/Completion.h"
#include "setup/IntroPage.h"
#include "setup/SetupCommand.h"
#include "setup/SetupPaths.h"
#include "setup/WizardSheet.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QApplication>

#include <iostream>

int main(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
    QCoreApplication::setOrganizationName(QStringLiteral("Mondrel"));
    QCoreApplication::setApplicationName(QStringLiteral("Tallowin"));

    if (CSetupCommand::IsBatch(args)) {
        QCoreApplication app(argc, argv);
        return CSetupCommand::Run(args, QCoreApplication::applicationDirPath(), std::cout, std::cerr);
    }
    for (const QString& a : args) {
        if (a != "--user") {
            std::cerr << "tallowin: unknown argument \"" << a.toStdString() << "\".\n" << CSetupCommand::Usage();
            return 2;
        }
    }
    QApplication app(argc, argv);
    CWizardSheet sheet(QCoreApplication::applicationDirPath(), IsSystemInstall() && !CSetupCommand::ForUser(args));
    sheet.AddPage(new CIntroPage(&sheet));
    sheet.AddPage(new CCompletion(&sheet));
    sheet.exec();
    return 0;
}
