#include "setup/WizardPage.h"

#include "setup/WizardSheet.h"

#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

CWizardPage::CWizardPage(CWizardSheet* sheet) : QWidget(sheet), m_pSheet(sheet) {}

void CWizardPage::AddCaption(QVBoxLayout* layout, const QString& caption)
{
    auto* label = new QLabel(caption, this);
    QFont f = label->font();
    f.setBold(true);
    f.setPointSizeF(f.pointSizeF() * 1.3);
    label->setFont(f);
    label->setObjectName(QStringLiteral("caption"));
    layout->addWidget(label);
    layout->addSpacing(8);
}
