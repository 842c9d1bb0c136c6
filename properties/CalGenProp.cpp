#include "properties/CalGenProp.h"

#include "document/ValueRanges.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"
#include "properties/PreviewBox.h"
#include "properties/StoredChoice.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

CCalGenProp::CCalGenProp(QWidget* parent) : CPropertyPage(tr("General"), parent)
{
    auto* grid = new QGridLayout(this);

    auto* dateBox = new QGroupBox(tr("Date"), this);
    auto* dateForm = new QFormLayout(dateBox);
    m_pMonth = new QComboBox(dateBox);
    for (int m = 1; m <= 12; ++m) m_pMonth->addItem(QString::fromStdString(m_monthControl.MonthName(m)));
    m_pYear = new CIntField(dateBox, kYearRange);
    m_pFirstDay = new QComboBox(dateBox);
    for (int d = 1; d <= 7; ++d) m_pFirstDay->addItem(QString::fromStdString(m_monthControl.WeekdayName(d)));
    dateForm->addRow(tr("Calendar Month"), m_pMonth);
    dateForm->addRow(tr("Year"), m_pYear);
    dateForm->addRow(tr("First Day of Week"), m_pFirstDay);
    grid->addWidget(dateBox, 0, 0);

    auto* borderBox = new QGroupBox(tr("Border"), this);
    auto* borderColumn = new QVBoxLayout(borderBox);
    m_p3DBorder = new QCheckBox(tr("Draw 3D Border"), borderBox);
    m_pBorder = new QCheckBox(tr("Draw Border"), borderBox);
    borderColumn->addWidget(m_p3DBorder);
    borderColumn->addWidget(m_pBorder);
    borderColumn->addStretch();
    grid->addWidget(borderBox, 0, 1);

    auto* gridBox = new QGroupBox(tr("Grid"), this);
    auto* gridForm = new QGridLayout(gridBox);
    m_pGrid = new QCheckBox(tr("Draw Grid"), gridBox);
    m_pGridColor = new CColorButton(tr("Grid Line Color"), gridBox);
    m_pGridType = new CLineTypeCombo(gridBox);
    m_pGridTypeLabel = new QLabel(tr("Grid Line Type"), gridBox);
    m_pGridTypeLabel->setBuddy(m_pGridType);
    m_pGridThickness = new CIntField(gridBox, kCalendarGridRange);
    m_pThicknessLabel = new QLabel(tr("Grid Line Thickness"), gridBox);
    m_pThicknessLabel->setBuddy(m_pGridThickness);
    gridForm->addWidget(m_pGrid, 0, 0);
    gridForm->addWidget(m_pGridColor, 0, 1);
    gridForm->addWidget(m_pGridTypeLabel, 1, 0);
    gridForm->addWidget(m_pGridType, 1, 1);
    gridForm->addWidget(m_pThicknessLabel, 2, 0);
    gridForm->addWidget(m_pGridThickness, 2, 1);
    grid->addWidget(gridBox, 1, 0);

    auto* layoutBox = new QGroupBox(tr("Layout"), this);
    auto* layoutGrid = new QGridLayout(layoutBox);
    m_pLayout = new QButtonGroup(this);
    const char* const layouts[5] = {QT_TR_NOOP("Vertical"), QT_TR_NOOP("Star"), QT_TR_NOOP("Horizontal"),
                                    QT_TR_NOOP("Top"), QT_TR_NOOP("Mountain")};
    for (int i = 0; i < 5; ++i) {
        auto* radio = new QRadioButton(tr(layouts[i]), layoutBox);
        m_pLayout->addButton(radio, i);
        layoutGrid->addWidget(radio, i % 3, i / 3);
    }
    grid->addWidget(layoutBox, 1, 1);

    m_pPreview = new CPreviewBox(this);
    grid->addWidget(m_pPreview, 2, 0, 1, 2);
    grid->setRowStretch(2, 1);
    m_pApplyToAll = new QCheckBox(tr("Apply these properties to ALL Calendar objects"), this);
    grid->addWidget(m_pApplyToAll, 3, 0, 1, 2);

    auto changed = [this] { OnControlChanged(); };
    connect(m_pMonth, &QComboBox::currentIndexChanged, this, changed);
    connect(m_pFirstDay, &QComboBox::currentIndexChanged, this, changed);
    connect(m_pGridType, &QComboBox::currentIndexChanged, this, changed);
    connect(m_pYear, &QSpinBox::textChanged, this, changed);
    connect(m_pGridThickness, &QSpinBox::textChanged, this, changed);
    for (QCheckBox* check : {m_p3DBorder, m_pBorder, m_pGrid, m_pApplyToAll})
        connect(check, &QCheckBox::toggled, this, changed);
    connect(m_pGridColor, &CColorButton::ColorChosen, this, changed);
    connect(m_pLayout, &QButtonGroup::idToggled, this, [this](int, bool on) { if (on) OnControlChanged(); });
    connect(this, &CPropertyPage::Changed, m_pPreview, qOverload<>(&QWidget::update));
}

void CCalGenProp::ToControls()
{
    SetLoading(true);
    ShowStoredChoice(m_pMonth, m_nMonthIndex);
    m_pYear->Load(m_nYear);
    m_nFirstDayIndex = m_nFirstDay - 1;
    ShowStoredChoice(m_pFirstDay, m_nFirstDayIndex);
    m_p3DBorder->setChecked(m_b3DBorder != 0);
    m_pBorder->setChecked(m_bBorder != 0);
    m_pGrid->setChecked(m_bGrid != 0);
    m_pGridColor->SetColor(m_crGridLine);
    m_pGridType->SetLineType(m_nGridType);
    m_pGridThickness->Load(m_nGridThickness);
    ShowStoredChoice(m_pLayout, m_nLayout);
    m_pApplyToAll->setChecked(m_bApplyToAll != 0);
    SetLoading(false);
    FromControls();
    ApplyEnabling();
}

void CCalGenProp::FromControls()
{
    m_nMonthIndex = ReadChoice(m_pMonth, m_nMonthIndex);
    int value = 0;
    if (m_pYear->IsValid(&value)) m_nYear = value;
    m_nFirstDayIndex = ReadChoice(m_pFirstDay, m_nFirstDayIndex);
    m_nFirstDay = m_nFirstDayIndex + 1;
    m_b3DBorder = m_p3DBorder->isChecked();
    m_bBorder = m_pBorder->isChecked();
    m_bGrid = m_pGrid->isChecked();
    m_crGridLine = m_pGridColor->Color();
    m_nGridType = m_pGridType->LineType();
    if (m_pGridThickness->IsValid(&value)) m_nGridThickness = value;
    m_nLayout = ReadChoice(m_pLayout, m_nLayout);
    m_bApplyToAll = m_pApplyToAll->isChecked();

    // The hidden control follows the page, as the names of the preview do.
    m_monthControl.SetMonth(m_nMonthIndex + 1, m_nYear);
    m_monthControl.SetFirstDayOfWeek(m_nFirstDay);
    m_monthControl.Set3DBorder(m_b3DBorder != 0);
}

void CCalGenProp::ApplyEnabling()
{
    const bool grid = m_bGrid != 0;
    for (QWidget* w : std::initializer_list<QWidget*>{m_pGridColor, m_pGridType, m_pGridTypeLabel, m_pGridThickness,
                                                      m_pThicknessLabel})
        w->setEnabled(grid);
    m_pBorder->setEnabled(!m_b3DBorder);
}
