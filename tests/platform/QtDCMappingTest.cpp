// Mapping modes seen in pixels: every mode with y growing upwards puts a
// square one inch from the origin where a ruler would.

#include "QtDCTestUtil.h"

#include "platform/QtSettingsStore.h"

#include <QTemporaryDir>

using namespace surfacetest;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class SurfaceMappingPixels : public SurfaceTest {};

struct ModeCase {
    int mode;
    int perInch;
    const char* name;
};

TEST_F(SurfaceMappingPixels, FixedModesWithYUp)
{
    const ModeCase cases[] = {
        {MM_LOMETRIC, 254, "lometric"}, {MM_HIMETRIC, 2540, "himetric"}, {MM_LOENGLISH, 100, "loenglish"},
        {MM_HIENGLISH, 1000, "hienglish"}, {MM_TWIPS, 1440, "twips"},
    };
    for (const ModeCase& c : cases) {
        QImage image = WhiteImage(300, 300);
        {
            CQtDC dc(image);
            dc.SetMapMode(c.mode);
            // The device's top-left corner is the origin; y grows upwards,
            // so the page lies at negative y.
            CBrush red(kRed);
            dc.SelectObject(&red);
            dc.SelectStockObject(NULL_PEN);
            dc.Rectangle(c.perInch, -c.perInch, 2 * c.perInch, -2 * c.perInch);
        }
        EXPECT_EQ(At(image, 96, 96), kRed) << c.name;
        EXPECT_EQ(At(image, 191, 191), kRed) << c.name;
        EXPECT_EQ(At(image, 95, 150), kWhite) << c.name;
        EXPECT_EQ(At(image, 192, 150), kWhite) << c.name;
        EXPECT_EQ(At(image, 150, 192), kWhite) << c.name;
        EXPECT_EQ(CountColor(image, QRect(0, 0, 300, 300), kRed), 96 * 96) << c.name;
    }
}

TEST_F(SurfaceMappingPixels, PageUnitsOfTheDesignView)
{
    // A 850 x 1100 page at 96 dpi: the page's top-left corner (-425, 550)
    // at the device origin, y growing upwards.
    QImage image = WhiteImage(816, 1056);
    {
        CQtDC dc(image);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetViewportExt(dc.GetDeviceCaps(LOGPIXELSX), dc.GetDeviceCaps(LOGPIXELSY));
        dc.SetWindowExt(100, -100);
        dc.SetWindowOrg(-425, 550);
        // A rectangle stored as generated objects are: left > right,
        // top < bottom (so the stored bottom is the visual top).
        CBrush red(kRed);
        dc.SelectObject(&red);
        dc.SelectStockObject(NULL_PEN);
        dc.Rectangle(100, -100, -100, 100);
        // The page's centre line, drawn with a pen.
        CPen blue(PS_SOLID, 1, kBlue);
        dc.SelectObject(&blue);
        dc.MoveTo(-425, 0);
        dc.LineTo(425, 0);
    }
    EXPECT_EQ(At(image, 408 - 96, 528 - 96), kRed);
    EXPECT_EQ(At(image, 408 + 95, 528 + 95), kRed);
    EXPECT_EQ(At(image, 408 + 96, 528 + 50), kWhite);
    EXPECT_EQ(At(image, 408 - 97, 528 + 50), kWhite);
    EXPECT_EQ(At(image, 0, 528), kBlue);
    EXPECT_EQ(At(image, 815, 528), kBlue);
}

TEST_F(SurfaceMappingPixels, PrinterStyleStretchToThePrintableArea)
{
    // The page is stretched over the device independently on both axes.
    QImage image = WhiteImage(400, 200);
    {
        CQtDC dc(image);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(850, -1100);
        dc.SetViewportExt(400, 200);
        dc.SetWindowOrg(-425, 550);
        dc.FillSolidRect(CRect(-425, 550, 425, -550), kRed);
    }
    EXPECT_EQ(CountColor(image, QRect(0, 0, 400, 200), kRed), 400 * 200);
}

TEST_F(SurfaceMappingPixels, IsotropicKeepsCirclesRound)
{
    QImage image = WhiteImage(300, 100);
    {
        CQtDC dc(image);
        dc.SetMapMode(MM_ISOTROPIC);
        dc.SetWindowExt(100, 100);
        dc.SetViewportExt(300, -100);  // shrinks to 100 x -100
        dc.SetViewportOrg(50, 50);
        CBrush red(kRed);
        dc.SelectObject(&red);
        dc.SelectStockObject(NULL_PEN);
        dc.Ellipse(-50, 50, 50, -50);
    }
    const QRect ink = [&] {
        QRect box;
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 300; ++x)
                if (At(image, x, y) == kRed) box = box.united(QRect(x, y, 1, 1));
        return box;
    }();
    EXPECT_EQ(ink, QRect(0, 0, 100, 100));
}

TEST_F(SurfaceMappingPixels, SaveAndRestoreBringBackMappingAndClip)
{
    QImage image = WhiteImage(100, 100);
    {
        CQtDC dc(image);
        const int saved = dc.SaveDC();
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1, 1);
        dc.SetViewportExt(2, 2);
        dc.IntersectClipRect(0, 0, 10, 10);
        dc.FillSolidRect(CRect(0, 0, 50, 50), kRed);  // only 20 x 20 pixels show
        EXPECT_TRUE(dc.RestoreDC(saved));
        dc.FillSolidRect(CRect(50, 50, 60, 60), kBlue);  // 1:1 and unclipped again
    }
    EXPECT_EQ(CountColor(image, QRect(0, 0, 100, 100), kRed), 400);
    EXPECT_EQ(CountColor(image, QRect(0, 0, 100, 100), kBlue), 100);
}

TEST_F(SurfaceMappingPixels, ViewportOffsetOfAnOffScreenBuffer)
{
    // The design view paints only the invalid part r through a buffer of
    // r's size whose viewport origin is moved by -r's corner.
    const CRect r(40, 30, 80, 60);
    QImage window = WhiteImage(100, 100);
    {
        CQtDC dc(window);
        auto mem = dc.CreateCompatibleDC();
        CBitmap buffer;
        ASSERT_TRUE(buffer.CreateCompatibleBitmap(&dc, r.Width(), r.Height()));
        CBitmap* old = mem->SelectObject(&buffer);
        mem->OffsetViewportOrg(-r.left, -r.top);
        mem->FillSolidRect(CRect(0, 0, 100, 100), kWhite);
        mem->FillSolidRect(CRect(50, 40, 60, 50), kRed);
        mem->SetViewportOrg(0, 0);
        dc.BitBlt(r.left, r.top, r.Width(), r.Height(), mem.get(), 0, 0, SRCCOPY);
        mem->SelectObject(old);
    }
    EXPECT_EQ(At(window, 50, 40), kRed);
    EXPECT_EQ(At(window, 59, 49), kRed);
    EXPECT_EQ(At(window, 60, 49), kWhite);
    EXPECT_EQ(CountColor(window, QRect(0, 0, 100, 100), kRed), 100);
}

TEST(SurfaceSettings, IniStoreKeepsSectionsAndValues)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("mondrel.ini");
    {
        CQtSettingsStore store(path);
        EXPECT_EQ(store.GetProfileInt("Settings", "DrawGrid", 7), 7);
        EXPECT_TRUE(store.WriteProfileInt("Settings", "DrawGrid", 1));
        EXPECT_TRUE(store.WriteProfileInt("Settings", "GridColor", -1));
        EXPECT_TRUE(store.WriteProfileString("Settings", "DestinationPath", "/home/zoë/Bilder"));
        EXPECT_TRUE(store.WriteProfileInt("ControlBars\\State", "Visible", 0));
        EXPECT_TRUE(store.WriteProfileString("Tip", "StartUp", "not a number"));
    }
    CQtSettingsStore again(path);
    EXPECT_EQ(again.GetProfileInt("Settings", "DrawGrid", 0), 1);
    EXPECT_EQ(again.GetProfileInt("Settings", "GridColor", 0), -1);
    EXPECT_EQ(again.GetProfileString("Settings", "DestinationPath", ""), "/home/zoë/Bilder");
    EXPECT_EQ(again.GetProfileInt("ControlBars\\State", "Visible", 5), 0);
    EXPECT_EQ(again.GetProfileInt("Tip", "StartUp", 3), 3);
    EXPECT_EQ(again.GetProfileString("Tip", "Missing", "default"), "default");
}

}  // namespace
