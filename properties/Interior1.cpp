#include "properties/Interior1.h"

#include "document/CalendarGenerator.h"
#include "document/ValueRanges.h"
#include "properties/IntField.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

QString WizardMonthName(int index)
{
    static const char* const names[12] = {
        QT_TRANSLATE_NOOP("CInterior1", "January"), QT_TRANSLATE_NOOP("CInterior1", "February"),
        QT_TRANSLATE_NOOP("CInterior1", "March"),   QT_TRANSLATE_NOOP("CInterior1", "April"),
        QT_TRANSLATE_NOOP("CInterior1", "May"),     QT_TRANSLATE_NOOP("CInterior1", "June"),
        QT_TRANSLATE_NOOP("CInterior1", "July"),    QT_TRANSLATE_NOOP("CInterior1", "August"),
        QT_TRANSLATE_NOOP("CInterior1", "September"), QT_TRANSLATE_NOOP("CInterior1", "October"),
        QT_TRANSLATE_NOOP("CInterior1", "November"), QT_TRANSLATE_NOOP("CInterior1", "December")};
    return index >= 0 && index < 12 ? CInterior1::tr(names[index]) : QString();
}

CInterior1::CInterior1(QWidget* parent) : CWizardStep(parent)
{
    setTitle(tr("Mondrel New Calendar Wizard"));
    setSubTitle(tr("Mondrel New Calendar Wizard - Options"));
    auto* intro = new QLabel(tr("Choose how many months the page shows and the month it starts with."), this);
    intro->setWordWrap(true);

    m_pMonths = new CIntField(this, kMinMonths, kMaxMonths);
    m_pFirstMonth = new QComboBox(this);
    for (int i = 0; i < 12; ++i) m_pFirstMonth->addItem(WizardMonthName(i));
    m_pYear = new CIntField(this, kYearRange);
    m_pMonths->setMinimumWidth(90);
    m_pYear->setMinimumWidth(90);
    m_pFirstMonth->setMinimumWidth(140);

    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->addRow(tr("Number of &Months:"), m_pMonths);
    form->addRow(tr("&First Month:"), m_pFirstMonth);
    form->addRow(tr("&Year:"), m_pYear);
    m_pLayoutNote = new QLabel(this);
    m_pLayoutNote->setWordWrap(true);
    m_pLayoutNote->hide();
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addSpacing(12);
    layout->addLayout(form);
    layout->addSpacing(12);
    layout->addWidget(m_pLayoutNote);
    layout->addStretch(1);
}

void CInterior1::ShowLayout(int layout)
{
    const bool fixed = layout >= 2 && layout <= 7;
    m_pMonths->setEnabled(!fixed);
    m_pLayoutNote->setText(fixed ? tr("The arrangement chosen in a later step always makes %1 months. Choose "
                                      "\"Image above months (no overlaying)\" or \"Months overlayed on image\" "
                                      "to set the number.")
                                       .arg(CCalendarGenerator::MonthCount(layout, 0))
                                 : QString());
    m_pLayoutNote->setVisible(fixed);
}

QWidget* CInterior1::FirstControl() const
{
    return m_pMonths;
}

void CInterior1::LoadFrom(const CNewCalendarChoices& choices)
{
    m_pMonths->Load(choices.m_nMonths);
    m_pFirstMonth->setCurrentIndex(choices.m_nFirstMonth >= 0 && choices.m_nFirstMonth < 12 ? choices.m_nFirstMonth
                                                                                            : 0);
    m_pYear->Load(choices.m_nYear);
}

void CInterior1::StoreTo(CNewCalendarChoices& choices) const
{
    int value = 0;
    if (m_pMonths->IsValid(&value)) choices.m_nMonths = value;
    choices.m_nFirstMonth = m_pFirstMonth->currentIndex();
    if (m_pYear->IsValid(&value)) choices.m_nYear = value;
}
