#include "properties/Interior5.h"

#include "document/CalendarGenerator.h"
#include "document/ValueRanges.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"
#include "properties/PreviewFileDialog.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

CInterior5::CInterior5(QWidget* parent) : CWizardStep(parent)
{
    setTitle(tr("Mondrel New Calendar Wizard"));
    setSubTitle(tr("Mondrel New Calendar Wizard - Options"));
    m_pFrame = new QCheckBox(tr("Yes, I want to add a frame in my calendar"), this);

    m_pOutlineBox = new QGroupBox(tr("Outline"), this);
    m_pOutline = new QCheckBox(tr("Draw Outline"), m_pOutlineBox);
    m_pOutlineThickness = new CIntField(m_pOutlineBox, kLineThicknessRange);
    m_pOutlineColor = new CColorButton(tr("Outline Color"), m_pOutlineBox);
    m_pOutlineColor->setAutoDefault(false);
    m_pLineType = new CLineTypeCombo(m_pOutlineBox);
    auto* outline = new QGridLayout(m_pOutlineBox);
    outline->addWidget(m_pOutline, 0, 0, 1, 2);
    outline->addWidget(new QLabel(tr("Thickness:"), m_pOutlineBox), 1, 0);
    outline->addWidget(m_pOutlineThickness, 1, 1);
    outline->addWidget(new QLabel(tr("Outline Line Type:"), m_pOutlineBox), 2, 0);
    outline->addWidget(m_pLineType, 2, 1);
    outline->addWidget(m_pOutlineColor, 3, 0, 1, 2, Qt::AlignLeft);
    outline->setRowStretch(4, 1);

    m_pTypeBox = new QGroupBox(tr("Type of Frame"), this);
    m_pFillType = new QButtonGroup(this);
    auto* pattern = new QRadioButton(tr("Fill using Image as pattern"), m_pTypeBox);
    auto* solid = new QRadioButton(tr("Solid"), m_pTypeBox);
    m_pFillType->addButton(pattern, 0);
    m_pFillType->addButton(solid, 1);
    m_pFillColor = new CColorButton(tr("Color"), m_pTypeBox);
    m_pFillColor->setAutoDefault(false);
    m_pPattern = new QLineEdit(m_pTypeBox);
    m_pPattern->setReadOnly(true);
    m_pPattern->setAccessibleName(tr("Pattern"));
    m_pBrowse = new QPushButton(tr("..."), m_pTypeBox);
    m_pBrowse->setAutoDefault(false);
    m_pBrowse->setToolTip(tr("Select Pattern Filling Image File"));
    m_pBrowse->setFixedWidth(m_pBrowse->fontMetrics().horizontalAdvance(QStringLiteral("...")) + 28);
    m_pFrameThickness = new CIntField(m_pTypeBox, kFrameBandRange);
    auto* type = new QGridLayout(m_pTypeBox);
    auto* solidRow = new QHBoxLayout;
    solidRow->addWidget(solid);
    solidRow->addSpacing(12);
    solidRow->addWidget(m_pFillColor);
    solidRow->addStretch(1);
    type->addLayout(solidRow, 0, 0, 1, 2);
    type->addWidget(pattern, 1, 0, 1, 2);
    auto* patternRow = new QHBoxLayout;
    patternRow->setContentsMargins(22, 0, 0, 0);
    patternRow->addWidget(new QLabel(tr("Pattern:"), m_pTypeBox));
    patternRow->addWidget(m_pPattern, 1);
    patternRow->addWidget(m_pBrowse);
    type->addLayout(patternRow, 2, 0, 1, 2);
    auto* thicknessRow = new QHBoxLayout;
    thicknessRow->addWidget(new QLabel(tr("Frame Thickness:"), m_pTypeBox));
    thicknessRow->addWidget(m_pFrameThickness);
    thicknessRow->addStretch(1);
    type->addLayout(thicknessRow, 3, 0, 1, 2);
    type->setRowStretch(4, 1);

    auto* boxes = new QHBoxLayout;
    boxes->addWidget(m_pOutlineBox);
    boxes->addWidget(m_pTypeBox, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pFrame);
    layout->addLayout(boxes);
    layout->addStretch(1);

    connect(m_pFrame, &QCheckBox::clicked, this, &CInterior5::UpdateEnabling);
    connect(m_pOutline, &QCheckBox::clicked, this, &CInterior5::UpdateEnabling);
    connect(m_pFillType, &QButtonGroup::idClicked, this, &CInterior5::UpdateEnabling);
    connect(m_pBrowse, &QPushButton::clicked, this, &CInterior5::Browse);
}

QWidget* CInterior5::FirstControl() const
{
    return m_pFrame;
}

void CInterior5::LoadFrom(const CNewCalendarChoices& choices)
{
    m_bNoFill = choices.m_bNoFill;
    m_nSpare = choices.m_nSpare;
    m_pFrame->setChecked(choices.m_bFrame != 0);
    m_pOutline->setChecked(choices.m_bDrawOutline != 0);
    m_pOutlineThickness->Load(choices.m_nOutlineThickness);
    m_pOutlineColor->SetColor(choices.m_crOutline);
    m_pLineType->SetLineType(choices.m_nOutlineLineType);
    m_pFillType->button(choices.m_nFillType == 0 ? 0 : 1)->setChecked(true);
    m_pFillColor->SetColor(choices.m_crFill);
    m_pPattern->setText(QString::fromStdString(choices.m_strPatternPath));
    m_pPattern->setCursorPosition(0);
    m_strPatternExt = QString::fromStdString(choices.m_strPatternType);
    m_pFrameThickness->Load(choices.m_nFrameThickness);
    UpdateEnabling();
}

void CInterior5::StoreTo(CNewCalendarChoices& choices) const
{
    int value = 0;
    choices.m_bNoFill = m_bNoFill;
    if (m_pOutlineThickness->IsValid(&value)) choices.m_nOutlineThickness = value;
    choices.m_bFrame = m_pFrame->isChecked() ? 1 : 0;
    choices.m_bDrawOutline = m_pOutline->isChecked() ? 1 : 0;
    choices.m_nOutlineLineType = m_pLineType->LineType();
    choices.m_nSpare = m_nSpare;
    choices.m_crOutline = m_pOutlineColor->Color();
    choices.m_crFill = m_pFillColor->Color();
    if (m_pFrameThickness->IsValid(&value)) choices.m_nFrameThickness = value;
    choices.m_nFillType = m_pFillType->checkedId();
    choices.m_strPatternPath = m_pPattern->text().toStdString();
    choices.m_strPatternType = m_strPatternExt.toStdString();
}

void CInterior5::UpdateEnabling()
{
    const bool frame = m_pFrame->isChecked();
    const bool outline = frame && m_pOutline->isChecked();
    const bool solid = m_pFillType->checkedId() == 1;
    m_pOutlineBox->setEnabled(frame);
    m_pTypeBox->setEnabled(frame);
    m_pOutlineThickness->setEnabled(outline);
    m_pOutlineColor->setEnabled(outline);
    m_pLineType->setEnabled(outline);
    m_pFillColor->setEnabled(frame && solid);
    m_pPattern->setEnabled(frame && !solid);
    m_pBrowse->setEnabled(frame && !solid);
}

void CInterior5::Browse()
{
    const QString current = m_pPattern->text();
    const QString path = GetOpenFileNameWithPreview(this, FileKind::Picture, tr("Select Pattern Filling Image File"), ImageFileFilter(),
                                                    current.isEmpty() ? QStringLiteral("*.jpg") : current);
    if (path.isEmpty()) return;
    m_pPattern->setText(path);
    m_pPattern->setCursorPosition(0);
    const QString ext = LowerExtension(path);
    if (!ext.isEmpty()) m_strPatternExt = ext;
}
