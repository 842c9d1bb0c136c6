#include "properties/CalHText.h"

#include "document/ValueRanges.h"
#include "properties/ColorButton.h"
#include "properties/IntField.h"
#include "properties/LineTypeCombo.h"

#include <QtCore/QCoreApplication>
#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

namespace {
CTextPageCaptions HeaderCaptions()
{
    CTextPageCaptions c;
    c.m_strLineGroup = QCoreApplication::translate("CCalHText", "Line");
    c.m_strLineCheck = QCoreApplication::translate("CCalHText", "Draw Line Under Header");
    c.m_strLineColor = QCoreApplication::translate("CCalHText", "Line Color");
    c.m_strThickness = QCoreApplication::translate("CCalHText", "Line Thickness");
    c.m_strFlag = QCoreApplication::translate("CCalHText", "Do not draw Header");
    return c;
}
}  // namespace

CCalHText::CCalHText(QWidget* parent) : CCalTextPage(tr("Header"), HeaderCaptions(), parent)
{
    m_pTextLabel = new QLabel(tr("Header Text"), this);
    m_pText = new QLineEdit(this);
    m_pTextLabel->setBuddy(m_pText);
    m_pHeightLabel = new QLabel(
        tr("Height (as % of total Height)\nwill be used to calculate Width\nfor Horizontal Layout"), this);
    m_pHeight = new CIntField(this, kRowPercentRange);
    m_pHeightLabel->setBuddy(m_pHeight);
    Extras()->addWidget(m_pTextLabel, 0, 0);
    Extras()->addWidget(m_pText, 0, 1, 1, 2);
    Extras()->addWidget(m_pHeightLabel, 1, 0, 1, 2);
    Extras()->addWidget(m_pHeight, 1, 2, Qt::AlignVCenter);
    Extras()->setColumnStretch(1, 1);
    Watch(m_pText);
    Watch(m_pHeight);
}

void CCalHText::ToControls()
{
    SetLoading(true);
    m_pText->setText(QString::fromStdString(m_strText));
    m_pHeight->Load(m_nHeightPct);
    SetLoading(false);
    CCalTextPage::ToControls();
}

void CCalHText::FromControls()
{
    CCalTextPage::FromControls();
    m_strText = m_pText->text().toStdString();
    int pct = 0;
    if (m_pHeight->IsValid(&pct)) m_nHeightPct = pct;
}

void CCalHText::ApplyEnabling()
{
    // Without a header nothing but the check box itself has a meaning.
    const bool on = !m_bFlag;
    for (QWidget* w : std::initializer_list<QWidget*>{m_pText, m_pTextLabel, m_pFont, m_pFontColor, m_pTransparent,
                                                      m_pLineCheck, m_pHeight, m_pHeightLabel})
        w->setEnabled(on);
    for (QAbstractButton* radio : m_pAlign->buttons()) radio->setEnabled(on);
    CCalTextPage::ApplyEnabling();
    if (!on) {
        for (QWidget* w : std::initializer_list<QWidget*>{m_pBackColor, m_pLineColor, m_pLineType, m_pLineTypeLabel,
                                                          m_pThickness, m_pThicknessLabel})
            w->setEnabled(false);
    }
}
