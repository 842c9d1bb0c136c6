#include "properties/Interior6.h"

#include "document/CalendarGenerator.h"
#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/DrawRect.h"
#include "platform/PageExport.h"
#include "properties/NewCalendarWizard.h"

#include <QtWidgets/QButtonGroup>
#include <QtWidgets/QHBoxLayout>
#include <QtWidgets/QLabel>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kPreviewWidth = 170;

const char* const kLayouts[8] = {
    QT_TRANSLATE_NOOP("CInterior6", "Image above months (no overlaying)"),
    QT_TRANSLATE_NOOP("CInterior6", "Months overlayed on image"),
    QT_TRANSLATE_NOOP("CInterior6", "Months on left and bottom with Image on right"),
    QT_TRANSLATE_NOOP("CInterior6", "Months on right and bottom with Image on left"),
    QT_TRANSLATE_NOOP("CInterior6", "Months on top and bottom Image in between"),
    QT_TRANSLATE_NOOP("CInterior6", "Months on all sides with Image in between"),
    QT_TRANSLATE_NOOP("CInterior6", "Months on top and right Image on left"),
    QT_TRANSLATE_NOOP("CInterior6", "Months on top and left Image on right"),
};

}  // namespace

CInterior6::CInterior6(QWidget* parent) : CWizardStep(parent)
{
    setTitle(tr("Mondrel New Calendar Wizard"));
    setSubTitle(tr("Mondrel New Calendar Wizard - Options"));
    m_pGroup = new QButtonGroup(this);
    auto* radios = new QVBoxLayout;
    radios->addWidget(new QLabel(tr("Arrangement of the photo and the months:"), this));
    for (int i = 0; i < 8; ++i) {
        auto* radio = new QRadioButton(tr(kLayouts[i]), this);
        m_pGroup->addButton(radio, i);
        radios->addWidget(radio);
    }
    m_pCountNote = new QLabel(this);
    m_pCountNote->setWordWrap(true);
    radios->addSpacing(8);
    radios->addWidget(m_pCountNote);
    radios->addStretch(1);
    m_pGroup->button(0)->setChecked(true);

    m_pPreview = new QLabel(this);
    m_pPreview->setAlignment(Qt::AlignCenter);
    m_pPreview->setFrameShape(QFrame::Box);
    const QSize page = QSize(kPreviewWidth, kPreviewWidth * CDrawDoc::kDefaultPageHeight / CDrawDoc::kDefaultPageWidth);
    m_pPreview->setFixedSize(page + QSize(8, 8));

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(radios, 1);
    layout->addWidget(m_pPreview, 0, Qt::AlignTop);
    connect(m_pGroup, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on) Repaint();
    });
}

QWidget* CInterior6::FirstControl() const
{
    return m_pGroup->checkedButton();
}

int CInterior6::Layout() const
{
    return m_pGroup->checkedId();
}

void CInterior6::LoadFrom(const CNewCalendarChoices& choices)
{
    QAbstractButton* button = m_pGroup->button(choices.m_nLayout);
    (button ? button : m_pGroup->button(0))->setChecked(true);
}

void CInterior6::StoreTo(CNewCalendarChoices& choices) const
{
    choices.m_nLayout = Layout();
}

void CInterior6::initializePage()
{
    // A page for each month takes only the arrangements of one month; the
    // others stay in view, greyed.
    const CNewCalendarChoices* choices = Choices();
    const bool wall = choices && choices->m_bPagePerMonth;
    for (int i = 0; i < 8; ++i) m_pGroup->button(i)->setEnabled(!wall || CCalendarGenerator::SuitsOneMonth(i));
    if (!m_pGroup->checkedButton()->isEnabled()) m_pGroup->button(0)->setChecked(true);
    Repaint();
}

void CInterior6::Repaint()
{
    CNewCalendarChoices choices;
    if (const CNewCalendarChoices* current = Choices()) choices = *current;
    choices.m_nLayout = Layout();
    const int count = CCalendarGenerator::MonthCount(choices.m_nLayout, choices.m_nMonths);
    if (choices.m_bPagePerMonth) {
        const int months = std::max(1, choices.m_nMonths);
        m_pCountNote->setText(
            (choices.m_bCover ? tr("A cover and a page for each of the %n months, each page in this arrangement.",
                                   nullptr, months)
                              : tr("A page for each of the %n months, each in this arrangement.", nullptr, months)) +
            QLatin1Char(' ') +
            tr("The picture shows the first month's page; the greyed arrangements hold many months on a page."));
        m_pPreview->setPixmap(QPixmap::fromImage(PaintLayout(choices, kPreviewWidth)));
        return;
    }
    m_pCountNote->setText(choices.m_nLayout >= 2
                              ? tr("This arrangement always makes %1 months, whatever the number of months.").arg(count)
                          : count == 1 ? tr("This arrangement makes the one month asked for.")
                                       : tr("This arrangement makes the %1 months asked for.").arg(count));
    m_pPreview->setPixmap(QPixmap::fromImage(PaintLayout(choices, kPreviewWidth)));
}

QImage CInterior6::PaintLayout(const CNewCalendarChoices& given, int width)
{
    CNewCalendarChoices choices = given;
    // The photo is not decoded for the little picture, and neither is the
    // background picture; a grey box marks the photo's place.
    const bool photo = !choices.m_strPhotoPath.empty() || !choices.m_photos.empty();
    choices.m_strPhotoPath.clear();
    choices.m_photos.clear();
    // Of a page for each month, the first month's page is shown.
    if (choices.m_bPagePerMonth) {
        choices.m_bPagePerMonth = false;
        choices.m_bCover = false;
        choices.m_nMonths = 1;
    }
    choices.m_bDrawBackImage = 0;
    choices.m_strBackImagePath.clear();
    if (choices.m_nMonths < 1) choices.m_nMonths = 1;
    CDrawDoc doc;
    doc.m_pBackImage.reset();
    if (!CCalendarGenerator::Generate(doc, choices)) return QImage();
    if (photo) {
        auto* box = new CDrawRect(CCalendarGenerator::PhotoArea(choices, doc.PageSize()), CDrawRect::kindRectangle);
        box->m_logbrush.lbColor = RGB(200, 204, 212);
        box->m_logpen.lopnColor = RGB(150, 150, 160);
        doc.Add(box);
        // Behind the months, in front of the frame.
        doc.m_listObjects.pop_back();
        auto at = doc.m_listObjects.begin();
        if (choices.m_bFrame && at != doc.m_listObjects.end()) ++at;
        doc.m_listObjects.insert(at, box);
    }
    const int dpi = std::max(1, width * 100 / doc.PageSize().cx);
    return RenderPagePicture(doc, dpi);
}
