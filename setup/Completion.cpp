#include "setup/Completion.h"

#include "setup/SetupMessage.h"
#include "setup/WizardSheet.h"

#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

CCompletion::CCompletion(CWizardSheet* sheet) : CWizardPage(sheet)
{
    auto* layout = new QVBoxLayout(this);
    AddCaption(layout, SetupCaption());
    for (const QString& text : {tr("Click Finish to start installation, Click on Cancel to Abort and Exit setup."),
                                tr("Refer to Readme.TXT for further details.")}) {
        auto* label = new QLabel(text, this);
        label->setWordWrap(true);
        layout->addWidget(label);
        layout->addSpacing(6);
    }
    layout->addStretch(1);
}

void CCompletion::OnSetActive()
{
    Sheet()->SetWizardButtons(CWizardSheet::kBack | CWizardSheet::kNext | CWizardSheet::kFinish);
}

bool CCompletion::OnWizardFinish()
{
    return Sheet()->RunInstallation();
}

void CCompletion::OnHelp()
{
    ShowSetupMessage(this, tr("Sorry ! No Help Available for Setup in this version."), QMessageBox::Critical);
}
