#pragma once

// The first page of the setup wizard: where to install Mondrel.

#include "setup/WizardPage.h"

class QLineEdit;
class QPushButton;

class CIntroPage : public CWizardPage {
    Q_OBJECT
public:
    explicit CIntroPage(CWizardSheet* sheet);

    void OnSetActive() override;
    bool OnWizardNext() override;

    QLineEdit* DirectoryEdit() const { return m_pDirectory; }
    QPushButton* BrowseButton() const { return m_pBrowse; }

private:
    void OnBrowse();

    QLineEdit* m_pDirectory;
    QPushButton* m_pBrowse;
};
