#pragma once

// Step 5 of the New Calendar Wizard: an optional frame around the design,
// with its outline and its band filled with a colour or a pattern picture.

#include "objects/Types.h"
#include "properties/WizardStep.h"

class CColorButton;
class CIntField;
class CLineTypeCombo;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class CInterior5 : public CWizardStep {
    Q_OBJECT
public:
    explicit CInterior5(QWidget* parent = nullptr);

    void LoadFrom(const CNewCalendarChoices& choices) override;
    void StoreTo(CNewCalendarChoices& choices) const override;
    QWidget* FirstControl() const override;


    QCheckBox* FrameCheck() const { return m_pFrame; }
    QCheckBox* OutlineCheck() const { return m_pOutline; }
    CIntField* OutlineField() const { return m_pOutlineThickness; }
    CIntField* FrameThicknessField() const { return m_pFrameThickness; }
    QButtonGroup* FillTypeGroup() const { return m_pFillType; }
    CColorButton* FillColorButton() const { return m_pFillColor; }
    QPushButton* PatternButton() const { return m_pBrowse; }

private:
    void UpdateEnabling();
    void Browse();

    QCheckBox* m_pFrame;
    QGroupBox* m_pOutlineBox;
    QCheckBox* m_pOutline;
    CIntField* m_pOutlineThickness;
    CColorButton* m_pOutlineColor;
    CLineTypeCombo* m_pLineType;
    QGroupBox* m_pTypeBox;
    QButtonGroup* m_pFillType;
    CColorButton* m_pFillColor;
    QLineEdit* m_pPattern;
    QPushButton* m_pBrowse;
    CIntField* m_pFrameThickness;
    QString m_strPatternExt;
    // Values no control of the page changes, carried through.
    BOOL m_bNoFill = 0;
    int m_nSpare = 0;
};
