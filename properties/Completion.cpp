#include "properties/Completion.h"

#include "document/CalendarGenerator.h"
#include "properties/Interior1.h"
#include "properties/NewCalendarWizard.h"

#include <QtWidgets/QFormLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

CCompletion::CCompletion(QWidget* parent) : CWizardStep(parent)
{
    setTitle(tr("Mondrel New Calendar Wizard"));
    auto* intro = new QLabel(tr("The wizard is ready to make your calendar with these choices. "
                                "Press Finish to make it, or Back to change them."),
                             this);
    intro->setWordWrap(true);
    m_pImage = new QLabel(this);
    m_pImage->setWordWrap(true);
    m_pImage->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_pMonths = new QLabel(this);
    m_pFirstMonth = new QLabel(this);
    m_pYear = new QLabel(this);
    auto* form = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    form->addRow(tr("Image File:"), m_pImage);
    form->addRow(tr("Number of Months:"), m_pMonths);
    form->addRow(tr("First Month:"), m_pFirstMonth);
    form->addRow(tr("Year:"), m_pYear);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addSpacing(16);
    layout->addLayout(form);
    layout->addStretch(1);
}

void CCompletion::LoadFrom(const CNewCalendarChoices&) {}

void CCompletion::StoreTo(CNewCalendarChoices&) const {}

void CCompletion::initializePage()
{
    auto* sheet = qobject_cast<CNewCalendarWizard*>(wizard());
    if (!sheet) return;
    // The months, first month and year are taken from step 2 again.
    if (CInterior1* months = sheet->MonthsPage()) months->StoreTo(sheet->m_choices);
    ShowSummary(sheet->m_choices);
}

void CCompletion::ShowSummary(const CNewCalendarChoices& choices)
{
    m_pImage->setText(choices.m_strPhotoPath.empty() ? tr("There is no Image File to use.")
                                                     : QString::fromStdString(choices.m_strPhotoPath));
    m_pMonths->setText(QString::number(choices.m_nMonths));
    const QString month = EnglishMonthName(choices.m_nFirstMonth);
    if (!month.isEmpty()) m_pFirstMonth->setText(month);
    m_pYear->setText(QString::number(choices.m_nYear));
}

QString CCompletion::ImageText() const
{
    return m_pImage->text();
}

QString CCompletion::MonthsText() const
{
    return m_pMonths->text();
}

QString CCompletion::FirstMonthText() const
{
    return m_pFirstMonth->text();
}

QString CCompletion::YearText() const
{
    return m_pYear->text();
}
