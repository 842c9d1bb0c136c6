#pragma once

// "General": the month and year shown, the first day of the week, the 3D
// border and plain border, the grid, the layout, and whether these
// properties go to every calendar of the document.

#include "objects/Types.h"
#include "properties/MonthCalendarWnd.h"
#include "properties/PropertyPage.h"

class CColorButton;
class CIntField;
class CLineTypeCombo;
class CPreviewBox;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;

class CCalGenProp : public CPropertyPage {
    Q_OBJECT
public:
    explicit CCalGenProp(QWidget* parent = nullptr);
    void ToControls() override;
    void FromControls() override;
    CPreviewBox* Preview() const { return m_pPreview; }
    // The hidden month control: the page's source of names and dates.
    const CMonthCalendarWnd& MonthControl() const { return m_monthControl; }

    int m_nMonthIndex = 0;
    int m_nYear = 2000;
    int m_nFirstDayIndex = 0;
    int m_nFirstDay = 1;
    BOOL m_b3DBorder = 1;
    BOOL m_bBorder = 0;
    BOOL m_bGrid = 1;
    COLORREF m_crGridLine = 0x00FF0000;
    int m_nGridType = 0;
    int m_nGridThickness = 1;
    int m_nLayout = 0;
    BOOL m_bApplyToAll = 0;

    QComboBox* m_pMonth;
    CIntField* m_pYear;
    QComboBox* m_pFirstDay;
    QCheckBox* m_p3DBorder;
    QCheckBox* m_pBorder;
    QCheckBox* m_pGrid;
    CColorButton* m_pGridColor;
    CLineTypeCombo* m_pGridType;
    CIntField* m_pGridThickness;
    QButtonGroup* m_pLayout;
    QCheckBox* m_pApplyToAll;

protected:
    void ApplyEnabling() override;

private:
    CMonthCalendarWnd m_monthControl;
    QLabel* m_pGridTypeLabel;
    QLabel* m_pThicknessLabel;
    CPreviewBox* m_pPreview;
};
