#pragma once

// The "Properties" page of the sheet "Generic Drawing Object": border,
// fill colour and transparency of rectangles, ellipses, lines, polygons
// and embedded objects.

#include "objects/ObjectProperties.h"
#include "properties/PropertyPage.h"

class CColorButton;
class CIntField;
class CLineTypeCombo;
class CPreviewBox;
class QCheckBox;
class QLabel;

class CGenericPropPage : public CPropertyPage {
    Q_OBJECT
public:
    explicit CGenericPropPage(QWidget* parent = nullptr);
    void ToControls() override;
    void FromControls() override;
    CPreviewBox* Preview() const { return m_pPreview; }

    CObjectProperties m_values;

    QCheckBox* m_pDrawBorder;
    CIntField* m_pThickness;
    CColorButton* m_pBorderColor;
    CLineTypeCombo* m_pLineType;
    CColorButton* m_pFillColor;
    QCheckBox* m_pTransparent;

protected:
    void ApplyEnabling() override;

private:
    QLabel* m_pThicknessLabel;
    QLabel* m_pTypeLabel;
    CPreviewBox* m_pPreview;
};
