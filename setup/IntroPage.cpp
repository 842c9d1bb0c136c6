#include "setup/IntroPage.h"

#include "setup/SelectFolderDialog.h"
#include "setup/SetupMessage.h"
#include "setup/SetupPaths.h"
#include "setup/WizardSheet.h"

#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

namespace {

QLabel* Text(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

}  // namespace

CIntroPage::CIntroPage(CWizardSheet* sheet) : CWizardPage(sheet)
{
    auto* layout = new QVBoxLayout(this);
    AddCaption(layout, SetupCaption());
    layout->addWidget(Text(tr("Thank you for your interest in this Quillon product."), this));
    layout->addSpacing(6);
    layout->addWidget(Text(tr("Please tell setup program where to install Mondrel ?"), this));

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(tr("Directory:"), this);
    m_pDirectory = new QLineEdit(this);
    m_pDirectory->setMaxLength(static_cast<int>(kMaxDestinationLength) * 4);
    label->setBuddy(m_pDirectory);
    m_pBrowse = new QPushButton(QStringLiteral("..."), this);
    m_pBrowse->setFixedWidth(m_pBrowse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    m_pBrowse->setAutoDefault(false);
    row->addWidget(label);
    row->addWidget(m_pDirectory, 1);
    row->addWidget(m_pBrowse);
    layout->addLayout(row);
    layout->addWidget(
        Text(tr("You can use the Browse button to select the Directory  where you want to install. "), this));
    layout->addStretch(1);
    layout->addWidget(Text(tr("To Continue with Setup click Next, Click Cancel anytime to exit Setup "
                              "without installing Mondrel on your computer."),
                           this));
    connect(m_pBrowse, &QPushButton::clicked, this, &CIntroPage::OnBrowse);
}

void CIntroPage::OnSetActive()
{
    Sheet()->SetWizardButtons(CWizardSheet::kNext);
    m_pDirectory->setText(Sheet()->Destination());
    m_pDirectory->setFocus();
}

bool CIntroPage::OnWizardNext()
{
    Sheet()->SetDestination(m_pDirectory->text());
    if (m_pDirectory->text().isEmpty()) {
        ShowSetupMessage(this, tr("Destination Directory can not be empty"), QMessageBox::Critical);
        return false;
    }
    return true;
}

void CIntroPage::OnBrowse()
{
    // An empty box starts the dialog in the home folder, where a user may
    // install; the typed folder otherwise, or its nearest existing parent.
    const QString typed = m_pDirectory->text();
    CSelectFolderDialog dialog(this, typed.isEmpty() ? QString::fromStdString(HomeFolder()) : typed);
    if (dialog.exec() == QDialog::Accepted) m_pDirectory->setText(dialog.Folder());
}
