#include "properties/CalendarSheet.h"

#include "document/DrawDoc.h"
#include "objects/DrawRect.h"
#include "properties/CalDWText.h"
#include "properties/CalDaysText.h"
#include "properties/CalGenProp.h"
#include "properties/CalHText.h"
#include "properties/CalSPText.h"
#include "properties/PreviewBox.h"
#include "properties/TextPageFields.h"

namespace {

CTextPageFields HeaderFields(CDrawRect& o)
{
    return {o.m_fontHeader, o.m_crHeaderBack,       o.m_crHeaderLine,        o.m_bHeaderLine,
            o.m_nHeaderLineType, o.m_nHeaderLineThickness, o.m_bHeaderTransparent, o.m_nHeaderAlign};
}
CTextPageFields DayNameFields(CDrawRect& o)
{
    return {o.m_fontDayNames,        o.m_crDayNameBack,          o.m_crDayNameBorder,     o.m_bDayNameBorder,
            o.m_nDayNameBorderType, o.m_nDayNameBorderThickness, o.m_bDayNameTransparent, o.m_nDayNameAlign};
}
CTextPageFields DayFields(CDrawRect& o)
{
    return {o.m_fontDays,        o.m_crDayBack,          o.m_crDayBorder,     o.m_bDayBorder,
            o.m_nDayBorderType, o.m_nDayBorderThickness, o.m_bDayTransparent, o.m_nDayAlign};
}
CTextPageFields SpecialFields(CDrawRect& o)
{
    return {o.m_fontSpecial,        o.m_crSpecialBack,          o.m_crSpecialBorder,     o.m_bSpecialBorder,
            o.m_nSpecialBorderType, o.m_nSpecialBorderThickness, o.m_bSpecialTransparent, o.m_nSpecialAlign};
}

}  // namespace

CCalendarSheet::CCalendarSheet(QWidget* parent) : CObjectSheet(tr("Calendar Properties"), parent)
{
    m_pGeneral = new CCalGenProp;
    m_pHeader = new CCalHText;
    m_pDayNames = new CCalDWText;
    m_pDays = new CCalDaysText;
    m_pSpecial = new CCalSPText;
    AddPage(m_pGeneral);
    AddPage(m_pHeader);
    AddPage(m_pDayNames);
    AddPage(m_pDays);
    AddPage(m_pSpecial);
    auto paint = [this](CDC* dc, const CRect& box) { PaintPreview(dc, box); };
    m_pGeneral->Preview()->SetPainter(paint);
    m_pHeader->Preview()->SetPainter(paint);
    m_pDayNames->Preview()->SetPainter(paint);
    m_pDays->Preview()->SetPainter(paint);
    m_pSpecial->Preview()->SetPainter(paint);
    connect(this, &CPropertySheet::PagesChanged, this, [this] { m_pDays->SetLayout(m_pGeneral->m_nLayout); });
}

void CCalendarSheet::Load(CDrawRect& o)
{
    MakePreviewObject(o);
    m_nLoadedMonth = o.m_nMonth;
    m_nLoadedYear = o.m_nYear;
    m_strLoadedHeader = o.m_strHeader;

    CCalGenProp& g = *m_pGeneral;
    g.m_b3DBorder = o.m_b3DBorder;
    g.m_bGrid = o.m_bGrid;
    g.m_crGridLine = o.m_crGrid;
    g.m_nGridType = o.m_nGridLineType;
    g.m_nGridThickness = o.m_nGridThickness;
    g.m_nMonthIndex = o.m_nMonth - 1;
    g.m_nYear = o.m_nYear;
    g.m_nFirstDay = o.m_nFirstDayOfWeek;
    g.m_nFirstDayIndex = o.m_nFirstDayOfWeek - 1;
    g.m_nLayout = o.m_nLayout;
    g.m_bBorder = o.m_bShow3D;
    g.m_bApplyToAll = 0;

    LoadTextPage(*m_pHeader, HeaderFields(o));
    m_pHeader->m_strText = o.m_strHeader;
    m_pHeader->m_bFlag = o.m_bNoHeader;
    m_pHeader->m_nHeightPct = o.m_nHeaderPercent;

    LoadTextPage(*m_pDayNames, DayNameFields(o));
    m_pDayNames->m_nHeightPct = o.m_nDayNamePercent;
    m_pDayNames->m_nFormat = o.m_nDayNameFormat;
    m_pDayNames->m_strText = CCalDWText::FormatSample(o.m_nDayNameFormat);

    LoadTextPage(*m_pDays, DayFields(o));
    m_pDays->m_nWeekNumbers = o.m_holidays.m_nWeekNumbers;
    m_pDays->SetLayout(o.m_nLayout);

    LoadTextPage(*m_pSpecial, SpecialFields(o));
    for (int i = 0; i < 7; ++i) m_pSpecial->m_bWeekday[i] = o.m_bSpecialWeekday[i];
    m_pSpecial->LoadDates(o.m_strSpecialDates);
    m_pSpecial->m_holidays = o.m_holidays;
    m_pSpecial->m_nYear = o.m_nYear;
}

void CCalendarSheet::ApplyValues(CDrawRect& o) const
{
    const CCalGenProp& g = *m_pGeneral;
    o.m_b3DBorder = g.m_b3DBorder;
    o.m_bGrid = g.m_bGrid;
    o.m_nGridLineType = g.m_nGridType;
    o.m_nGridThickness = g.m_nGridThickness;
    o.m_crGrid = g.m_crGridLine;
    o.m_nFirstDayOfWeek = g.m_nFirstDayIndex + 1;
    o.m_nLayout = g.m_nLayout;
    o.m_bShow3D = g.m_bBorder;

    // A new month or year names itself in the header, unless the user typed
    // a header of their own in the same sitting: what was typed stays.
    const CCalHText& h = *m_pHeader;
    const bool changed = g.m_nYear != m_nLoadedYear || g.m_nMonthIndex + 1 != m_nLoadedMonth;
    o.m_nYear = g.m_nYear;
    o.m_nMonth = g.m_nMonthIndex + 1;
    o.SetFirstDayOfWeek(o.m_nFirstDayOfWeek);
    if (changed && h.m_strText == m_strLoadedHeader)
        o.m_strHeader = o.GetMonthName(o.m_nMonth) + " " + CDrawRect::FormatNumber(o.m_nYear);
    else
        o.m_strHeader = h.m_strText;

    o.SetHeaderFont(h.m_strFace, h.m_nPointSize, h.m_bBold, h.m_bItalic, h.m_bUnderline, h.m_crText);
    StoreTextPage(h, HeaderFields(o));
    o.m_bNoHeader = h.m_bFlag;
    o.m_nHeaderPercent = h.m_nHeightPct;
    // The base border flag holds each section's thickness in turn.
    o.m_bDrawBorder = static_cast<BOOL>(h.m_nThickness);

    const CCalDWText& w = *m_pDayNames;
    o.SetDayNameFont(w.m_strFace, w.m_nPointSize, w.m_bBold, w.m_bItalic, w.m_bUnderline, w.m_crText);
    StoreTextPage(w, DayNameFields(o));
    o.m_nDayNameFormat = w.m_nFormat;
    o.m_nDayNamePercent = w.m_nHeightPct;
    o.m_bDrawBorder = static_cast<BOOL>(w.m_nThickness);
    o.SetFirstDayOfWeek(o.m_nFirstDayOfWeek);

    const CCalDaysText& d = *m_pDays;
    o.SetDaysFont(d.m_strFace, d.m_nPointSize, d.m_bBold, d.m_bItalic, d.m_bUnderline, d.m_crText);
    StoreTextPage(d, DayFields(o));

    const CCalSPText& s = *m_pSpecial;
    o.SetSpecialFont(s.m_strFace, s.m_nPointSize, s.m_bBold, s.m_bItalic, s.m_bUnderline, s.m_crText);
    StoreTextPage(s, SpecialFields(o));
    for (int i = 0; i < 7; ++i) o.m_bSpecialWeekday[i] = s.m_bWeekday[i];
    std::string dates;
    if (s.StoredDates(&dates)) o.m_strSpecialDates = dates;
    o.m_holidays = s.m_holidays;
    o.m_holidays.m_nWeekNumbers = d.m_nWeekNumbers;
    o.m_bFontsReady = 0;
}

bool CCalendarSheet::PrepareApply(CDrawRect&)
{
    // A calendar moved to another year reads its files for that year; where
    // they cannot be read the page says so and the days it has are kept.
    if (m_pGeneral->m_nYear != m_pSpecial->m_nYear && !m_pSpecial->m_holidays.m_files.empty())
        m_pSpecial->ReadForYear(m_pGeneral->m_nYear);
    return true;
}

void CCalendarSheet::ApplyTo(CDrawRect& o)
{
    ApplyValues(o);
    if (m_pGeneral->m_bApplyToAll && o.m_pDocument) o.m_pDocument->ApplyCalendarSettingsToAll(&o);
}

CDocChange CCalendarSheet::Change(CDrawRect& o) const
{
    CDocChange change{tr("Calendar Properties"), {&o}, false, false};
    if (m_pGeneral->m_bApplyToAll && o.m_pDocument) {
        for (CDrawObj* other : *o.m_pDocument->GetObjects()) {
            auto* rect = dynamic_cast<CDrawRect*>(other);
            if (rect && rect != &o && rect->m_nKind == CDrawRect::kindCalendar) change.m_objects.push_back(rect);
        }
    }
    return change;
}

void CCalendarSheet::UpdatePreviewObject(CDrawRect& preview)
{
    ApplyValues(preview);
}
