#include "properties/CalDaysText.h"

#include "calendar/CalendarLayout.h"
#include "calendar/WeekNumbers.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QLabel>

namespace {
CTextPageCaptions DaysCaptions()
{
    CTextPageCaptions c = ClippedTextCaptions();
    c.m_bDaysSpelling = true;
    return c;
}
}  // namespace

CCalDaysText::CCalDaysText(QWidget* parent) : CCalTextPage(tr("Days"), DaysCaptions(), parent)
{
    m_strText = "1 2 3 4 5 6 7";
    auto* label = new QLabel(tr("&Week Numbers"), this);
    m_pWeekNumbers = new QComboBox(this);
    // In the order of the stored values.
    m_pWeekNumbers->addItem(tr("None"));
    m_pWeekNumbers->addItem(tr("ISO 8601 (weeks start on Monday)"));
    m_pWeekNumbers->addItem(tr("US (weeks start on Sunday, week 1 holds 1 January)"));
    label->setBuddy(m_pWeekNumbers);
    m_pWeekNumbersNote = new QLabel(
        tr("Week numbers are drawn only in the Vertical and Horizontal layouts."), this);
    m_pWeekNumbersNote->setWordWrap(true);
    m_pWeekNumbersNote->hide();
    Extras()->addWidget(label, 0, 0);
    Extras()->addWidget(m_pWeekNumbers, 0, 1);
    Extras()->addWidget(m_pWeekNumbersNote, 1, 0, 1, 2);
    Extras()->setColumnStretch(1, 1);
    Watch(m_pWeekNumbers);
}

void CCalDaysText::SetLayout(int layout)
{
    m_pWeekNumbersNote->setVisible(layout != layoutVertical && layout != layoutHorizontal);
}

void CCalDaysText::ToControls()
{
    SetLoading(true);
    m_pWeekNumbers->setCurrentIndex(m_nWeekNumbers == weekNumbersIso || m_nWeekNumbers == weekNumbersUs
                                        ? m_nWeekNumbers
                                        : weekNumbersNone);
    SetLoading(false);
    CCalTextPage::ToControls();
}

void CCalDaysText::FromControls()
{
    CCalTextPage::FromControls();
    m_nWeekNumbers = m_pWeekNumbers->currentIndex();
}
