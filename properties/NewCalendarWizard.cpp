#include "properties/NewCalendarWizard.h"

#include "app/AppSettings.h"
#include "app/DocChange.h"
#include "app/MessageBox.h"
#include "calendar/IcalReader.h"
#include "calendar/PublicHolidays.h"
#include "document/DrawDoc.h"
#include "objects/Environment.h"
#include "properties/Completion.h"
#include "properties/HolidayRegionCombo.h"
#include "properties/IntField.h"
#include "properties/Interior1.h"
#include "properties/Interior3.h"
#include "properties/Interior4.h"
#include "properties/Interior5.h"
#include "properties/Interior6.h"
#include "properties/IntroPage.h"
#include "platform/TranslatedMessage.h"

#include <QtCore/QTimer>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtWidgets/QAbstractButton>

namespace {

// A sheet of a wall calendar: a coloured band for the month, then rows of
// day boxes.
void DrawCalendarSheet(QPainter& p, const QRectF& r, const QColor& band)
{
    p.setPen(QPen(QColor(90, 90, 110), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    const QRectF head(r.left(), r.top(), r.width(), r.height() * 0.22);
    p.fillRect(head.adjusted(1, 1, 0, 0), band);
    const double cellW = r.width() / 7.0;
    const double cellH = (r.height() - head.height()) / 5.0;
    p.setPen(QPen(QColor(180, 180, 195), 1));
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 7; ++col) {
            const QRectF cell(r.left() + col * cellW + cellW * 0.2, head.bottom() + row * cellH + cellH * 0.2,
                              cellW * 0.6, cellH * 0.6);
            p.fillRect(cell, col == 0 ? QColor(220, 70, 60) : QColor(70, 100, 170));
        }
}

QPixmap MakeWatermark()
{
    QPixmap pixmap(164, 414);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 414);
    sky.setColorAt(0, QColor(119, 236, 255).lighter(105));
    sky.setColorAt(1, Qt::white);
    p.fillRect(pixmap.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 90));
    p.drawEllipse(QPointF(120, 52), 22, 22);
    // Hills of the photo.
    QPainterPath hills;
    hills.moveTo(0, 210);
    hills.cubicTo(40, 170, 80, 190, 110, 200);
    hills.cubicTo(135, 208, 150, 190, 164, 185);
    hills.lineTo(164, 414);
    hills.lineTo(0, 414);
    p.setBrush(QColor(110, 170, 100));
    p.drawPath(hills);
    DrawCalendarSheet(p, QRectF(22, 250, 120, 110), QColor(100, 100, 0));
    return pixmap;
}

QPixmap MakeLogo()
{
    QPixmap pixmap(48, 48);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    DrawCalendarSheet(p, QRectF(4.5, 6.5, 38, 36), QColor(100, 100, 0));
    return pixmap;
}

}  // namespace

CNewCalendarWizard::CNewCalendarWizard(QWidget* parent) : QWizard(parent)
{
    setWindowTitle(tr("New Calendar Wizard"));
    setWizardStyle(QWizard::ModernStyle);
    setOption(QWizard::NoBackButtonOnStartPage, true);
    setOption(QWizard::HaveNextButtonOnLastPage, true);
    setOption(QWizard::NoCancelButton, false);
    setPixmap(QWizard::LogoPixmap, MakeLogo());
    setButtonText(QWizard::NextButton, tr("&Next >"));
    setButtonText(QWizard::BackButton, tr("< &Back"));
    setButtonText(QWizard::FinishButton, tr("Finish"));
    setButtonText(QWizard::CancelButton, tr("Cancel"));

    m_pIntro = new CIntroPage(this);
    m_pMonths = new CInterior1(this);
    m_pBackground = new CInterior3(this);
    m_pImage = new CInterior4(this);
    m_pFrame = new CInterior5(this);
    m_pLayout = new CInterior6(this);
    m_pCompletion = new CCompletion(this);
    setPage(stepIntro, m_pIntro);
    setPage(stepMonths, m_pMonths);
    setPage(stepBackground, m_pBackground);
    setPage(stepImage, m_pImage);
    setPage(stepFrame, m_pFrame);
    setPage(stepLayout, m_pLayout);
    setPage(stepCompletion, m_pCompletion);
    setStartId(stepIntro);
    // The picture stands on the first and the last step; the steps between
    // carry the header with its logo.
    const QPixmap watermark = MakeWatermark();
    m_pIntro->setPixmap(QWizard::WatermarkPixmap, watermark);
    m_pCompletion->setPixmap(QWizard::WatermarkPixmap, watermark);
    setMinimumSize(640, 460);
    // The public holidays start at those of the user's own country.
    if (const std::string region = LocaleHolidayRegion(); !region.empty())
        m_choices.m_holidayFiles.push_back(RegionSource(region));
    m_nDefaultMonths = m_choices.m_nMonths;
    for (int id : pageIds()) static_cast<CWizardStep*>(page(id))->LoadFrom(m_choices);

    connect(this, &QWizard::currentIdChanged, this, &CNewCalendarWizard::PageChanged);
}

void CNewCalendarWizard::PageChanged(int id)
{
    // Going back hands the page's values over as moving on does.
    if (m_nLastId > id && m_nLastId >= 0) {
        auto* left = static_cast<CWizardStep*>(page(m_nLastId));
        if (left && left->StoresOnBack()) left->StoreTo(m_choices);
    }
    m_nLastId = id;
    UpdateButtons(id);
    // A wall calendar is a year unless the user says otherwise; the number
    // of months follows the kind of calendar while it is untouched.
    if (id == stepMonths && m_pMonths->MonthsField()->Untouched())
        m_pMonths->MonthsField()->Load(m_choices.m_bPagePerMonth ? 12 : m_nDefaultMonths);
    // A page for each month will use an arrangement of one month.
    if (id == stepMonths)
        m_pMonths->ShowLayout(m_choices.m_bPagePerMonth && !CCalendarGenerator::SuitsOneMonth(m_choices.m_nLayout)
                                  ? 0
                                  : m_choices.m_nLayout);
    auto* step = static_cast<CWizardStep*>(page(id));
    if (!step) return;
    // The page's first field takes the focus, so Return moves on with the
    // page's values rather than pressing a browse or colour button.
    QTimer::singleShot(0, step, [step] {
        if (QWidget* first = step->FirstControl(); first && first->isEnabled()) first->setFocus(Qt::TabFocusReason);
    });
}

void CNewCalendarWizard::UpdateButtons(int id)
{
    // The last step shows Back, a greyed Next and Finish together.
    if (QAbstractButton* next = button(QWizard::NextButton)) next->setEnabled(id != stepCompletion);
}

void CNewCalendarWizard::accept()
{
    // Finish hands over what every page shows.
    for (int id : pageIds()) static_cast<CWizardStep*>(page(id))->StoreTo(m_choices);
    m_bDoNotShow = m_pIntro->DoNotShow();
    // The holiday file is read for the years the design shows; a file that
    // cannot be read keeps the wizard open on its step.
    m_bHolidaysRead = false;
    if (!m_choices.m_holidayFiles.empty()) {
        CMessage error;
        if (!ReadWizardHolidays(this, m_choices, &m_holidays, &error)) {
            if (!error.Is(kIcalCancelled))
                ShowMessage(this,
                            TranslatedMessage(error) +
                                tr("\nChoose another file, or No File to make the calendar without holidays."),
                            QMessageBox::Warning);
            return;
        }
        m_bHolidaysRead = true;
    }
    QWizard::accept();
}

void CNewCalendarWizard::Apply(CDrawDoc* doc) const
{
    if (!doc) return;
    const CNewCalendarChoices choices = m_choices;
    const CHolidayList holidays = m_holidays;
    const bool read = m_bHolidaysRead;
    const auto make = [doc, choices, holidays, read] {
        if (choices.m_bPagePerMonth)
            CCalendarGenerator::GenerateWall(*doc, choices);
        else
            CCalendarGenerator::Generate(*doc, choices);
        // The files were read at Finish; a wizard finished without it reads
        // them here and makes the calendars without them if they are gone.
        if (read)
            CCalendarGenerator::ApplyHolidayList(*doc, holidays);
        else
            CCalendarGenerator::ApplyHolidayFiles(*doc, choices.m_holidayFiles, choices.m_bHolidayNames, nullptr);
        doc->UpdateAllViews(nullptr, HINT_UPDATE_WINDOW);
    };
    // The pages of a wall calendar are the new document as it starts, not a
    // step of its history: a step keeps the objects of one page, and undoing
    // it would empty the first page and leave the months behind.
    CDocChange change{tr("New Calendar"), {}, true, true};
    change.m_bNoStep = choices.m_bPagePerMonth;
    ChangeSinkFor(doc)->Commit(doc, change, make);
}

bool RunNewCalendarWizard(QWidget* parent, CDrawDoc* doc)
{
    CNewCalendarWizard wizard(parent);
    if (wizard.exec() != QDialog::Accepted) return false;
    wizard.Apply(doc);
    // The user asked not to see the wizard again: the same setting the
    // options sheet offers, which can turn it back on.
    if (wizard.m_bDoNotShow) {
        AppSettings().m_bNoNewWizard = 1;
        Environment().m_settings->WriteProfileInt("Settings", "NoNewWizard", 1);
    }
    return true;
}
