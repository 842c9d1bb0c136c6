#pragma once

// The New Calendar Wizard: seven steps that collect what the generator needs
// for a first design (the photo, the months, the background, a background
// picture, a frame and one of eight layouts). The wizard carries the values
// its pages hand over; Finish fills the document through the generator as
// one undoable step.

#include "calendar/HolidayList.h"
#include "document/CalendarGenerator.h"

#include <QtWidgets/QWizard>

class CDrawDoc;
class CIntroPage;
class CInterior1;
class CInterior3;
class CInterior4;
class CInterior5;
class CInterior6;
class CCompletion;

// Runs the wizard modally over an empty document; true on Finish, when the
// document holds the new design.
bool RunNewCalendarWizard(QWidget* parent, CDrawDoc* doc);

class CNewCalendarWizard : public QWizard {
    Q_OBJECT
public:
    enum { stepIntro, stepMonths, stepBackground, stepImage, stepFrame, stepLayout, stepCompletion };

    explicit CNewCalendarWizard(QWidget* parent = nullptr);

    // Builds the design from the values carried (after Finish).
    void Apply(CDrawDoc* doc) const;

    CIntroPage* IntroPage() const { return m_pIntro; }
    CInterior1* MonthsPage() const { return m_pMonths; }
    CInterior3* BackgroundPage() const { return m_pBackground; }
    CInterior4* ImagePage() const { return m_pImage; }
    CInterior5* FramePage() const { return m_pFrame; }
    CInterior6* LayoutPage() const { return m_pLayout; }
    CCompletion* CompletionPage() const { return m_pCompletion; }

    // The values the pages handed over.
    CNewCalendarChoices m_choices;
    // "Do Not Show this Wizard in Future" as it stood on Finish.
    bool m_bDoNotShow = false;
    // The holidays read at Finish, which Apply gives the calendars.
    CHolidayList m_holidays;
    bool m_bHolidaysRead = false;

public slots:
    void accept() override;

private:
    void PageChanged(int id);
    void UpdateButtons(int id);

    CIntroPage* m_pIntro;
    CInterior1* m_pMonths;
    CInterior3* m_pBackground;
    CInterior4* m_pImage;
    CInterior5* m_pFrame;
    CInterior6* m_pLayout;
    CCompletion* m_pCompletion;
    int m_nLastId = -1;
    // The number of months of one page, shown again when the user goes
    // back from a page for each month without having typed one.
    int m_nDefaultMonths = 1;
};
