#include "objects/DrawRect.h"

#include "calendar/CalendarNames.h"
#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/Environment.h"
#include "objects/PictureOnSurface.h"
#include "objects/ObjectProperties.h"

#include <array>
#include <cmath>
#include <ctime>
#include <numbers>

namespace {

// Line types 0-4 are the five pen styles; anything else draws solid.
UINT PenStyleForLineType(int type)
{
    return type >= 0 && type <= 4 ? static_cast<UINT>(type) : PS_SOLID;
}

// Restores a surface's pen and brush when drawing leaves a scope, whichever
// way it leaves.
class CSelectionGuard {
public:
    explicit CSelectionGuard(CDC* dc) : m_dc(dc), m_pen(dc->GetCurrentPen()), m_brush(dc->GetCurrentBrush()) {}
    ~CSelectionGuard()
    {
        m_dc->SelectObject(m_pen);
        m_dc->SelectObject(m_brush);
    }
    CSelectionGuard(const CSelectionGuard&) = delete;
    CSelectionGuard& operator=(const CSelectionGuard&) = delete;

private:
    CDC* m_dc;
    CPen* m_pen;
    CBrush* m_brush;
};

// Keeps the number of squares of an image frame band sane whatever the
// stored rectangle: a band of more squares than this is drawn short.
constexpr long long kMaxFrameSquares = 20000;

long long FrameSquares(long long length, int side)
{
    long long n = (length < 0 ? -length : length) / side;
    return n > kMaxFrameSquares ? kMaxFrameSquares : n;
}

// Draws a picture stretched over the span [x0, x1] × [y0, y1] given as the
// frame algorithm names its corners.
void StretchSquare(const CPictureImage& image, CDC* dc, long long x0, long long y0, long long x1, long long y1)
{
    image.Stretch(dc, static_cast<long>(x0), static_cast<long>(y0), static_cast<long>(x1 - x0),
                  static_cast<long>(y1 - y0));
}

}

CDrawRect::CDrawRect() : CDrawObj()
{
    InitDefaults(kindRectangle);
}

CDrawRect::CDrawRect(const CRect& position, int tool) : CDrawObj(position)
{
    InitDefaults(tool >= 1 && tool <= 7 ? tool : kindRectangle);
    RebuildImage();
}

CDrawRect::~CDrawRect() = default;

void CDrawRect::InitDefaults(int kind)
{
    const CEnvironment& env = Environment();
    m_nKind = kind;
    m_strText = env.m_strNewText;
    if (kind == kindFrame) {
        m_nGridLineType = 1;
        m_nGridThickness = 15;
    }

    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    m_nMonth = local.tm_mon + 1;
    m_nYear = local.tm_year + 1900;
    for (int m = 1; m <= 12; ++m) m_strMonthNames[m] = DefaultMonthName(m);
    SetFirstDayOfWeek(LocaleFirstDayOfWeek());
    m_strHeader = GetMonthName(m_nMonth) + " " + FormatNumber(m_nYear);

    auto setFont = [this, &env](CCalFont& font, BOOL bold, COLORREF color) {
        font.m_strFaceName = m_strDefaultFace;
        font.m_nPointSize = 8;
        font.m_nRotation = 0;
        font.m_bBold = bold;
        font.m_bItalic = 0;
        font.m_bUnderline = 0;
        font.m_crColor = color;
        (void)env;
    };
    setFont(m_fontHeader, 1, env.m_crBtnText);
    setFont(m_fontDayNames, 0, env.m_crBtnText);
    setFont(m_fontDays, 0, env.m_crBtnText);
    setFont(m_fontSpecial, 1, RGB(255, 0, 0));

    m_crHeaderBack = m_crHeaderLine = env.m_crBtnFace;
    m_crDayNameBack = m_crDayNameBorder = env.m_crBtnFace;
    m_crDayBack = m_crDayBorder = env.m_crBtnFace;
    m_crSpecialBack = m_crSpecialBorder = env.m_crBtnFace;

    m_strImagePath = DefaultImagePath();
    m_strImageType = "jpg";
}

std::string CDrawRect::DefaultImagePath()
{
    return Environment().m_strInstallDir + "BckImage.jpg";
}

// --- Persistence --------------------------------------------------------------------

namespace {

// The scene's eighteen vectors in the order the record stores them.
std::array<float*, 18> SceneVectors(CTextSceneParams& p)
{
    return {p.light[0].position, p.light[0].specular, p.light[0].diffuse, p.light[0].ambient,
            p.light[1].position, p.light[1].specular, p.light[1].diffuse, p.light[1].ambient,
            p.light[2].position, p.light[2].specular, p.light[2].diffuse, p.light[2].ambient,
            p.material.emission, p.material.specular, p.material.ambient, p.material.diffuse,
            p.scale,             p.rotation};
}

}

void CDrawRect::Serialize(CArchive& ar)
{
    CDrawObj::Serialize(ar);
    auto vectors = SceneVectors(m_sceneParams);
    if (ar.IsStoring()) {
        ar.WriteWord(static_cast<WORD>(m_nKind));
        ar.WritePoint(m_roundness);
        ar.WriteString(m_strText);
        ar.WriteLong(m_nCellHeight);
        ar.WriteLong(m_nCellWidth);
        ar.WriteLong(m_b3DBorder);
        ar.WriteLong(m_bGrid);
        ar.WriteLong(m_nGridLineType);
        ar.WriteLong(m_nGridThickness);
        ar.WriteDWord(m_crGrid);
        ar.WriteLong(m_nMonth);
        ar.WriteLong(m_nYear);
        for (int m = 1; m <= 12; ++m) ar.WriteString(m_strMonthNames[m]);
        for (int d = 1; d <= 7; ++d) ar.WriteString(m_strDayNames[d]);
        ar.WriteLong(m_nFirstDayOfWeek);
        ar.WriteLong(m_nDayNameFormat);
        ar.WriteString(m_strHeader);
        m_fontHeader.Serialize(ar);
        m_fontDayNames.Serialize(ar);
        m_fontDays.Serialize(ar);
        m_fontSpecial.Serialize(ar);

        ar.WriteDWord(m_crHeaderBack);
        ar.WriteDWord(m_crHeaderLine);
        ar.WriteLong(m_bHeaderLine);
        ar.WriteLong(m_bHeaderTransparent);
        ar.WriteLong(m_nHeaderAlign);
        ar.WriteLong(m_nHeaderLineType);
        ar.WriteLong(m_nHeaderLineThickness);
        ar.WriteLong(m_nHeaderPercent);
        ar.WriteLong(m_nDayNamePercent);

        ar.WriteDWord(m_crDayNameBack);
        ar.WriteDWord(m_crDayNameBorder);
        ar.WriteLong(m_bDayNameBorder);
        ar.WriteLong(m_bDayNameTransparent);
        ar.WriteLong(m_nDayNameAlign);
        ar.WriteLong(m_nDayNameBorderType);
        ar.WriteLong(m_nDayNameBorderThickness);

        ar.WriteDWord(m_crDayBack);
        ar.WriteDWord(m_crDayBorder);
        ar.WriteLong(m_bDayBorder);
        ar.WriteLong(m_bDayTransparent);
        ar.WriteLong(m_nDayAlign);
        ar.WriteDWord(PackDayBorderSlot(m_nDayBorderThickness, m_nDayBorderType));
        ar.WriteLong(m_nDayBorderThickness);

        ar.WriteDWord(m_crSpecialBack);
        ar.WriteDWord(m_crSpecialBorder);
        ar.WriteLong(m_bSpecialBorder);
        ar.WriteLong(m_bSpecialTransparent);
        ar.WriteLong(m_nSpecialAlign);
        ar.WriteLong(m_nSpecialBorderType);
        ar.WriteLong(m_nSpecialBorderThickness);
        for (BOOL flag : m_bSpecialWeekday) ar.WriteLong(flag);

        ar.WriteString(m_strSpecialDates);
        ar.WriteString(m_strDefaultFace);
        ar.WriteLong(m_nSpareSize);
        ar.WriteLong(m_bFontsReady);
        ar.WriteString(m_strImagePath);
        ar.WriteString(m_strImageType);
        ar.WriteDWord(m_crTransparent);
        ar.WriteLong(m_nLayout);
        ar.WriteLong(m_bNoHeader);

        ar.WriteFloat(m_sceneParams.shininess);
        for (int c = 0; c < 4; ++c)
            for (float* v : vectors) ar.WriteFloat(v[c]);
        ar.WriteLong(m_bShow3D);
        ar.WriteLong(m_bWireframe);
        ar.WriteLong(m_b3DBitmapValid);
        ar.WriteLong(m_bOpaque);
        m_3DBitmap.WriteRecord(ar.Writer());
    } else {
        m_nKind = ar.ReadWord();
        m_roundness = ar.ReadPoint();
        m_strText = ar.ReadString();
        m_nCellHeight = ar.ReadLong();
        m_nCellWidth = ar.ReadLong();
        m_b3DBorder = ar.ReadLong();
        m_bGrid = ar.ReadLong();
        m_nGridLineType = ar.ReadLong();
        m_nGridThickness = ar.ReadLong();
        m_crGrid = ar.ReadDWord();
        m_nMonth = ar.ReadLong();
        m_nYear = ar.ReadLong();
        for (int m = 1; m <= 12; ++m) m_strMonthNames[m] = ar.ReadString();
        for (int d = 1; d <= 7; ++d) m_strDayNames[d] = ar.ReadString();
        m_nFirstDayOfWeek = ar.ReadLong();
        m_nDayNameFormat = ar.ReadLong();
        m_strHeader = ar.ReadString();
        m_fontHeader.Serialize(ar);
        m_fontDayNames.Serialize(ar);
        m_fontDays.Serialize(ar);
        m_fontSpecial.Serialize(ar);

        m_crHeaderBack = ar.ReadDWord();
        m_crHeaderLine = ar.ReadDWord();
        m_bHeaderLine = ar.ReadLong();
        m_bHeaderTransparent = ar.ReadLong();
        m_nHeaderAlign = ar.ReadLong();
        m_nHeaderLineType = ar.ReadLong();
        m_nHeaderLineThickness = ar.ReadLong();
        m_nHeaderPercent = ar.ReadLong();
        m_nDayNamePercent = ar.ReadLong();

        m_crDayNameBack = ar.ReadDWord();
        m_crDayNameBorder = ar.ReadDWord();
        m_bDayNameBorder = ar.ReadLong();
        m_bDayNameTransparent = ar.ReadLong();
        m_nDayNameAlign = ar.ReadLong();
        m_nDayNameBorderType = ar.ReadLong();
        m_nDayNameBorderThickness = ar.ReadLong();

        m_crDayBack = ar.ReadDWord();
        m_crDayBorder = ar.ReadDWord();
        m_bDayBorder = ar.ReadLong();
        m_bDayTransparent = ar.ReadLong();
        m_nDayAlign = ar.ReadLong();
        const DWORD firstSlot = ar.ReadDWord();
        const DWORD secondSlot = ar.ReadDWord();
        m_nDayBorderThickness = static_cast<int>(secondSlot);
        m_nDayBorderType = UnpackDayBorderType(firstSlot, secondSlot);

        m_crSpecialBack = ar.ReadDWord();
        m_crSpecialBorder = ar.ReadDWord();
        m_bSpecialBorder = ar.ReadLong();
        m_bSpecialTransparent = ar.ReadLong();
        m_nSpecialAlign = ar.ReadLong();
        m_nSpecialBorderType = ar.ReadLong();
        m_nSpecialBorderThickness = ar.ReadLong();
        for (BOOL& flag : m_bSpecialWeekday) flag = ar.ReadLong();

        m_strSpecialDates = ar.ReadString();
        m_strDefaultFace = ar.ReadString();
        m_nSpareSize = ar.ReadLong();
        ar.ReadLong();  // the fonts are made again for this program's surfaces
        m_bFontsReady = 0;
        m_strImagePath = ar.ReadString();
        m_strImageType = ar.ReadString();
        m_crTransparent = ar.ReadDWord();
        m_nLayout = ar.ReadLong();
        m_bNoHeader = ar.ReadLong();
        if (!s_bKeepPicturesUndecoded) RebuildImage();

        m_sceneParams.shininess = ar.ReadFloat();
        for (int c = 0; c < 4; ++c)
            for (float* v : vectors) v[c] = ar.ReadFloat();
        m_bShow3D = ar.ReadLong();
        m_bWireframe = ar.ReadLong();
        m_b3DBitmapValid = ar.ReadLong();
        m_bOpaque = ar.ReadLong();
        if (!m_3DBitmap.ReadRecord(ar.Reader()))
            throw CArchiveException(CArchiveException::endOfFile, 
                                    CMessage(MESSAGE_TEXT("CMessage", "Bad picture record of a text object")));
        ar.CheckReader();
    }
}

DWORD CDrawRect::PackDayBorderSlot(int thickness, int lineType)
{
    // The line type rides in the upper half of the first of the two
    // thickness slots; the second slot keeps the thickness alone, so a
    // reader that knows only the thickness still finds it there.
    return (static_cast<DWORD>(lineType & 0xFFFF) << 16) | (static_cast<DWORD>(thickness) & 0xFFFF);
}

int CDrawRect::UnpackDayBorderType(DWORD firstSlot, DWORD secondSlot)
{
    // A record that repeats the thickness carries no line type.
    if (firstSlot == secondSlot) return 0;
    return static_cast<int>(firstSlot >> 16);
}

// --- Images -------------------------------------------------------------------------

void CDrawRect::RebuildImage()
{
    const int format = ImageFormatFromExtension(m_strImageType);
    m_pImage = std::make_unique<CPictureHolder>(m_strImagePath, format);
    RGBQUAD key{};
    key.rgbRed = static_cast<BYTE>(GetRValue(m_crTransparent));
    key.rgbGreen = static_cast<BYTE>(GetGValue(m_crTransparent));
    key.rgbBlue = static_cast<BYTE>(GetBValue(m_crTransparent));
    key.rgbReserved = 0;
    m_pImage->SetTransColor(key);
    m_pImage->SetDrawTransparent(false);
}

void CDrawRect::SetImageFile(const std::string& path, const std::string& type)
{
    m_strImagePath = path;
    m_strImageType = type;
    m_nKind = kindImage;
    RebuildImage();
    FitToImage();
}

void CDrawRect::FitToImage()
{
    if (!m_pImage || !m_pImage->IsValid()) return;
    const long long iw = m_pImage->GetWidth();
    const long long ih = m_pImage->GetHeight();
    if (iw <= 0 || ih <= 0) return;
    const long long w = static_cast<long long>(m_position.right) - m_position.left;
    const long long h = static_cast<long long>(m_position.bottom) - m_position.top;
    if (ih < iw)
        m_position.top = static_cast<int>(m_position.bottom + ih * w / iw);
    else
        m_position.left = static_cast<int>(m_position.right + iw * h / ih);
}

void CDrawRect::SetFrameStyle(BOOL noFill, int thickness, BOOL outline, int lineType, int spare,
                              COLORREF outlineColor, COLORREF fillColor, int frameThickness, int frameStyle,
                              const std::string& imagePath, const std::string& imageType)
{
    (void)spare;
    m_bFill = noFill == 0 ? 1 : 0;
    m_bDrawBorder = outline;
    if (outline) {
        m_logpen.lopnWidth.x = thickness;
        m_logpen.lopnWidth.y = thickness;
    }
    m_nBorderLineType = lineType;
    m_nBorderThickness = thickness;
    m_logpen.lopnColor = outlineColor;
    m_logbrush.lbColor = fillColor;
    m_nGridThickness = frameThickness;
    m_nGridLineType = frameStyle;
    m_strImagePath = imagePath;
    m_strImageType = imageType;
    RebuildImage();
}

// --- Fonts --------------------------------------------------------------------------

void CDrawRect::SetFont(CCalFont& font, const std::string& face, int size, BOOL bold, BOOL italic,
                        BOOL underline, COLORREF color)
{
    if (size <= 0 || size > 72 || face.empty()) return;
    font.m_strFaceName = face;
    font.m_nPointSize = size;
    font.m_bBold = bold;
    font.m_bItalic = italic;
    font.m_bUnderline = underline;
    font.m_crColor = color;
    font.m_pFont.reset();
    m_bFontsReady = 0;
}

void CDrawRect::SetHeaderFont(const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline,
                              COLORREF color)
{
    SetFont(m_fontHeader, face, size, bold, italic, underline, color);
}

void CDrawRect::SetDayNameFont(const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline,
                               COLORREF color)
{
    SetFont(m_fontDayNames, face, size, bold, italic, underline, color);
}

void CDrawRect::SetDaysFont(const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline,
                            COLORREF color)
{
    SetFont(m_fontDays, face, size, bold, italic, underline, color);
}

void CDrawRect::SetSpecialFont(const std::string& face, int size, BOOL bold, BOOL italic, BOOL underline,
                               COLORREF color)
{
    SetFont(m_fontSpecial, face, size, bold, italic, underline, color);
}

void CDrawRect::SetDefaultFace(const std::string& face)
{
    if (!face.empty()) m_strDefaultFace = face;
}

// --- Handles and hit testing ------------------------------------------------------------

int CDrawRect::HandleCount()
{
    if (m_nKind == kindLine) return 2;
    if (m_nKind == kindRoundRect) return CDrawObj::HandleCount() + 1;
    return CDrawObj::HandleCount();
}

CPoint CDrawRect::HandlePoint(int handle)
{
    if (m_nKind == kindLine && handle == 2) handle = 5;
    if (m_nKind == kindRoundRect && handle == 9) {
        const CRect r = m_position.Normalized();
        return {r.right - m_roundness.x / 2, r.bottom - m_roundness.y / 2};
    }
    return CDrawObj::HandlePoint(handle);
}

CursorShape CDrawRect::HandleCursor(int handle)
{
    if (m_nKind == kindLine && handle == 2) handle = 5;
    if (m_nKind == kindRoundRect && handle == 9) return CursorShape::SizeAll;
    return CDrawObj::HandleCursor(handle);
}

void CDrawRect::MoveHandleTo(int handle, CPoint point, CDrawView* view)
{
    if (m_nKind == kindLine && handle == 2) handle = 5;
    if (m_nKind == kindRoundRect && handle == 9) {
        const CRect r = m_position.Normalized();
        const CPoint centre = r.CenterPoint();
        int x = std::max(point.x, centre.x);
        x = std::min(x, r.right - 1);
        int y = std::max(point.y, centre.y);
        y = std::min(y, r.bottom - 1);
        if (view) view->InvalObj(this);
        m_roundness = CPoint(2 * (r.right - x), 2 * (r.bottom - y));
        if (view)
            view->InvalObj(this);
        else
            Invalidate();
        SetModified();
        return;
    }
    CDrawObj::MoveHandleTo(handle, point, view);
}

bool CDrawRect::Intersects(const CRect& rect)
{
    const CRect probe = rect.Normalized();
    CRect fixed = m_position.Normalized();
    const int hx = (m_logpen.lopnWidth.x + 5) / 2;
    const int hy = (m_logpen.lopnWidth.y + 5) / 2;
    // A horizontal or vertical line has an empty box; its band around the
    // stroke is what can be hit.
    if (m_nKind == kindLine) fixed.InflateRect(hx, hy);
    if (m_nKind == kindFrame) return FrameBandMeets(probe, hx, hy);
    CRect meet;
    if (!meet.IntersectRect(probe, fixed)) return false;

    CRgn rgn;
    switch (m_nKind) {
    case kindRoundRect:
        rgn.CreateRoundRectRgn(fixed.left, fixed.top, fixed.right, fixed.bottom, m_roundness.x, m_roundness.y);
        break;
    case kindEllipse:
        rgn.CreateEllipticRgnIndirect(fixed);
        break;
    case kindLine: {
        // A band around the segment in its own corner order, so that a line
        // along either diagonal is found on that diagonal.
        const CPoint a = m_position.TopLeft();
        const CPoint b = m_position.BottomRight();
        const int sx = (b.x > a.x) - (b.x < a.x);
        const int sy = (b.y > a.y) - (b.y < a.y);
        if (sx == 0 && sy == 0) return true;  // a single point inside the probe
        const CPoint n(-sy * hx, sx * hy);
        const CPoint points[4] = {a + n, b + n, b - n, a - n};
        rgn.CreatePolygonRgn(points, 4, ALTERNATE);
        break;
    }
    default:
        return true;
    }
    return rgn.RectInRegion(probe);
}

bool CDrawRect::FrameBandMeets(const CRect& probe, int hx, int hy) const
{
    // The band lies between the rectangle and its copy moved in by the frame
    // thickness on every side (out, for a rectangle stored the other way
    // round); the photo or whatever else stands inside stays reachable.
    const CRect& p = m_position;
    const int t = m_nGridThickness;
    const CRect a = p.Normalized();
    const CRect b = CRect(p.left - t, p.top + t, p.right + t, p.bottom - t).Normalized();
    CRect outer;
    outer.UnionRect(a, b);
    outer.InflateRect(hx, hy);
    CRect meet;
    if (!meet.IntersectRect(probe, outer)) return false;
    CRect inner;
    if (!inner.IntersectRect(a, b)) return true;
    inner.DeflateRect(hx, hy);
    if (inner.IsRectEmpty()) return true;
    const bool inside = probe.left >= inner.left && probe.right <= inner.right && probe.top >= inner.top &&
                        probe.bottom <= inner.bottom;
    return !inside;
}

// --- Editing ------------------------------------------------------------------------

void CDrawRect::EditProperties(CDrawView* view)
{
    if (CPropertiesUI* ui = GetPropertiesUI()) ui->EditRectProperties(this, view);
}

CDrawObj* CDrawRect::Clone(CDrawDoc* doc)
{
    // Every persisted field goes across exactly as a save and load would
    // take it; the fonts come without their created fonts and the picture
    // is decoded again from its path.
    CArchive out;
    CDrawRect* self = this;
    out.WriteObject(self);
    CArchive in(out.Buffer());
    auto* clone = in.ReadObjectOf<CDrawRect>();
    // The record has no room for a thickness of 65536 or more together with
    // a line type; the source always knows the truth.
    clone->m_nDayBorderType = m_nDayBorderType;
    clone->m_holidays = m_holidays;
    clone->m_pDocument = nullptr;
    if (doc) doc->Add(clone);
    return clone;
}

// --- Drawing ------------------------------------------------------------------------

void CDrawRect::Draw(CDC* dc)
{
    CBrush brush;
    CPen pen;
    if (!brush.CreateBrushIndirect(&m_logbrush) || !pen.CreatePenIndirect(&m_logpen)) return;

    CSelectionGuard guard(dc);
    SelectPenAndBrush(dc, pen, brush);

    if (m_nKind == kindCalendar) m_fontHeader.m_nRotation = m_nLayout == 2 ? -90 : 0;
    if (!m_bFontsReady) {
        m_fontHeader.CreateGdiFont(dc);
        m_fontDayNames.CreateGdiFont(dc);
        m_fontDays.CreateGdiFont(dc);
        m_fontSpecial.CreateGdiFont(dc);
        m_bFontsReady = 1;
    }

    switch (m_nKind) {
    case kindRectangle:
    case kindRoundRect:
    case kindEllipse:
    case kindLine:
        DrawShape(dc, brush);
        break;
    case kindText:
        DrawText(dc);
        break;
    case kindCalendar:
        DrawCalendar(dc);
        break;
    case kindImage:
        DrawImage(dc);
        break;
    case kindFrame:
        DrawFrame(dc);
        break;
    default:
        break;
    }
}

void CDrawRect::DrawShape(CDC* dc, CBrush& brush)
{
    CPen outline(PenStyleForLineType(m_nBorderLineType), m_bDrawBorder * m_nBorderThickness, LineColor());
    CSelectionGuard guard(dc);
    SelectPenAndBrush(dc, outline, brush);

    CRect r = m_position;
    switch (m_nKind) {
    case kindRectangle:
        dc->Rectangle(r);
        break;
    case kindRoundRect:
        dc->RoundRect(r, m_roundness);
        break;
    case kindEllipse:
        dc->Ellipse(r);
        break;
    case kindLine: {
        // Thick ends stay inside the rectangle: each end moves inwards by
        // half the pen width.
        const int wy = m_logpen.lopnWidth.y;
        if (r.bottom < r.top) {
            r.top -= wy / 2;
            r.bottom += (wy + 1) / 2;
        } else {
            r.top += (wy + 1) / 2;
            r.bottom -= wy / 2;
        }
        const int wx = m_logpen.lopnWidth.x;
        if (r.right < r.left) {
            r.left -= wx / 2;
            r.right += (wx + 1) / 2;
        } else {
            r.left += (wx + 1) / 2;
            r.right -= wx / 2;
        }
        dc->MoveTo(r.left, r.top);
        dc->LineTo(r.right, r.bottom);
        break;
    }
    default:
        break;
    }
}

void CDrawRect::DrawFrame(CDC* dc)
{
    const int t = m_nGridThickness;
    CPen outline(PenStyleForLineType(m_nBorderLineType), m_bDrawBorder * m_nBorderThickness, LineColor());
    CBrush brush;
    if (!brush.CreateBrushIndirect(&m_logbrush)) return;

    CSelectionGuard guard(dc);
    if (m_bDrawBorder)
        dc->SelectObject(&outline);
    else
        dc->SelectStockObject(NULL_PEN);
    if (m_bFill && m_nGridLineType == 1)
        dc->SelectObject(&brush);
    else
        dc->SelectStockObject(NULL_BRUSH);

    auto edges = [dc](const CRect& r) {
        dc->MoveTo(r.left, r.top);
        dc->LineTo(r.right, r.top);
        dc->MoveTo(r.right, r.top);
        dc->LineTo(r.right, r.bottom);
        dc->MoveTo(r.right, r.bottom);
        dc->LineTo(r.left, r.bottom);
        dc->MoveTo(r.left, r.bottom);
        dc->LineTo(r.left, r.top);
    };
    const CRect& p = m_position;
    edges(p);
    edges(CRect(p.left - t, p.top + t, p.right + t, p.bottom - t));

    if (m_nGridLineType == 1) {
        dc->SelectStockObject(NULL_PEN);
        dc->Rectangle(p.left + 1, p.top - 1, p.right + 1, p.top + t - 1);
        dc->Rectangle(p.left + 1, p.bottom - 1, p.right + 1, p.bottom - t - 1);
        dc->Rectangle(p.left + 1, p.top - 1, p.left - t + 1, p.bottom - 1);
        dc->Rectangle(p.right + 1, p.top - 1, p.right + t + 1, p.bottom - 1);
        return;
    }

    // An image band of squares of side t. A side of zero or less has no
    // squares to draw.
    if (!m_pImage || !m_pImage->IsValid() || t <= 0) return;
    // Every square shows the whole picture at the size of a square.
    CRect band = p.Normalized();
    band.InflateRect(t, t);
    const CPictureHolder::Picture_t picture = PictureForSurface(dc, *m_pImage, DeviceSizeOf(dc, CRect(0, 0, t, t)), band);
    if (!picture) return;
    const CPictureImage& square = *picture;
    const int e = m_nBorderThickness < 2 ? 1 : 2;
    const long long left = p.left, top = p.top, right = p.right, bottom = p.bottom;

    // Along the top and bottom edges.
    const long long nx = FrameSquares(right - (left - e), t);
    const long long bottomEnd = e == 2 ? bottom - t + 1 : bottom - t;
    for (long long k = 0; k < nx; ++k) {
        const long long x0 = (left - e) - k * t;
        const long long x1 = (left - e) - (k + 1) * t;
        StretchSquare(square, dc, x0, top + e, x1, top + t);
        StretchSquare(square, dc, x0, bottom - 1, x1, bottomEnd);
    }
    StretchSquare(square, dc, right + t, top + e, right, top + t);
    StretchSquare(square, dc, right + t, bottom - 1, right, bottomEnd);

    // Along the right and left edges.
    const long long ny = FrameSquares(bottom - top, t);
    const long long rightEnd = e == 2 ? right + t - 1 : right + t;
    const long long leftStart = e == 2 ? left - 2 : left - 1;
    for (long long k = 0; k < ny; ++k) {
        const long long y0 = top + k * t + e;
        const long long y1 = y0 + t;
        StretchSquare(square, dc, right + 1, y0, rightEnd, y1);
        StretchSquare(square, dc, leftStart, y0, left - t, y1);
    }
    StretchSquare(square, dc, right + 1, bottom - t, rightEnd, bottom);
    StretchSquare(square, dc, leftStart, bottom - t, left - t, bottom);
}

void CDrawRect::DrawText(CDC* dc)
{
    const CRect& p = m_position;
    if (m_bShow3D) {
        if (m_3DBitmap.IsValid() && !m_3DBitmap.m_bits.empty()) {
            m_3DBitmap.DrawTransparent(dc, CRect(p.right, p.top, p.left, p.bottom));
            return;
        }
        // No picture has come back from the 3D engine yet: show the flat
        // text rather than nothing, so the object stays visible.
    }

    CFont* oldFont = m_fontHeader.m_pFont ? dc->SelectObject(m_fontHeader.m_pFont.get()) : nullptr;
    const COLORREF oldBack = dc->SetBkColor(m_crHeaderBack);
    {
        CBrush back(m_crHeaderBack);
        CPen backPen(PS_SOLID, 1, m_crHeaderBack);
        CSelectionGuard guard(dc);
        dc->SelectObject(&back);
        dc->SelectObject(&backPen);
        if (!m_bHeaderTransparent) dc->Rectangle(p);
    }
    {
        CPen border(PenStyleForLineType(m_nHeaderLineType), m_nHeaderLineThickness, m_crHeaderLine);
        CSelectionGuard guard(dc);
        dc->SelectObject(&border);
        if (m_bHeaderLine) {
            dc->MoveTo(p.left, p.top);
            dc->LineTo(p.right, p.top);
            dc->LineTo(p.right, p.bottom);
            dc->LineTo(p.left, p.bottom);
            dc->LineTo(p.left, p.top);
        }
    }

    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const COLORREF oldColor = dc->SetTextColor(m_fontHeader.m_crColor);
    const int rotation = m_fontHeader.m_nRotation;
    if (rotation != 0) {
        // Turn the text about the rectangle's centre: start from the point
        // that puts the middle of the text's box on the centre.
        const double a = rotation * 2.0 * std::numbers::pi / 360.0;
        const CSize extent = dc->GetTextExtent(m_strText);
        const int hx = extent.cx / 2;
        const int hy = extent.cy / 2;
        const int dx = static_cast<int>(std::cos(a) * hx - std::sin(a) * hy);
        const int dy = static_cast<int>(std::sin(a) * hx + std::cos(a) * hy);
        // The offset is measured down the page on a surface whose y axis
        // points down; on a page whose y axis points up it is measured up,
        // or the text would be turned about a point beside the centre.
        CPoint axis[2] = {{0, 0}, {0, 1}};
        dc->LPtoDP(axis, 2);
        const int up = axis[1].y < axis[0].y ? -1 : 1;
        const UINT oldAlign = dc->SetTextAlign(TA_BASELINE);
        dc->ExtTextOut(p.left + p.Width() / 2 - dx, p.top + p.Height() / 2 + up * dy, 0, nullptr, m_strText);
        dc->SetTextAlign(oldAlign);
    } else {
        UINT format = 0;
        switch (m_nHeaderAlign) {
        case 0: format = DT_CENTER | DT_VCENTER | DT_SINGLELINE; break;
        case 1: format = DT_LEFT | DT_VCENTER | DT_SINGLELINE; break;
        case 2: format = DT_RIGHT | DT_VCENTER | DT_SINGLELINE; break;
        default: break;
        }
        if (format) {
            CRect box(p.right, p.bottom, p.left, p.top);
            dc->DrawTextA(m_strText, &box, format);
        }
    }
    dc->SetTextColor(oldColor);
    dc->SetBkMode(oldMode);
    dc->SetBkColor(oldBack);
    if (oldFont) dc->SelectObject(oldFont);
}

void CDrawRect::DrawImage(CDC* dc)
{
    const CRect& p = m_position;
    m_strText = Environment().m_strImagePlaceholder;

    if (m_pImage && m_bShow3D && m_b3DBitmapValid) {
        // The picture has been rendered onto a 3D object: show that picture.
        if (m_3DBitmap.IsValid() && !m_3DBitmap.m_bits.empty())
            m_3DBitmap.DrawTransparent(dc, CRect(p.right, p.top, p.left, p.bottom));
        return;
    }

    if (m_pImage) {
        // Keyed pictures are drawn from the whole picture: a reduced copy
        // would blend the key colour into its neighbours.
        const CPictureHolder::Picture_t picture =
            m_bOpaque ? PictureForSurface(dc, *m_pImage, DeviceSizeOf(dc, p), p) : m_pImage->Full();
        if (!picture) {
            // Not readable (any more): nothing is drawn, as for a file that
            // could not be decoded.
        } else if (!m_bOpaque) {
            picture->DrawFlippedTransparent(dc, p.right, p.top, p.left - p.right, p.bottom - p.top, m_crTransparent);
        } else {
            // A picture turned upside down and mirrored, stretched into the
            // rectangle, is the picture itself stretched into the rectangle
            // with both corners swapped; the surface mirrors negative sides.
            // So no copy of a photo is made on every paint. Printers and PDF
            // files take the same path: turning the photo itself over and
            // drawing it with Draw, which reads a negative side as "the
            // picture's own size", put a generated photo (stored right to
            // left) beside its rectangle instead of in it.
            picture->Stretch(dc, p.right, p.bottom, -p.Width(), -p.Height());
        }
    } else {
        dc->Rectangle(p);
    }

    if (!m_pImage || m_strImagePath == DefaultImagePath()) {
        // The caption is written in the object's own font so that it has
        // the same size on every surface.
        CFont* oldFont = m_fontHeader.m_pFont ? dc->SelectObject(m_fontHeader.m_pFont.get()) : nullptr;
        const int oldMode = dc->SetBkMode(TRANSPARENT);
        const COLORREF oldColor = dc->SetTextColor(m_fontHeader.m_crColor);
        CRect box = p;
        dc->DrawTextA(m_strText, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        dc->SetTextColor(oldColor);
        dc->SetBkMode(oldMode);
        if (oldFont) dc->SelectObject(oldFont);
    }
}
