#pragma once

// Step 1 of the New Calendar Wizard: the photo, and whether the wizard is
// shown again.

#include "properties/WizardStep.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class CIntroPage : public CWizardStep {
    Q_OBJECT
public:
    explicit CIntroPage(QWidget* parent = nullptr);

    void LoadFrom(const CNewCalendarChoices& choices) override;
    void StoreTo(CNewCalendarChoices& choices) const override;
    bool StoresOnBack() const override { return false; }
    QWidget* FirstControl() const override;
    // A typed path must name an existing file; an empty one makes a
    // calendar without a photo.
    bool validatePage() override;

    bool DoNotShow() const;
    QLineEdit* PathField() const { return m_pPath; }
    QPushButton* BrowseButton() const { return m_pBrowse; }
    QCheckBox* DoNotShowCheck() const { return m_pDoNotShow; }

private:
    void Browse();

    QLineEdit* m_pPath;
    QPushButton* m_pBrowse;
    QCheckBox* m_pDoNotShow;
    // The extension of the last file chosen with "...", kept when the
    // path has none of its own.
    QString m_strChosenExt;
    // The last path decoded successfully, so it is not decoded again.
    QString m_strCheckedPath;
};
