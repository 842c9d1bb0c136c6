#include "properties/CalSPText.h"

#include "app/MessageBox.h"
#include "calendar/IcalReader.h"
#include "calendar/PublicHolidays.h"
#include "properties/HolidayReading.h"
#include "properties/HolidayRegionCombo.h"
#include "properties/PreviewFileDialog.h"
#include "platform/TranslatedMessage.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGridLayout>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

#include <QtCore/QFileInfo>

#include <QtCore/QRegularExpression>
#include <QtCore/QStringList>

namespace {

// The last iCalendar file of the list, beside which the next is looked for.
std::string LastFile(const CHolidayList& list)
{
    for (auto it = list.m_files.rbegin(); it != list.m_files.rend(); ++it)
        if (!IsRegionSource(*it)) return *it;
    return {};
}

}  // namespace

CCalSPText::CCalSPText(QWidget* parent) : CCalTextPage(tr("Special Days (Holidays)"), ClippedTextCaptions(), parent)
{
    auto* markBox = new QGroupBox(tr("Mark as Special"), this);
    auto* marks = new QGridLayout(markBox);
    const char* const captions[7] = {QT_TR_NOOP("All Saturdays"),  QT_TR_NOOP("All Sundays"),
                                     QT_TR_NOOP("All Mondays"),    QT_TR_NOOP("All Tuesdays"),
                                     QT_TR_NOOP("All Wednesdays"), QT_TR_NOOP("All Thursdays"),
                                     QT_TR_NOOP("All Fridays")};
    for (int i = 0; i < 7; ++i) {
        m_pWeekday[i] = new QCheckBox(tr(captions[i]), markBox);
        marks->addWidget(m_pWeekday[i], i / 4, i % 4);
        Watch(m_pWeekday[i]);
    }
    auto* datesLabel = new QLabel(tr("Other Dates (Between 1 && 31 Seperated by Comma+Space)"), this);
    m_pDates = new QLineEdit(this);
    datesLabel->setBuddy(m_pDates);
    Extras()->addWidget(markBox, 0, 0, 1, 2);
    Extras()->addWidget(datesLabel, 1, 0);
    Extras()->addWidget(m_pDates, 1, 1);
    Extras()->setColumnStretch(1, 1);
    Watch(m_pDates);

    auto* filesBox =
        new QGroupBox(tr("Public Holidays, and Holidays and Birthdays from iCalendar Files (.ics)"), this);
    auto* files = new QGridLayout(filesBox);
    m_pFiles = new QListWidget(filesBox);
    m_pFiles->setSelectionMode(QAbstractItemView::SingleSelection);
    // Three lines are enough to see the files; the page must not grow tall.
    m_pFiles->setFixedHeight(m_pFiles->fontMetrics().height() * 3 + 8);
    m_pAddFile = new QPushButton(tr("&Add..."), filesBox);
    m_pRemoveFile = new QPushButton(tr("Re&move"), filesBox);
    m_pReload = new QPushButton(tr("Reload"), filesBox);
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    buttons->addWidget(m_pAddFile);
    buttons->addWidget(m_pRemoveFile);
    buttons->addWidget(m_pReload);
    buttons->addStretch(1);
    m_pNames = new QCheckBox(tr("Write the event names under the day numbers"), filesBox);
    files->addWidget(m_pFiles, 0, 0);
    files->addLayout(buttons, 0, 1);
    auto* regionRow = new QHBoxLayout;
    auto* regionLabel = new QLabel(tr("Public &holidays of"), filesBox);
    m_pRegion = MakeHolidayRegionCombo(filesBox, false);
    regionLabel->setBuddy(m_pRegion);
    m_pAddRegion = new QPushButton(tr("Add Re&gion"), filesBox);
    regionRow->addWidget(regionLabel);
    regionRow->addWidget(m_pRegion, 1);
    regionRow->addWidget(m_pAddRegion);
    files->addLayout(regionRow, 1, 0, 1, 2);
    files->addWidget(m_pNames, 2, 0, 1, 2);
    files->setColumnStretch(0, 1);
    Extras()->addWidget(filesBox, 2, 0, 1, 2);
    Watch(m_pNames);
    connect(m_pFiles, &QListWidget::currentRowChanged, this, [this] { ApplyEnabling(); });
    connect(m_pAddFile, &QPushButton::clicked, this, [this] { ChooseHolidayFile(); });
    connect(m_pRemoveFile, &QPushButton::clicked, this, [this] { RemoveHolidayFile(m_pFiles->currentRow()); });
    connect(m_pReload, &QPushButton::clicked, this, [this] { ReloadHolidayFiles(); });
    connect(m_pAddRegion, &QPushButton::clicked, this,
            [this] { AddHolidayRegion(m_pRegion->currentData().toString().toStdString()); });
}

void CCalSPText::ChooseHolidayFile()
{
    const QString path = GetOpenFileNameWithPreview(
        window(), tr("Add Holiday File"),
        tr("iCalendar Files (*.ics)|*.ics|All Files (*.*)|*.*||"),
        UserFileFolder(QString::fromStdString(LastFile(m_holidays))),
        false);
    if (!path.isEmpty()) AddHolidayFile(path.toStdString());
}

bool CCalSPText::Refused(const QString& error)
{
    ShowMessage(window(), error, QMessageBox::Warning);
    return false;
}

bool CCalSPText::AddHolidayFile(const std::string& path)
{
    const std::string absolute = QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    for (const std::string& known : m_holidays.m_files)
        if (known == absolute) return Refused(tr("The file %1 is in the list already.").arg(QString::fromStdString(absolute)));
    CHolidayList grown = m_holidays;
    CMessage error;
    const int from = m_nYear - CHolidayList::kYearsBefore, to = m_nYear + CHolidayList::kYearsAfter;
    if (!ReadHolidays(
            window(), {absolute},
            [&grown, absolute, from, to](CIcalProgress* progress, CMessage* why) {
                return AddICalendarFile(&grown, absolute, from, to, why, progress);
            },
            &error))
        return error.Is(kIcalCancelled) ? false : Refused(TranslatedMessage(error));
    TakeSources(std::move(grown));
    return true;
}

bool CCalSPText::AddHolidayRegion(const std::string& code)
{
    const std::string source = RegionSource(code);
    for (const std::string& known : m_holidays.m_files)
        if (known == source)
            return Refused(tr("The public holidays of %1 are in the list already.")
                               .arg(HolidaySourceName(source)));
    CHolidayList days;
    CMessage error;
    if (!ReadRegionSource(source, m_nYear - CHolidayList::kYearsBefore, m_nYear + CHolidayList::kYearsAfter, &days,
                          &error))
        return Refused(TranslatedMessage(error));
    CHolidayList grown = m_holidays;
    grown.SetFileDays(grown.m_files.size(), source, days);
    if (!grown.WithinLimits(&error))
        return Refused(TranslatedMessage(error));
    TakeSources(std::move(grown));
    return true;
}

void CCalSPText::TakeSources(CHolidayList grown)
{
    const int index = static_cast<int>(grown.m_files.size()) - 1;
    m_holidays = std::move(grown);
    ShowFiles();
    m_pFiles->setCurrentRow(index);
    OnControlChanged();
}

void CCalSPText::RemoveHolidayFile(int index)
{
    if (index < 0 || index >= static_cast<int>(m_holidays.m_files.size())) return;
    m_holidays.RemoveFile(static_cast<std::size_t>(index));
    ShowFiles();
    m_pFiles->setCurrentRow(std::min(index, m_pFiles->count() - 1));
    OnControlChanged();
}

bool CCalSPText::ReloadHolidayFiles() { return ReadForYear(m_nYear, true); }

bool CCalSPText::ReadForYear(int year, bool quietCancel)
{
    CHolidayList reread = m_holidays;
    CMessage error;
    const int from = year - CHolidayList::kYearsBefore, to = year + CHolidayList::kYearsAfter;
    if (!ReadHolidays(
            window(), m_holidays.m_files,
            [&reread, from, to](CIcalProgress* progress, CMessage* why) {
                return ReloadHolidayList(&reread, from, to, why, progress);
            },
            &error)) {
        const bool cancelled = error.Is(kIcalCancelled);
        if (cancelled && quietCancel) return false;
        const QString why = cancelled ? tr("The holiday files were not read again.") : TranslatedMessage(error);
        return Refused(why + tr("\nThe days read before are kept."));
    }
    m_holidays = std::move(reread);
    m_nYear = year;
    OnControlChanged();
    return true;
}

void CCalSPText::ShowFiles()
{
    const bool wasLoading = Loading();
    SetLoading(true);
    m_pFiles->clear();
    for (const std::string& file : m_holidays.m_files) {
        auto* item = new QListWidgetItem(HolidaySourceName(file), m_pFiles);
        item->setToolTip(IsRegionSource(file)
                             ? tr("Public holidays (%1)").arg(QString::fromStdString(RegionOfSource(file)))
                             : QString::fromStdString(file));
    }
    SetLoading(wasLoading);
}

void CCalSPText::ApplyEnabling()
{
    CCalTextPage::ApplyEnabling();
    m_pRemoveFile->setEnabled(m_pFiles->currentRow() >= 0);
    m_pReload->setEnabled(!m_holidays.m_files.empty());
}

bool CCalSPText::NormalizeDates(const std::string& typed, std::string* stored)
{
    const QStringList parts =
        QString::fromStdString(typed).split(QRegularExpression(QStringLiteral("[,\\s]+")), Qt::SkipEmptyParts);
    if (parts.isEmpty()) {
        *stored = ", ";
        return true;
    }
    std::string out = ",";
    for (const QString& part : parts) {
        bool ok = false;
        const int day = part.toInt(&ok);
        if (!ok || day < 1 || day > 31 || part.startsWith('+')) return false;
        out += " " + std::to_string(day) + ",";
    }
    *stored = out;
    return true;
}

std::string CCalSPText::DisplayDates(const std::string& stored)
{
    std::string normal;
    if (!NormalizeDates(stored, &normal) || normal != stored) return stored;
    if (normal == ", ") return {};
    // ", 4, 25," reads "4, 25".
    return normal.substr(2, normal.size() - 3);
}

void CCalSPText::LoadDates(const std::string& stored)
{
    m_strLoaded = stored;
    m_strLoadedShown = DisplayDates(stored);
    m_strText = m_strLoadedShown;
}

bool CCalSPText::StoredDates(std::string* stored) const
{
    if (m_strText == m_strLoadedShown && !m_strLoaded.empty()) {
        *stored = m_strLoaded;
        return true;
    }
    return NormalizeDates(m_strText, stored);
}

bool CCalSPText::Validate()
{
    if (!CCalTextPage::Validate()) return false;
    FromControls();
    std::string stored;
    if (StoredDates(&stored)) return true;
    ShowMessage(window(),
                tr("Other Dates must be whole numbers between 1 and 31, separated by commas "
                               "(for example: 1, 15, 25)."),
                QMessageBox::Warning);
    m_pDates->setFocus(Qt::OtherFocusReason);
    m_pDates->selectAll();
    return false;
}

void CCalSPText::ToControls()
{
    SetLoading(true);
    for (int i = 0; i < 7; ++i) m_pWeekday[i]->setChecked(m_bWeekday[i] != 0);
    m_pDates->setText(QString::fromStdString(m_strText));
    m_pNames->setChecked(m_holidays.m_bShowNames);
    ShowFiles();
    SetLoading(false);
    CCalTextPage::ToControls();
}

void CCalSPText::FromControls()
{
    CCalTextPage::FromControls();
    for (int i = 0; i < 7; ++i) m_bWeekday[i] = m_pWeekday[i]->isChecked();
    m_strText = m_pDates->text().toStdString();
    m_holidays.m_bShowNames = m_pNames->isChecked();
}
