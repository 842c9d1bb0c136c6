#pragma once

// The setup wizard's sheet, "Setup Wizard": a picture on the left, the
// current page on the right, and the buttons Back, Next (or Finish), Cancel
// and Help below. Pages set which buttons are enabled, as wizard pages do.
// The sheet owns the destination chosen on the first page and runs the
// installation when the last page is finished.

#include <QtWidgets/QDialog>

#include <vector>

class CWizardPage;
class QLabel;
class QPushButton;
class QStackedWidget;

class CWizardSheet : public QDialog {
    Q_OBJECT
public:
    enum Buttons { kBack = 1, kNext = 2, kFinish = 4 };

    // sourceFolder holds "mondrel.inf"; system installs for every user.
    CWizardSheet(const QString& sourceFolder, bool system, QWidget* parent = nullptr);

    void AddPage(CWizardPage* page);
    void SetActivePage(int index);
    int ActiveIndex() const { return m_nActive; }
    CWizardPage* ActivePage() const;
    // An OR of kBack, kNext and kFinish; Finish takes the place of Next.
    void SetWizardButtons(int buttons);

    const QString& Destination() const { return m_strDestination; }
    void SetDestination(const QString& destination) { m_strDestination = destination; }
    bool IsSystemInstall() const { return m_bSystem; }

    // Prepares the destination and installs into it; reports success or
    // failure to the user. False keeps the wizard open.
    bool RunInstallation();

    QPushButton* BackButton() const { return m_pBack; }
    QPushButton* NextButton() const { return m_pNext; }
    QPushButton* FinishButton() const { return m_pFinish; }
    QPushButton* CancelButton() const { return m_pCancel; }
    QPushButton* HelpButton() const { return m_pHelp; }

    // Set to false only where the platform knows no long names.
    bool m_bLongNames = true;

private:
    void OnBack();
    void OnNext();
    void OnFinish();
    void OnHelp();

    QString m_strSourceFolder;
    bool m_bSystem;
    QString m_strDestination;
    std::vector<CWizardPage*> m_pages;
    int m_nActive = -1;
    QLabel* m_pWatermark = nullptr;
    QStackedWidget* m_pStack = nullptr;
    QPushButton* m_pBack = nullptr;
    QPushButton* m_pNext = nullptr;
    QPushButton* m_pFinish = nullptr;
    QPushButton* m_pCancel = nullptr;
    QPushButton* m_pHelp = nullptr;
};
