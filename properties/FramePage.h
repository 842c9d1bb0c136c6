#pragma once

// The frame object's page: the outline, and the frame band drawn solid or
// filled with a picture as its pattern.

#include "objects/Types.h"
#include "properties/PropertyPage.h"

#include <string>

class CColorButton;
class CIntField;
class CLineTypeCombo;
class CPreviewBox;
class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CFramePropPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CFramePropPage(QWidget* parent = nullptr);
    void ToControls() override;
    void FromControls() override;
    // Takes a chosen pattern picture as "Pattern" does.
    void TakeChosenFile(const QString& path);
    CPreviewBox* Preview() const { return m_pPreview; }

    BOOL m_bOutline = 1;
    unsigned int m_nOutlineThickness = 1;
    int m_nLineType = 0;
    COLORREF m_crOutline = 0;
    COLORREF m_crFill = 0;
    int m_nFrameType = 1;
    int m_nFrameThickness = 15;
    std::string m_strPath;
    std::string m_strExt;
    // Carried through unchanged: no control shows it.
    BOOL m_bNoFill = 0;

    QCheckBox* m_pOutline;
    CIntField* m_pOutlineThickness;
    CLineTypeCombo* m_pLineType;
    CColorButton* m_pOutlineColor;
    QRadioButton* m_pPatternType;
    QRadioButton* m_pSolidType;
    CColorButton* m_pFillColor;
    CIntField* m_pFrameThickness;
    QLineEdit* m_pPath;
    QPushButton* m_pPattern;

protected:
    void ApplyEnabling() override;

private:
    QLabel* m_pThicknessLabel;
    QLabel* m_pTypeLabel;
    QButtonGroup* m_pTypes;
    CPreviewBox* m_pPreview;
};
