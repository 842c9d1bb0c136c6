#include "properties/FramePage.h"

#include "document/ValueRanges.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"
#include "properties/PreviewBox.h"
#include "properties/PreviewFileDialog.h"
#include "properties/StoredChoice.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

CFramePropPage::CFramePropPage(QWidget* parent) : CPropertyPage(tr("Properties"), parent)
{
    auto* grid = new QGridLayout(this);

    auto* outlineBox = new QGroupBox(tr("Frame Outline"), this);
    auto* outline = new QGridLayout(outlineBox);
    m_pOutline = new QCheckBox(tr("Draw Outline"), outlineBox);
    m_pOutlineColor = new CColorButton(tr("Outline Color"), outlineBox);
    m_pThicknessLabel = new QLabel(tr("Thickness"), outlineBox);
    m_pOutlineThickness = new CIntField(outlineBox, kLineThicknessRange);
    m_pThicknessLabel->setBuddy(m_pOutlineThickness);
    m_pTypeLabel = new QLabel(tr("Outline Line Type"), outlineBox);
    m_pLineType = new CLineTypeCombo(outlineBox);
    m_pTypeLabel->setBuddy(m_pLineType);
    outline->addWidget(m_pOutline, 0, 0);
    outline->addWidget(m_pOutlineColor, 0, 1);
    outline->addWidget(m_pThicknessLabel, 1, 0);
    outline->addWidget(m_pOutlineThickness, 1, 1);
    outline->addWidget(m_pTypeLabel, 2, 0);
    outline->addWidget(m_pLineType, 2, 1);
    grid->addWidget(outlineBox, 0, 0);

    auto* typeBox = new QGroupBox(tr("Type of Frame"), this);
    auto* type = new QGridLayout(typeBox);
    m_pPatternType = new QRadioButton(tr("Fill using Image as pattern"), typeBox);
    m_pSolidType = new QRadioButton(tr("Solid"), typeBox);
    m_pTypes = new QButtonGroup(this);
    m_pTypes->addButton(m_pPatternType, 0);
    m_pTypes->addButton(m_pSolidType, 1);
    m_pFillColor = new CColorButton(tr("Color"), typeBox);
    m_pPattern = new QPushButton(tr("Pattern"), typeBox);
    auto* frameLabel = new QLabel(tr("Frame Thickness"), typeBox);
    m_pFrameThickness = new CIntField(typeBox, kFrameBandRange);
    frameLabel->setBuddy(m_pFrameThickness);
    type->addWidget(m_pSolidType, 0, 0);
    type->addWidget(m_pFillColor, 0, 1);
    type->addWidget(m_pPatternType, 1, 0);
    type->addWidget(m_pPattern, 1, 1);
    type->addWidget(frameLabel, 2, 0);
    type->addWidget(m_pFrameThickness, 2, 1);
    grid->addWidget(typeBox, 0, 1);

    m_pPath = new QLineEdit(this);
    m_pPath->setReadOnly(true);
    auto* pathLabel = new QLabel(tr("Pattern Image"), this);
    pathLabel->setBuddy(m_pPath);
    auto* pathRow = new QGridLayout;
    pathRow->addWidget(pathLabel, 0, 0);
    pathRow->addWidget(m_pPath, 0, 1);
    grid->addLayout(pathRow, 1, 0, 1, 2);

    m_pPreview = new CPreviewBox(this);
    grid->addWidget(m_pPreview, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);

    auto changed = [this] { OnControlChanged(); };
    connect(m_pOutline, &QCheckBox::toggled, this, changed);
    connect(m_pTypes, &QButtonGroup::idToggled, this, [this](int, bool on) { if (on) OnControlChanged(); });
    connect(m_pOutlineThickness, &QSpinBox::textChanged, this, changed);
    connect(m_pFrameThickness, &QSpinBox::textChanged, this, changed);
    connect(m_pLineType, &QComboBox::currentIndexChanged, this, changed);
    connect(m_pOutlineColor, &CColorButton::ColorChosen, this, changed);
    connect(m_pFillColor, &CColorButton::ColorChosen, this, changed);
    connect(m_pPattern, &QPushButton::clicked, this, [this] {
        const QString chosen = GetOpenFileNameWithPreview(this, FileKind::Picture, tr("Select Pattern Filling Image File"),
                                                          ImageFileFilter(), QString::fromStdString(m_strPath));
        if (!chosen.isEmpty()) TakeChosenFile(chosen);
    });
    connect(this, &CPropertyPage::Changed, m_pPreview, qOverload<>(&QWidget::update));
}

void CFramePropPage::TakeChosenFile(const QString& path)
{
    m_strPath = path.toStdString();
    m_strExt = LowerExtension(path).toStdString();
    m_pPath->setText(path);
    emit Changed();
}

void CFramePropPage::ToControls()
{
    SetLoading(true);
    m_pOutline->setChecked(m_bOutline != 0);
    m_pOutlineThickness->Load(static_cast<int>(m_nOutlineThickness));
    m_pLineType->SetLineType(m_nLineType);
    m_pOutlineColor->SetColor(m_crOutline);
    m_pFillColor->SetColor(m_crFill);
    ShowStoredChoice(m_pTypes, m_nFrameType);
    m_pFrameThickness->Load(m_nFrameThickness);
    m_pPath->setText(QString::fromStdString(m_strPath));
    SetLoading(false);
    FromControls();
    ApplyEnabling();
}

void CFramePropPage::FromControls()
{
    m_bOutline = m_pOutline->isChecked();
    int value = 0;
    if (m_pOutlineThickness->IsValid(&value)) m_nOutlineThickness = static_cast<unsigned int>(value);
    m_nLineType = m_pLineType->LineType();
    m_crOutline = m_pOutlineColor->Color();
    m_crFill = m_pFillColor->Color();
    m_nFrameType = ReadChoice(m_pTypes, m_nFrameType);
    if (m_pFrameThickness->IsValid(&value)) m_nFrameThickness = value;
}

void CFramePropPage::ApplyEnabling()
{
    const bool outline = m_bOutline != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{m_pOutlineColor, m_pLineType, m_pTypeLabel, m_pOutlineThickness,
                                                      m_pThicknessLabel})
        w->setEnabled(outline);
    m_pFillColor->setEnabled(m_nFrameType == 1);
    m_pPattern->setEnabled(m_nFrameType == 0);
}
