#include "properties/GenericPage.h"

#include "document/ValueRanges.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"
#include "properties/PreviewBox.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>

CGenericPropPage::CGenericPropPage(QWidget* parent) : CPropertyPage(tr("Properties"), parent)
{
    auto* grid = new QGridLayout(this);
    auto* borderBox = new QGroupBox(tr("Border"), this);
    auto* border = new QGridLayout(borderBox);
    m_pDrawBorder = new QCheckBox(tr("Draw Border"), borderBox);
    m_pBorderColor = new CColorButton(tr("Border Color"), borderBox);
    m_pThicknessLabel = new QLabel(tr("Thickness"), borderBox);
    m_pThickness = new CIntField(borderBox, kLineThicknessRange);
    m_pThicknessLabel->setBuddy(m_pThickness);
    m_pTypeLabel = new QLabel(tr("Border Line Type"), borderBox);
    m_pLineType = new CLineTypeCombo(borderBox);
    m_pTypeLabel->setBuddy(m_pLineType);
    border->addWidget(m_pDrawBorder, 0, 0);
    border->addWidget(m_pBorderColor, 0, 1);
    border->addWidget(m_pThicknessLabel, 1, 0);
    border->addWidget(m_pThickness, 1, 1);
    border->addWidget(m_pTypeLabel, 2, 0);
    border->addWidget(m_pLineType, 2, 1);
    grid->addWidget(borderBox, 0, 0);

    auto* fillBox = new QGroupBox(tr("Fill"), this);
    auto* fill = new QVBoxLayout(fillBox);
    m_pFillColor = new CColorButton(tr("Color"), fillBox);
    m_pTransparent = new QCheckBox(tr("Transparent"), fillBox);
    fill->addWidget(m_pFillColor);
    fill->addWidget(m_pTransparent);
    fill->addStretch();
    grid->addWidget(fillBox, 0, 1);

    m_pPreview = new CPreviewBox(this);
    grid->addWidget(m_pPreview, 1, 0, 1, 2);
    grid->setRowStretch(1, 1);

    auto changed = [this] { OnControlChanged(); };
    connect(m_pDrawBorder, &QCheckBox::toggled, this, changed);
    connect(m_pTransparent, &QCheckBox::toggled, this, changed);
    connect(m_pThickness, &QSpinBox::textChanged, this, changed);
    connect(m_pLineType, &QComboBox::currentIndexChanged, this, changed);
    connect(m_pBorderColor, &CColorButton::ColorChosen, this, changed);
    connect(m_pFillColor, &CColorButton::ColorChosen, this, changed);
    connect(this, &CPropertyPage::Changed, m_pPreview, qOverload<>(&QWidget::update));
}

void CGenericPropPage::ToControls()
{
    SetLoading(true);
    m_pDrawBorder->setChecked(m_values.m_bDrawBorder != 0);
    m_pThickness->Load(m_values.m_nThickness);
    m_pBorderColor->SetColor(m_values.m_crBorder);
    m_pLineType->SetLineType(m_values.m_nLineType);
    m_pFillColor->SetColor(m_values.m_crFill);
    m_pTransparent->setChecked(m_values.m_bTransparent != 0);
    SetLoading(false);
    FromControls();
    ApplyEnabling();
}

void CGenericPropPage::FromControls()
{
    m_values.m_bDrawBorder = m_pDrawBorder->isChecked();
    int thickness = 0;
    if (m_pThickness->IsValid(&thickness)) m_values.m_nThickness = thickness;
    m_values.m_crBorder = m_pBorderColor->Color();
    m_values.m_nLineType = m_pLineType->LineType();
    m_values.m_crFill = m_pFillColor->Color();
    m_values.m_bTransparent = m_pTransparent->isChecked();
}

void CGenericPropPage::ApplyEnabling()
{
    const bool border = m_values.m_bDrawBorder != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{m_pBorderColor, m_pThickness, m_pThicknessLabel, m_pLineType,
                                                      m_pTypeLabel})
        w->setEnabled(border);
    m_pFillColor->setEnabled(!m_values.m_bTransparent);
}
