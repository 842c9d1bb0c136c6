#include "properties/OptionsPage.h"

#include "document/ValueRanges.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

COptionsPage::COptionsPage(QWidget* parent) : QWidget(parent)
{
    m_pAutoIncrement = new QCheckBox(tr("Auto Increment Month,Year of Calendar Object"), this);
    auto* note = new QLabel(tr("(When Using Copy and Paste)"), this);
    note->setContentsMargins(22, 0, 0, 0);
    note->setEnabled(false);

    auto* gridBox = new QGroupBox(tr("Grid Lines"), this);
    m_pDrawGrid = new QCheckBox(tr("Draw Grid"), gridBox);
    m_pThickness = new CIntField(gridBox, kLineThicknessRange);
    m_pThickness->setAccessibleName(tr("Thickness"));
    m_pLineType = new CLineTypeCombo(gridBox);
    m_pGridColor = new CColorButton(tr("Grid Color"), gridBox);
    m_pGridColor->setAutoDefault(false);
    auto* gridForm = new QFormLayout;
    gridForm->addRow(tr("Thickness:"), m_pThickness);
    gridForm->addRow(tr("Grid Line Type:"), m_pLineType);
    auto* gridLayout = new QVBoxLayout(gridBox);
    gridLayout->addWidget(m_pDrawGrid);
    gridLayout->addLayout(gridForm);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(m_pGridColor);
    colourRow->addStretch(1);
    gridLayout->addLayout(colourRow);

    auto* backBox = new QGroupBox(tr("Default Solid Background Color"), this);
    m_pBackColor = new CColorButton(tr("Choose Color"), backBox);
    m_pBackColor->setAutoDefault(false);
    auto* backLayout = new QHBoxLayout(backBox);
    backLayout->addWidget(m_pBackColor);
    backLayout->addStretch(1);

    m_pNoWizard = new QCheckBox(tr("Do not show New Calendar Wizard when starting new Calendar."), this);
    m_pTip = new QCheckBox(tr("At Startup show tip of the day"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pAutoIncrement);
    layout->addWidget(note);
    layout->addSpacing(6);
    layout->addWidget(gridBox);
    layout->addWidget(backBox);
    layout->addSpacing(6);
    layout->addWidget(m_pNoWizard);
    layout->addWidget(m_pTip);
    layout->addStretch(1);

    connect(m_pDrawGrid, &QCheckBox::clicked, this, [this] {
        m_bDrawGrid = m_pDrawGrid->isChecked();
        UpdateEnabling();
    });
    connect(m_pAutoIncrement, &QCheckBox::clicked, this, [this] { m_bAutoIncrement = m_pAutoIncrement->isChecked(); });
    connect(m_pGridColor, &CColorButton::ColorChosen, this, [this](COLORREF c) { m_crGridColor = c; });
    connect(m_pBackColor, &CColorButton::ColorChosen, this, [this](COLORREF c) { m_crBackColor = c; });
    UpdateControls();
}

void COptionsPage::UpdateControls()
{
    m_pAutoIncrement->setChecked(m_bAutoIncrement != 0);
    m_pDrawGrid->setChecked(m_bDrawGrid != 0);
    m_pThickness->Load(m_nGridThickness);
    m_pLineType->SetLineType(m_nGridType);
    m_pGridColor->SetColor(m_crGridColor);
    m_pBackColor->SetColor(m_crBackColor);
    m_pNoWizard->setChecked(m_bNoNewWizard != 0);
    m_pTip->setChecked(m_bTipAtStartup != 0);
    UpdateEnabling();
}

bool COptionsPage::ReadControls()
{
    int thickness = 0;
    if (m_pThickness->IsValid(&thickness)) {
        m_nGridThickness = thickness;
    } else if (m_pThickness->isEnabled()) {
        m_pThickness->Validate();
        return false;
    }
    // A refused thickness left behind a greyed field keeps the old value.
    m_bAutoIncrement = m_pAutoIncrement->isChecked();
    m_bDrawGrid = m_pDrawGrid->isChecked();
    m_nGridType = m_pLineType->LineType();
    m_bNoNewWizard = m_pNoWizard->isChecked();
    m_bTipAtStartup = m_pTip->isChecked();
    return true;
}

void COptionsPage::UpdateEnabling()
{
    const bool grid = m_pDrawGrid->isChecked();
    m_pGridColor->setEnabled(grid);
    m_pLineType->setEnabled(grid);
    m_pThickness->setEnabled(grid);
}
