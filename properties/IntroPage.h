#pragma once

// Step 1 of the New Calendar Wizard: all months on one page with its photo,
// or a page for each month (with a cover if wanted) and its list of photos;
// and whether the wizard is shown again.

#include "properties/WizardStep.h"

class CPhotoList;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

class CIntroPage : public CWizardStep {
    Q_OBJECT
public:
    explicit CIntroPage(QWidget* parent = nullptr);

    void LoadFrom(const CNewCalendarChoices& choices) override;
    void StoreTo(CNewCalendarChoices& choices) const override;
    bool StoresOnBack() const override { return false; }
    QWidget* FirstControl() const override;
    // A typed path must name an existing file; an empty one makes a
    // calendar without a photo. Every photo of a page per month must be a
    // picture the program can read.
    bool validatePage() override;

    bool DoNotShow() const;
    QLineEdit* PathField() const { return m_pPath; }
    QPushButton* BrowseButton() const { return m_pBrowse; }
    QCheckBox* DoNotShowCheck() const { return m_pDoNotShow; }
    QRadioButton* OnePageChoice() const { return m_pOnePage; }
    QRadioButton* PagePerMonthChoice() const { return m_pPagePerMonth; }
    QCheckBox* CoverCheck() const { return m_pCover; }
    CPhotoList* Photos() const { return m_pPhotos; }

private:
    void Browse();
    void ShowKind();

    QLineEdit* m_pPath;
    QPushButton* m_pBrowse;
    QCheckBox* m_pDoNotShow;
    QRadioButton* m_pOnePage;
    QRadioButton* m_pPagePerMonth;
    QCheckBox* m_pCover;
    QStackedWidget* m_pPhotoChoice;
    CPhotoList* m_pPhotos;
    // The extension of the last file chosen with "...", kept when the
    // path has none of its own.
    QString m_strChosenExt;
    // The last path decoded successfully, so it is not decoded again.
    QString m_strCheckedPath;
};
