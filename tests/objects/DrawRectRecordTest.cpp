#include "document/Archive.h"
#include "document/DrawDoc.h"
#include "imageio/PictureHolder.h"
#include "objects/Environment.h"
#include "objects/DrawRect.h"
#include "support/BmpFixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// Writes a small 24-bit BMP of the given size, all one colour, at 72 dots
// per inch.
std::string WriteBmp(const std::string& name, int width, int height, BYTE r, BYTE g, BYTE b)
{
    const std::string path = std::string(MONDREL_BINARY_DIR) + "/" + name;
    testbmp::WriteFile(path, testbmp::Bmp24(width, height, [=](int, int) { return RGB(r, g, b); }, 2835));
    return path;
}

void SetFontFields(CCalFont& f, int seed)
{
    f.m_strFaceName = "Face" + std::to_string(seed);
    f.m_nPointSize = 10 + seed;
    f.m_nRotation = 30 + seed;
    f.m_bBold = seed % 2;
    f.m_bItalic = 1;
    f.m_bUnderline = 1;
    f.m_crColor = RGB(seed, 2 * seed, 3 * seed);
}

// Every persisted field set away from its default.
void SetEveryField(CDrawRect& r)
{
    r.m_position = CRect(11, -22, 33, -44);
    r.m_bDrawBorder = 0;
    r.m_logpen = LOGPEN{PS_DASHDOT, {3, 4}, RGB(10, 20, 30)};
    r.m_bFill = 0;
    r.m_logbrush = LOGBRUSH{BS_HATCHED, RGB(40, 50, 60), HS_BDIAGONAL};
    r.m_nBorderLineType = 4;
    r.m_nBorderThickness = 5;

    r.m_nKind = CDrawRect::kindText;
    r.m_roundness = CPoint(7, 9);
    r.m_strText = "Hello, 2026";
    r.m_nCellHeight = 12;
    r.m_nCellWidth = -13;
    r.m_b3DBorder = 0;
    r.m_bGrid = 0;
    r.m_nGridLineType = 3;
    r.m_nGridThickness = 6;
    r.m_crGrid = RGB(1, 2, 3);
    r.m_nMonth = 11;
    r.m_nYear = 1999;
    for (int m = 1; m <= 12; ++m) r.m_strMonthNames[m] = "Month" + std::to_string(m);
    for (int d = 1; d <= 7; ++d) r.m_strDayNames[d] = "Day" + std::to_string(d);
    r.m_nFirstDayOfWeek = 4;
    r.m_nDayNameFormat = 3;
    r.m_strHeader = "A header";
    SetFontFields(r.m_fontHeader, 1);
    SetFontFields(r.m_fontDayNames, 2);
    SetFontFields(r.m_fontDays, 3);
    SetFontFields(r.m_fontSpecial, 4);
    r.m_crHeaderBack = RGB(100, 0, 1);
    r.m_crHeaderLine = RGB(100, 0, 2);
    r.m_bHeaderLine = 1;
    r.m_bHeaderTransparent = 0;
    r.m_nHeaderAlign = 7;
    r.m_nHeaderLineType = 2;
    r.m_nHeaderLineThickness = 3;
    r.m_nHeaderPercent = 21;
    r.m_nDayNamePercent = 17;
    r.m_crDayNameBack = RGB(101, 0, 1);
    r.m_crDayNameBorder = RGB(101, 0, 2);
    r.m_bDayNameBorder = 1;
    r.m_bDayNameTransparent = 0;
    r.m_nDayNameAlign = 5;
    r.m_nDayNameBorderType = 1;
    r.m_nDayNameBorderThickness = 2;
    r.m_crDayBack = RGB(102, 0, 1);
    r.m_crDayBorder = RGB(102, 0, 2);
    r.m_bDayBorder = 1;
    r.m_bDayTransparent = 0;
    r.m_nDayAlign = 8;
    r.m_nDayBorderType = 2;
    r.m_nDayBorderThickness = 4;
    r.m_crSpecialBack = RGB(103, 0, 1);
    r.m_crSpecialBorder = RGB(103, 0, 2);
    r.m_bSpecialBorder = 1;
    r.m_bSpecialTransparent = 0;
    r.m_nSpecialAlign = 6;
    r.m_nSpecialBorderType = 3;
    r.m_nSpecialBorderThickness = 7;
    const BOOL flags[7] = {0, 0, 1, 1, 0, 1, 0};
    std::memcpy(r.m_bSpecialWeekday, flags, sizeof flags);
    r.m_strSpecialDates = ", 5, 12,";
    r.m_strDefaultFace = "DejaVu Serif";
    r.m_nSpareSize = 33;
    r.m_strImagePath = "/nonexistent/picture.png";
    r.m_strImageType = "png";
    r.m_crTransparent = RGB(0, 255, 0);
    r.m_nLayout = 3;
    r.m_bNoHeader = 1;
    r.m_sceneParams.shininess = 77.5f;
    for (int k = 0; k < 3; ++k)
        for (int c = 0; c < 4; ++c) {
            r.m_sceneParams.light[k].position[c] = 100.0f * k + c;
            r.m_sceneParams.light[k].ambient[c] = 0.01f * (k + c);
            r.m_sceneParams.light[k].diffuse[c] = 0.02f * (k + c);
            r.m_sceneParams.light[k].specular[c] = 0.03f * (k + c);
        }
    for (int c = 0; c < 4; ++c) {
        r.m_sceneParams.material.ambient[c] = 0.11f * c;
        r.m_sceneParams.material.diffuse[c] = 0.12f * c;
        r.m_sceneParams.material.specular[c] = 0.13f * c;
        r.m_sceneParams.material.emission[c] = 0.14f * c;
        r.m_sceneParams.rotation[c] = 5.0f * c;
        r.m_sceneParams.scale[c] = 1.5f + c;
    }
    r.m_bShow3D = 1;
    r.m_bWireframe = 1;
    r.m_b3DBitmapValid = 1;
    r.m_bOpaque = 0;
    r.m_3DBitmap.Create(3, 2);
    for (std::size_t i = 0; i < r.m_3DBitmap.m_bits.size(); ++i) r.m_3DBitmap.m_bits[i] = static_cast<BYTE>(i * 7);
}

void ExpectFontsEqual(const CCalFont& a, const CCalFont& b)
{
    EXPECT_EQ(a.m_strFaceName, b.m_strFaceName);
    EXPECT_EQ(a.m_nPointSize, b.m_nPointSize);
    EXPECT_EQ(a.m_nRotation, b.m_nRotation);
    EXPECT_EQ(a.m_bBold, b.m_bBold);
    EXPECT_EQ(a.m_bItalic, b.m_bItalic);
    EXPECT_EQ(a.m_bUnderline, b.m_bUnderline);
    EXPECT_EQ(a.m_crColor, b.m_crColor);
}

void ExpectSameRecord(const CDrawRect& a, const CDrawRect& b)
{
    EXPECT_EQ(a.m_position, b.m_position);
    EXPECT_EQ(a.m_bDrawBorder, b.m_bDrawBorder);
    EXPECT_EQ(a.m_logpen.lopnStyle, b.m_logpen.lopnStyle);
    EXPECT_EQ(a.m_logpen.lopnWidth, b.m_logpen.lopnWidth);
    EXPECT_EQ(a.m_logpen.lopnColor, b.m_logpen.lopnColor);
    EXPECT_EQ(a.m_bFill, b.m_bFill);
    EXPECT_EQ(a.m_logbrush.lbStyle, b.m_logbrush.lbStyle);
    EXPECT_EQ(a.m_logbrush.lbColor, b.m_logbrush.lbColor);
    EXPECT_EQ(a.m_logbrush.lbHatch, b.m_logbrush.lbHatch);
    EXPECT_EQ(a.m_nBorderLineType, b.m_nBorderLineType);
    EXPECT_EQ(a.m_nBorderThickness, b.m_nBorderThickness);
    EXPECT_EQ(a.m_nKind, b.m_nKind);
    EXPECT_EQ(a.m_roundness, b.m_roundness);
    EXPECT_EQ(a.m_strText, b.m_strText);
    EXPECT_EQ(a.m_nCellHeight, b.m_nCellHeight);
    EXPECT_EQ(a.m_nCellWidth, b.m_nCellWidth);
    EXPECT_EQ(a.m_b3DBorder, b.m_b3DBorder);
    EXPECT_EQ(a.m_bGrid, b.m_bGrid);
    EXPECT_EQ(a.m_nGridLineType, b.m_nGridLineType);
    EXPECT_EQ(a.m_nGridThickness, b.m_nGridThickness);
    EXPECT_EQ(a.m_crGrid, b.m_crGrid);
    EXPECT_EQ(a.m_nMonth, b.m_nMonth);
    EXPECT_EQ(a.m_nYear, b.m_nYear);
    for (int m = 1; m <= 12; ++m) EXPECT_EQ(a.m_strMonthNames[m], b.m_strMonthNames[m]);
    for (int d = 1; d <= 7; ++d) EXPECT_EQ(a.m_strDayNames[d], b.m_strDayNames[d]);
    EXPECT_EQ(a.m_nFirstDayOfWeek, b.m_nFirstDayOfWeek);
    EXPECT_EQ(a.m_nDayNameFormat, b.m_nDayNameFormat);
    EXPECT_EQ(a.m_strHeader, b.m_strHeader);
    ExpectFontsEqual(a.m_fontHeader, b.m_fontHeader);
    ExpectFontsEqual(a.m_fontDayNames, b.m_fontDayNames);
    ExpectFontsEqual(a.m_fontDays, b.m_fontDays);
    ExpectFontsEqual(a.m_fontSpecial, b.m_fontSpecial);
    EXPECT_EQ(a.m_crHeaderBack, b.m_crHeaderBack);
    EXPECT_EQ(a.m_crHeaderLine, b.m_crHeaderLine);
    EXPECT_EQ(a.m_bHeaderLine, b.m_bHeaderLine);
    EXPECT_EQ(a.m_bHeaderTransparent, b.m_bHeaderTransparent);
    EXPECT_EQ(a.m_nHeaderAlign, b.m_nHeaderAlign);
    EXPECT_EQ(a.m_nHeaderLineType, b.m_nHeaderLineType);
    EXPECT_EQ(a.m_nHeaderLineThickness, b.m_nHeaderLineThickness);
    EXPECT_EQ(a.m_nHeaderPercent, b.m_nHeaderPercent);
    EXPECT_EQ(a.m_nDayNamePercent, b.m_nDayNamePercent);
    EXPECT_EQ(a.m_crDayNameBack, b.m_crDayNameBack);
    EXPECT_EQ(a.m_crDayNameBorder, b.m_crDayNameBorder);
    EXPECT_EQ(a.m_bDayNameBorder, b.m_bDayNameBorder);
    EXPECT_EQ(a.m_bDayNameTransparent, b.m_bDayNameTransparent);
    EXPECT_EQ(a.m_nDayNameAlign, b.m_nDayNameAlign);
    EXPECT_EQ(a.m_nDayNameBorderType, b.m_nDayNameBorderType);
    EXPECT_EQ(a.m_nDayNameBorderThickness, b.m_nDayNameBorderThickness);
    EXPECT_EQ(a.m_crDayBack, b.m_crDayBack);
    EXPECT_EQ(a.m_crDayBorder, b.m_crDayBorder);
    EXPECT_EQ(a.m_bDayBorder, b.m_bDayBorder);
    EXPECT_EQ(a.m_bDayTransparent, b.m_bDayTransparent);
    EXPECT_EQ(a.m_nDayAlign, b.m_nDayAlign);
    EXPECT_EQ(a.m_nDayBorderType, b.m_nDayBorderType);
    EXPECT_EQ(a.m_nDayBorderThickness, b.m_nDayBorderThickness);
    EXPECT_EQ(a.m_crSpecialBack, b.m_crSpecialBack);
    EXPECT_EQ(a.m_crSpecialBorder, b.m_crSpecialBorder);
    EXPECT_EQ(a.m_bSpecialBorder, b.m_bSpecialBorder);
    EXPECT_EQ(a.m_bSpecialTransparent, b.m_bSpecialTransparent);
    EXPECT_EQ(a.m_nSpecialAlign, b.m_nSpecialAlign);
    EXPECT_EQ(a.m_nSpecialBorderType, b.m_nSpecialBorderType);
    EXPECT_EQ(a.m_nSpecialBorderThickness, b.m_nSpecialBorderThickness);
    for (int i = 0; i < 7; ++i) EXPECT_EQ(a.m_bSpecialWeekday[i], b.m_bSpecialWeekday[i]) << i;
    EXPECT_EQ(a.m_strSpecialDates, b.m_strSpecialDates);
    EXPECT_EQ(a.m_strDefaultFace, b.m_strDefaultFace);
    EXPECT_EQ(a.m_nSpareSize, b.m_nSpareSize);
    EXPECT_EQ(a.m_strImagePath, b.m_strImagePath);
    EXPECT_EQ(a.m_strImageType, b.m_strImageType);
    EXPECT_EQ(a.m_crTransparent, b.m_crTransparent);
    EXPECT_EQ(a.m_nLayout, b.m_nLayout);
    EXPECT_EQ(a.m_bNoHeader, b.m_bNoHeader);
    EXPECT_TRUE(a.m_sceneParams == b.m_sceneParams);
    EXPECT_EQ(a.m_bShow3D, b.m_bShow3D);
    EXPECT_EQ(a.m_bWireframe, b.m_bWireframe);
    EXPECT_EQ(a.m_b3DBitmapValid, b.m_b3DBitmapValid);
    EXPECT_EQ(a.m_bOpaque, b.m_bOpaque);
    EXPECT_EQ(a.m_3DBitmap.Width(), b.m_3DBitmap.Width());
    EXPECT_EQ(a.m_3DBitmap.Height(), b.m_3DBitmap.Height());
    EXPECT_EQ(a.m_3DBitmap.m_bits, b.m_3DBitmap.m_bits);
}

std::unique_ptr<CDrawRect> RoundTrip(CDrawRect& src, std::vector<BYTE>* bytes = nullptr)
{
    CArchive out;
    out.WriteObject(&src);
    if (bytes) *bytes = out.Buffer();
    CArchive in(out.Buffer());
    std::unique_ptr<CDrawRect> back(in.ReadObjectOf<CDrawRect>());
    EXPECT_TRUE(in.AtEnd());
    return back;
}

// Offset of the day cells' two thickness slots in a CDrawRect's record
// (after the class header of a first object).
std::size_t DaySlotsOffset(const CDrawRect& r)
{
    CArchive probe;
    probe.WriteObject(&r);
    const std::vector<BYTE>& b = probe.Buffer();
    // Find the slots by their neighbours: day transparent flag and alignment
    // come right before them, the special back colour right after.
    for (std::size_t i = 0; i + 16 <= b.size(); ++i) {
        DWORD second;
        std::memcpy(&second, &b[i + 4], 4);
        DWORD after;
        std::memcpy(&after, &b[i + 8], 4);
        if (second == static_cast<DWORD>(r.m_nDayBorderThickness) && after == r.m_crSpecialBack) {
            DWORD align;
            std::memcpy(&align, &b[i - 4], 4);
            if (align == static_cast<DWORD>(r.m_nDayAlign)) return i;
        }
    }
    return 0;
}

}  // namespace

TEST(DrawRectDefaults, NewObjectsTakeTheirDefaults)
{
    CEnvironment& env = Environment();
    const COLORREF face = env.m_crBtnFace;
    const COLORREF text = env.m_crBtnText;
    CDrawRect r(CRect(0, 0, 100, 100), CDrawRect::kindEllipse);
    EXPECT_EQ(r.m_nKind, CDrawRect::kindEllipse);
    EXPECT_EQ(r.m_roundness, CPoint(16, 16));
    EXPECT_FALSE(r.m_strText.empty());
    EXPECT_EQ(r.m_nGridLineType, 0);
    EXPECT_EQ(r.m_nGridThickness, 1);
    EXPECT_EQ(r.m_crGrid, 0x00FF0000u);
    EXPECT_EQ(r.m_fontHeader.m_strFaceName, "Tahoma");
    EXPECT_EQ(r.m_fontHeader.m_nPointSize, 8);
    EXPECT_EQ(r.m_fontHeader.m_bBold, 1);
    EXPECT_EQ(r.m_fontHeader.m_crColor, text);
    EXPECT_EQ(r.m_fontDays.m_bBold, 0);
    EXPECT_EQ(r.m_fontSpecial.m_bBold, 1);
    EXPECT_EQ(r.m_fontSpecial.m_crColor, 0x000000FFu);
    EXPECT_EQ(r.m_crHeaderBack, face);
    EXPECT_EQ(r.m_crSpecialBorder, face);
    EXPECT_EQ(r.m_nHeaderPercent, 14);
    EXPECT_EQ(r.m_strSpecialDates, ", ");
    EXPECT_EQ(r.m_strImagePath, env.m_strInstallDir + "BckImage.jpg");
    EXPECT_EQ(r.m_strImageType, "jpg");
    EXPECT_NE(r.m_pImage, nullptr);
    EXPECT_EQ(r.m_strHeader, r.GetMonthName(r.m_nMonth) + " " + CDrawRect::FormatNumber(r.m_nYear));
    EXPECT_GE(r.m_nFirstDayOfWeek, 1);
    EXPECT_LE(r.m_nFirstDayOfWeek, 7);

    CDrawRect frame(CRect(0, 0, 100, 100), CDrawRect::kindFrame);
    EXPECT_EQ(frame.m_nGridLineType, 1);
    EXPECT_EQ(frame.m_nGridThickness, 15);
    for (int tool : {-1, 0, 8, 10}) EXPECT_EQ(CDrawRect(CRect(), tool).m_nKind, 0) << tool;
}

TEST(DrawRectRecord, EveryFieldSurvivesARoundTrip)
{
    CDrawRect src(CRect(0, 0, 10, 10));
    SetEveryField(src);
    src.m_bFontsReady = 1;
    CDrawDoc doc;
    CArchive out;
    out.WriteObject(&src);
    CArchive in(out.Buffer());
    in.m_pDocument = &doc;
    std::unique_ptr<CDrawRect> back(in.ReadObjectOf<CDrawRect>());
    ASSERT_NE(back, nullptr);
    EXPECT_TRUE(in.AtEnd());
    ExpectSameRecord(src, *back);
    EXPECT_EQ(back->m_pDocument, &doc);
    EXPECT_EQ(back->m_bFontsReady, 0);
    ASSERT_NE(back->m_pImage, nullptr);
    EXPECT_EQ(back->m_pImage->GetType(), IMAGE_FORMAT_PNG);
    EXPECT_FALSE(back->m_pImage->IsValid());  // the file is not there
    EXPECT_FALSE(back->m_pImage->GetDrawTransparent());
    const RGBQUAD key = back->m_pImage->GetTransColor();
    EXPECT_EQ(key.rgbGreen, 255);
    EXPECT_EQ(key.rgbRed, 0);
}

TEST(DrawRectRecord, FontsReadyIsWrittenButReadBackAsZero)
{
    CDrawRect src(CRect(0, 0, 10, 10));
    src.m_bFontsReady = 1;
    src.m_nSpareSize = 0x5A5A5A5A;
    CArchive out;
    out.WriteObject(&src);
    const std::vector<BYTE>& b = out.Buffer();
    // The spare size is followed by the stored flag.
    bool found = false;
    for (std::size_t i = 0; i + 8 <= b.size(); ++i)
        if (b[i] == 0x5A && b[i + 1] == 0x5A && b[i + 2] == 0x5A && b[i + 3] == 0x5A) {
            EXPECT_EQ(b[i + 4], 1);
            found = true;
            break;
        }
    EXPECT_TRUE(found);
    CArchive in(b);
    std::unique_ptr<CDrawRect> back(in.ReadObjectOf<CDrawRect>());
    EXPECT_EQ(back->m_bFontsReady, 0);
}

TEST(DrawRectRecord, ImageTypeIsCaseSensitive)
{
    const char* types[] = {"bmp", "gif", "jpg", "jpeg", "png", "ico", "tif", "tiff", "tga", "pcx", "JPG", "PNG", "xyz", ""};
    const int codes[] = {0, 1, 2, 2, 3, 4, 5, 5, 6, 7, 0, 0, 0, 0};
    for (std::size_t i = 0; i < std::size(types); ++i) {
        CDrawRect src(CRect(0, 0, 10, 10), CDrawRect::kindImage);
        src.m_strImageType = types[i];
        auto back = RoundTrip(src);
        ASSERT_NE(back->m_pImage, nullptr);
        EXPECT_EQ(back->m_pImage->GetType(), codes[i]) << types[i];
    }
}

TEST(DrawRectRecord, DayBorderLineTypeRidesInTheFirstThicknessSlot)
{
    CDrawRect src(CRect(0, 0, 10, 10), CDrawRect::kindCalendar);
    src.m_nDayBorderType = 2;  // dot
    src.m_nDayBorderThickness = 3;
    src.m_nDayAlign = 0x1234567;
    src.m_crSpecialBack = 0x00ABCDEF;
    std::vector<BYTE> bytes;
    auto back = RoundTrip(src, &bytes);
    EXPECT_EQ(back->m_nDayBorderType, 2);
    EXPECT_EQ(back->m_nDayBorderThickness, 3);

    const std::size_t at = DaySlotsOffset(src);
    ASSERT_GT(at, 0u);
    DWORD first, second;
    std::memcpy(&first, &bytes[at], 4);
    std::memcpy(&second, &bytes[at + 4], 4);
    EXPECT_EQ(first, 0x00020003u);
    EXPECT_EQ(second, 3u);

    // A record that carries the thickness twice (the older form) reads back
    // as a solid border of that thickness.
    std::vector<BYTE> older = bytes;
    std::memcpy(&older[at], &second, 4);
    CArchive in(older);
    std::unique_ptr<CDrawRect> old(in.ReadObjectOf<CDrawRect>());
    EXPECT_EQ(old->m_nDayBorderType, 0);
    EXPECT_EQ(old->m_nDayBorderThickness, 3);

    // A solid border writes the same value into both slots.
    src.m_nDayBorderType = 0;
    std::vector<BYTE> solid;
    RoundTrip(src, &solid);
    std::memcpy(&first, &solid[at], 4);
    EXPECT_EQ(first, 3u);
}

TEST(DrawRectRecord, SceneFloatsAreStoredComponentByComponent)
{
    CDrawRect src(CRect(0, 0, 10, 10));
    src.m_sceneParams.shininess = 3.25f;
    src.m_sceneParams.light[0].position[0] = 111.0f;
    src.m_sceneParams.light[0].specular[0] = 222.0f;
    src.m_sceneParams.rotation[0] = 333.0f;
    src.m_sceneParams.light[0].position[1] = 444.0f;
    CArchive out;
    out.WriteObject(&src);
    const std::vector<BYTE>& b = out.Buffer();
    // Find the shininess, then the first component of the 18 vectors, then
    // the second component of the first vector.
    auto floatAt = [&b](std::size_t i) {
        float f;
        std::memcpy(&f, &b[i], 4);
        return f;
    };
    std::size_t at = 0;
    for (std::size_t i = 0; i + 4 <= b.size(); ++i)
        if (floatAt(i) == 3.25f) {
            at = i;
            break;
        }
    ASSERT_GT(at, 0u);
    EXPECT_EQ(floatAt(at + 4), 111.0f);
    EXPECT_EQ(floatAt(at + 8), 222.0f);
    EXPECT_EQ(floatAt(at + 4 + 17 * 4), 333.0f);
    EXPECT_EQ(floatAt(at + 4 + 18 * 4), 444.0f);
}

TEST(DrawRectRecord, TruncatedAndCorruptRecordsThrow)
{
    CDrawRect src(CRect(0, 0, 10, 10));
    SetEveryField(src);
    CArchive out;
    out.WriteObject(&src);
    const std::vector<BYTE>& full = out.Buffer();
    for (std::size_t n = 0; n < full.size(); n += 3) {
        CArchive in(full.data(), n);
        EXPECT_THROW(std::unique_ptr<CObject>(in.ReadObject()), CArchiveException) << n;
    }
    // A bitmap whose header promises more pixels than remain.
    std::vector<BYTE> big = full;
    const std::size_t header = big.size() - src.m_3DBitmap.m_bits.size() - 40;
    big[header + 4] = 0xFF;  // width
    big[header + 5] = 0x7F;
    big[header + 20] = 0xFF;  // image size
    big[header + 21] = 0xFF;
    big[header + 22] = 0x0F;
    CArchive in(big);
    EXPECT_THROW(std::unique_ptr<CObject>(in.ReadObject()), CArchiveException);
}

TEST(DrawRectClone, CopiesEveryPersistedFieldAndRebuildsThePicture)
{
    CDrawDoc doc;
    CDrawRect src(CRect(0, 0, 10, 10));
    SetEveryField(src);
    src.m_nDayBorderThickness = 0x12345;  // too wide for the record's upper half
    src.m_nDayBorderType = 3;
    src.m_bFontsReady = 1;
    CDrawObj* obj = src.Clone(&doc);
    auto* clone = dynamic_cast<CDrawRect*>(obj);
    ASSERT_NE(clone, nullptr);
    ExpectSameRecord(src, *clone);
    EXPECT_EQ(clone->m_bFontsReady, 0);
    EXPECT_EQ(clone->m_fontHeader.m_pFont, nullptr);
    ASSERT_NE(clone->m_pImage, nullptr);
    EXPECT_NE(clone->m_pImage.get(), src.m_pImage.get());
    EXPECT_EQ(clone->m_pDocument, &doc);
    EXPECT_EQ(doc.GetObjects()->back(), obj);
}

TEST(DrawRectFonts, SettersIgnoreBadSizesAndMissingFaces)
{
    CDrawRect r(CRect(0, 0, 10, 10));
    r.m_bFontsReady = 1;
    r.SetHeaderFont("", 12, 0, 0, 0, 0);
    r.SetDayNameFont("X", 0, 0, 0, 0, 0);
    r.SetDaysFont("X", 73, 0, 0, 0, 0);
    EXPECT_EQ(r.m_bFontsReady, 1);
    EXPECT_EQ(r.m_fontHeader.m_strFaceName, "Tahoma");
    r.SetSpecialFont("DejaVu Sans", 72, 0, 1, 1, RGB(1, 2, 3));
    EXPECT_EQ(r.m_bFontsReady, 0);
    EXPECT_EQ(r.m_fontSpecial.m_strFaceName, "DejaVu Sans");
    EXPECT_EQ(r.m_fontSpecial.m_nPointSize, 72);
    EXPECT_EQ(r.m_fontSpecial.m_bBold, 0);
    EXPECT_EQ(r.m_fontSpecial.m_bItalic, 1);
    EXPECT_EQ(r.m_fontSpecial.m_crColor, RGB(1, 2, 3));
    r.SetDefaultFace("");
    EXPECT_EQ(r.m_strDefaultFace, "Tahoma");
    r.SetDefaultFace("DejaVu Sans");
    EXPECT_EQ(r.m_strDefaultFace, "DejaVu Sans");
}

TEST(DrawRectFonts, HeightComesFromTheReferenceResolution)
{
    CCalFont font;
    font.m_strFaceName = "DejaVu Sans";
    font.m_nPointSize = 8;
    font.m_nRotation = 90;
    font.m_bBold = 1;
    font.m_bItalic = 1;
    font.CreateGdiFont(nullptr);
    ASSERT_NE(font.m_pFont, nullptr);
    const LOGFONT& lf = font.m_pFont->m_logfont;
    EXPECT_EQ(lf.lfHeight, -11);  // 8 × 96 / 72 = 10.67, rounded
    EXPECT_EQ(lf.lfEscapement, 900);
    EXPECT_EQ(lf.lfWeight, FW_BOLD);
    EXPECT_EQ(lf.lfItalic, 1);
    EXPECT_EQ(lf.lfUnderline, 0);
    EXPECT_EQ(lf.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(lf.lfFaceName, "DejaVu Sans");
    EXPECT_EQ(CCalFont::HeightForPoints(72), -96);
    EXPECT_EQ(CCalFont::HeightForPoints(1), -1);

    // A copy carries the description only.
    CCalFont copy(font);
    EXPECT_EQ(copy.m_pFont, nullptr);
    EXPECT_EQ(copy.m_nRotation, 90);
}

TEST(DrawRectGeometry, LineAndRoundRectangleHandles)
{
    CDrawRect line(CRect(0, 100, 100, 0), CDrawRect::kindLine);
    EXPECT_EQ(line.HandleCount(), 2);
    EXPECT_EQ(line.HandlePoint(2), CPoint(100, 0));
    EXPECT_EQ(line.HandleCursor(2), CursorShape::SizeNWSE);
    line.MoveHandleTo(2, CPoint(50, 60));
    EXPECT_EQ(line.m_position, CRect(0, 100, 50, 60));

    CDrawRect round(CRect(0, 60, 100, 0), CDrawRect::kindRoundRect);
    EXPECT_EQ(round.HandleCount(), 9);
    EXPECT_EQ(round.HandlePoint(9), CPoint(92, 52));
    EXPECT_EQ(round.HandleCursor(9), CursorShape::SizeAll);
    round.MoveHandleTo(9, CPoint(50, 30));
    EXPECT_EQ(round.m_roundness, CPoint(100, 60));
    round.MoveHandleTo(9, CPoint(500, 500));  // clamped to one unit inside
    EXPECT_EQ(round.m_roundness, CPoint(2, 2));
    EXPECT_EQ(round.m_position, CRect(0, 60, 100, 0));
    EXPECT_EQ(CDrawRect(CRect(), CDrawRect::kindText).HandleCount(), 8);
}

TEST(DrawRectGeometry, IntersectsByKind)
{
    const CRect corner(2, 2, 3, 3);   // inside the box, outside a round shape
    const CRect centre(49, 49, 51, 51);
    CDrawRect rect(CRect(0, 0, 100, 100));
    EXPECT_TRUE(rect.Intersects(corner));
    CDrawRect ellipse(CRect(0, 0, 100, 100), CDrawRect::kindEllipse);
    EXPECT_FALSE(ellipse.Intersects(corner));
    EXPECT_TRUE(ellipse.Intersects(centre));
    CDrawRect round(CRect(0, 0, 100, 100), CDrawRect::kindRoundRect);
    round.m_roundness = CPoint(40, 40);
    EXPECT_FALSE(round.Intersects(corner));
    EXPECT_TRUE(round.Intersects(CRect(50, 0, 51, 1)));
    EXPECT_FALSE(rect.Intersects(CRect(200, 200, 201, 201)));

    // A line along the rising diagonal is found there, not on the other one.
    CDrawRect rising(CRect(0, 0, 100, 100), CDrawRect::kindLine);
    EXPECT_TRUE(rising.Intersects(CRect(70, 70, 71, 71)));
    EXPECT_FALSE(rising.Intersects(CRect(10, 88, 11, 89)));
    CDrawRect falling(CRect(0, 100, 100, 0), CDrawRect::kindLine);
    EXPECT_TRUE(falling.Intersects(CRect(10, 89, 11, 90)));
    EXPECT_FALSE(falling.Intersects(CRect(70, 70, 71, 71)));
    // Level and upright lines have empty boxes but can still be hit.
    CDrawRect level(CRect(0, 50, 100, 50), CDrawRect::kindLine);
    EXPECT_TRUE(level.Intersects(CRect(40, 50, 41, 51)));
    EXPECT_FALSE(level.Intersects(CRect(40, 60, 41, 61)));
    CDrawRect upright(CRect(20, 0, 20, 100), CDrawRect::kindLine);
    EXPECT_TRUE(upright.Intersects(CRect(19, 40, 20, 41)));
}

TEST(DrawRectImage, SetImageFileFitsTheAspect)
{
    const std::string wide = WriteBmp("objtest_wide.bmp", 40, 20, 10, 200, 10);
    CDrawRect r(CRect(300, -200, -300, 200));
    r.SetImageFile(wide, "bmp");
    EXPECT_EQ(r.m_nKind, CDrawRect::kindImage);
    ASSERT_TRUE(r.m_pImage && r.m_pImage->IsValid());
    // ih < iw: top = bottom + ih × w / iw = 200 + 20 × (-600) / 40.
    EXPECT_EQ(r.m_position, CRect(300, -100, -300, 200));

    const std::string tall = WriteBmp("objtest_tall.bmp", 10, 30, 10, 200, 10);
    CDrawRect t(CRect(300, -200, -300, 200));
    t.SetImageFile(tall, "bmp");
    // left = right + iw × h / ih = -300 + 10 × 400 / 30 = -300 + 133.
    EXPECT_EQ(t.m_position, CRect(-167, -200, -300, 200));

    CDrawRect missing(CRect(300, -200, -300, 200));
    missing.SetImageFile("/nonexistent.bmp", "bmp");
    EXPECT_EQ(missing.m_position, CRect(300, -200, -300, 200));
    CDrawRect capitals(CRect(300, -200, -300, 200));
    capitals.SetImageFile(wide, "BMP");  // unknown text: decoded as BMP all the same
    EXPECT_TRUE(capitals.m_pImage->IsValid());
}

TEST(DrawRectImage, SetFrameStyleStylesAFrame)
{
    CDrawRect r(CRect(0, 0, 10, 10), CDrawRect::kindFrame);
    r.m_logpen.lopnWidth = CPoint(9, 9);
    r.SetFrameStyle(1, 4, 0, 2, 99, RGB(1, 2, 3), RGB(4, 5, 6), 25, 0, "/nonexistent.gif", "gif");
    EXPECT_EQ(r.m_bFill, 0);
    EXPECT_EQ(r.m_bDrawBorder, 0);
    EXPECT_EQ(r.m_logpen.lopnWidth, CPoint(9, 9));  // the outline is off
    EXPECT_EQ(r.m_nBorderLineType, 2);
    EXPECT_EQ(r.m_nBorderThickness, 4);
    EXPECT_EQ(r.LineColor(), RGB(1, 2, 3));
    EXPECT_EQ(r.FillColor(), RGB(4, 5, 6));
    EXPECT_EQ(r.m_nGridThickness, 25);
    EXPECT_EQ(r.m_nGridLineType, 0);
    EXPECT_EQ(r.m_strImagePath, "/nonexistent.gif");
    ASSERT_NE(r.m_pImage, nullptr);
    EXPECT_EQ(r.m_pImage->GetType(), IMAGE_FORMAT_GIF);
    r.SetFrameStyle(0, 4, 1, 2, 99, RGB(1, 2, 3), RGB(4, 5, 6), 25, 1, "", "jpg");
    EXPECT_EQ(r.m_bFill, 1);
    EXPECT_EQ(r.m_logpen.lopnWidth, CPoint(4, 4));
}
