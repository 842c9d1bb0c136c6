#pragma once

// Step 6 of the New Calendar Wizard: one of the eight arrangements of photo
// and months, with a small picture of the page as it will come out.

#include "properties/WizardStep.h"

#include <QtGui/QImage>

class QButtonGroup;
class QLabel;

class CInterior6 : public CWizardStep {
    Q_OBJECT
public:
    explicit CInterior6(QWidget* parent = nullptr);

    void LoadFrom(const CNewCalendarChoices& choices) override;
    void StoreTo(CNewCalendarChoices& choices) const override;
    QWidget* FirstControl() const override;
    void initializePage() override;

    int Layout() const;
    QButtonGroup* LayoutGroup() const { return m_pGroup; }
    // How many months the arrangement chosen makes.
    QLabel* CountNote() const { return m_pCountNote; }
    // The page as the generator makes it from these choices, the photo's
    // place shown as a grey box, about width pixels wide.
    static QImage PaintLayout(const CNewCalendarChoices& choices, int width);

private:
    void Repaint();

    QButtonGroup* m_pGroup;
    QLabel* m_pPreview;
    QLabel* m_pCountNote;
};
