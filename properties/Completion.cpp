#include "properties/Completion.h"

#include "app/MessageBox.h"
#include "calendar/HolidayList.h"
#include "calendar/IcalReader.h"
#include "calendar/PublicHolidays.h"
#include "properties/HolidayReading.h"
#include "document/CalendarGenerator.h"
#include "properties/HolidayRegionCombo.h"
#include "properties/Interior1.h"
#include "properties/NewCalendarWizard.h"

#include "properties/PreviewFileDialog.h"
#include "platform/TranslatedMessage.h"

#include <QtCore/QFileInfo>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFormLayout>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

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
    m_pMonthsNote = new QLabel(this);
    m_pMonthsNote->setWordWrap(true);
    m_pMonthsNote->hide();
    auto* monthsRow = new QHBoxLayout;
    monthsRow->addWidget(m_pMonths);
    monthsRow->addWidget(m_pMonthsNote, 1);
    m_pFirstMonth = new QLabel(this);
    m_pYear = new QLabel(this);
    m_pPages = new QLabel(this);
    auto* form = m_pForm = new QFormLayout;
    form->setLabelAlignment(Qt::AlignLeft);
    form->addRow(tr("Image File:"), m_pImage);
    form->addRow(tr("Number of Months:"), monthsRow);
    form->addRow(tr("First Month:"), m_pFirstMonth);
    form->addRow(tr("Year:"), m_pYear);
    form->addRow(tr("Pages:"), m_pPages);
    form->setRowVisible(m_pPages, false);

    auto* holidayNote = new QLabel(tr("Holidays and birthdays can come from a calendar file (.ics) that your "
                                      "calendar program exports; their days are marked on every month."),
                                   this);
    holidayNote->setWordWrap(true);
    m_pHolidays = new QLabel(tr("None"), this);
    m_pChooseHolidays = new QPushButton(tr("&Holiday File..."), this);
    m_pClearHolidays = new QPushButton(tr("&No File"), this);
    // Return on the last step finishes the wizard; it must not open a file
    // dialog.
    for (QPushButton* b : {m_pChooseHolidays, m_pClearHolidays}) {
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::TabFocus);
    }
    auto* holidayRow = new QHBoxLayout;
    holidayRow->addWidget(m_pHolidays, 1);
    holidayRow->addWidget(m_pChooseHolidays);
    holidayRow->addWidget(m_pClearHolidays);

    auto* regionRow = new QHBoxLayout;
    auto* regionLabel = new QLabel(tr("&Public holidays of"), this);
    m_pRegion = MakeHolidayRegionCombo(this, true);
    regionLabel->setBuddy(m_pRegion);
    regionRow->addWidget(regionLabel);
    regionRow->addWidget(m_pRegion, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addSpacing(16);
    layout->addLayout(form);
    layout->addSpacing(16);
    layout->addWidget(holidayNote);
    layout->addLayout(holidayRow);
    layout->addLayout(regionRow);
    layout->addStretch(1);
    connect(m_pChooseHolidays, &QPushButton::clicked, this, [this] { ChooseHolidayFile(); });
    connect(m_pClearHolidays, &QPushButton::clicked, this, [this] { SetHolidayFile({}); });
    m_pClearHolidays->setEnabled(false);
}

void CCompletion::LoadFrom(const CNewCalendarChoices& choices)
{
    std::string file, region;
    for (const std::string& source : choices.m_holidayFiles) {
        if (IsRegionSource(source)) {
            if (region.empty()) region = RegionOfSource(source);
        } else if (file.empty()) {
            file = source;
        }
    }
    ShowHolidayFile(file);
    SelectHolidayRegion(m_pRegion, region);
}

void CCompletion::ShowHolidayFile(const std::string& file)
{
    m_strHolidayFile = file;
    m_pHolidays->setText(m_strHolidayFile.empty() ? tr("None")
                                                  : QFileInfo(QString::fromStdString(m_strHolidayFile)).fileName());
    m_pClearHolidays->setEnabled(!m_strHolidayFile.empty());
}

std::string CCompletion::HolidayRegion() const
{
    return SelectedHolidayRegion(m_pRegion);
}

void CCompletion::StoreTo(CNewCalendarChoices& choices) const
{
    choices.m_holidayFiles.clear();
    if (!m_strHolidayFile.empty()) choices.m_holidayFiles.push_back(m_strHolidayFile);
    if (const std::string region = HolidayRegion(); !region.empty())
        choices.m_holidayFiles.push_back(RegionSource(region));
}

void CCompletion::ChooseHolidayFile()
{
    const QString path =
        GetOpenFileNameWithPreview(window(), tr("Select Holiday File"),
                                   tr("iCalendar Files (*.ics)|*.ics|All Files (*.*)|*.*||"),
                                   UserFileFolder(QString::fromStdString(m_strHolidayFile)), false);
    if (!path.isEmpty()) SetHolidayFile(path.toStdString());
}

bool CCompletion::SetHolidayFile(const std::string& path)
{
    if (!path.empty()) {
        // Read now for the years of the design, so a wrong file is known
        // before Finish.
        auto* sheet = qobject_cast<CNewCalendarWizard*>(wizard());
        CNewCalendarChoices choices = sheet ? sheet->m_choices : CNewCalendarChoices();
        if (sheet && sheet->MonthsPage()) sheet->MonthsPage()->StoreTo(choices);
        choices.m_holidayFiles = {path};
        CHolidayList list;
        CMessage error;
        if (!ReadWizardHolidays(this, choices, &list, &error)) {
            if (!error.Is(kIcalCancelled)) ShowMessage(window(), TranslatedMessage(error), QMessageBox::Warning);
            return false;
        }
    }
    ShowHolidayFile(path.empty() ? std::string()
                                 : QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString());
    return true;
}

bool ReadWizardHolidays(QWidget* parent, const CNewCalendarChoices& choices, CHolidayList* list, CMessage* error)
{
    int from = 0, to = 0;
    CCalendarGenerator::HolidayYears(choices, &from, &to);
    const std::vector<std::string> files = choices.m_holidayFiles;
    const bool names = choices.m_bHolidayNames;
    return ReadHolidays(
        parent, files,
        [files, names, from, to, list](CIcalProgress* progress, CMessage* why) {
            return CCalendarGenerator::ReadHolidayFiles(files, names, from, to, list, why, progress);
        },
        error);
}

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
                      : choices.m_photos.size() > 1
                          ? tr("%n photos, one for each month in the order chosen", nullptr,
                               static_cast<int>(choices.m_photos.size()))
                          : QString::fromStdString(choices.m_strPhotoPath));
    const int months = std::max(1, choices.m_nMonths);
    m_pPages->setText(!choices.m_bPagePerMonth ? QString()
                      : choices.m_bCover        ? tr("%1: a cover and a page for each month").arg(months + 1)
                                                : tr("%1: a page for each month").arg(months));
    m_pForm->setRowVisible(m_pPages, choices.m_bPagePerMonth);
    // The arrangements with months around the photo make their own number
    // of months: the summary names what Finish will make.
    m_pMonths->setText(QString::number(CCalendarGenerator::MonthCount(choices.m_nLayout, choices.m_nMonths)));
    const bool fixed = choices.m_nLayout >= 2 && choices.m_nLayout <= 7;
    m_pMonthsNote->setText(fixed ? tr("(always so many in the arrangement chosen; %n asked for)", nullptr,
                                      choices.m_nMonths)
                                 : QString());
    m_pMonthsNote->setVisible(fixed);
    const QString month = WizardMonthName(choices.m_nFirstMonth);
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

QString CCompletion::MonthsNoteText() const
{
    return m_pMonthsNote->isVisibleTo(this) ? m_pMonthsNote->text() : QString();
}

QString CCompletion::FirstMonthText() const
{
    return m_pFirstMonth->text();
}

QString CCompletion::PagesText() const
{
    return m_pPages->text();
}

QString CCompletion::YearText() const
{
    return m_pYear->text();
}
