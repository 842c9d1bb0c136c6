#pragma once

// The "Default Options" page of the options sheet: the design grid of new
// views, the default solid background colour of new documents, whether the
// New Calendar Wizard runs and whether the tip of the day shows at start-up.

#include "objects/Types.h"

#include <QtWidgets/QWidget>

class CColorButton;
class CIntField;
class CLineTypeCombo;
class QCheckBox;

class COptionsPage : public QWidget {
    Q_OBJECT
public:
    explicit COptionsPage(QWidget* parent = nullptr);

    // Puts the members into the controls.
    void UpdateControls();
    // Reads the controls into the members; false (with the range message)
    // when the thickness is refused.
    bool ReadControls();

    BOOL m_bAutoIncrement = 0;
    int m_nGridThickness = 1;
    BOOL m_bDrawGrid = 0;
    int m_nGridType = 0;
    COLORREF m_crGridColor = 0x80AA64;
    COLORREF m_crBackColor = 0xFFFFFF;
    BOOL m_bNoNewWizard = 0;
    BOOL m_bTipAtStartup = 1;

    QCheckBox* AutoIncrementCheck() const { return m_pAutoIncrement; }
    QCheckBox* DrawGridCheck() const { return m_pDrawGrid; }
    QCheckBox* NoWizardCheck() const { return m_pNoWizard; }
    QCheckBox* TipCheck() const { return m_pTip; }
    CIntField* ThicknessField() const { return m_pThickness; }
    CLineTypeCombo* LineTypeList() const { return m_pLineType; }
    CColorButton* GridColorButton() const { return m_pGridColor; }
    CColorButton* BackColorButton() const { return m_pBackColor; }

private:
    void UpdateEnabling();

    QCheckBox* m_pAutoIncrement;
    QCheckBox* m_pDrawGrid;
    CIntField* m_pThickness;
    CLineTypeCombo* m_pLineType;
    CColorButton* m_pGridColor;
    CColorButton* m_pBackColor;
    QCheckBox* m_pNoWizard;
    QCheckBox* m_pTip;
};
