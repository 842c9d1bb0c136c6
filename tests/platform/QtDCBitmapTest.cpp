// Pictures, memory surfaces and raster operations through the Qt surface.

#include "QtDCTestUtil.h"

#include <QPdfWriter>
#include <QTemporaryDir>

#include <cstring>

using namespace surfacetest;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

class SurfaceBitmaps : public SurfaceTest {};

// A DIB in memory: header, colour table and rows.
struct Dib {
    std::vector<BYTE> header;
    std::vector<BYTE> bits;
    const BITMAPINFO* Info() const { return reinterpret_cast<const BITMAPINFO*>(header.data()); }
};

// Makes a 2 x 2 picture in the given depth whose rows, top to bottom, are
// (red, green) and (blue, white), stored bottom-up or top-down.
Dib MakeQuad(int bpp, bool topDown)
{
    Dib dib;
    const COLORREF top[2] = {kRed, kGreen}, bottom[2] = {kBlue, kWhite};
    const COLORREF palette[4] = {kRed, kGreen, kBlue, kWhite};
    const int colors = bpp <= 8 ? (1 << bpp) : 0;
    dib.header.assign(sizeof(BITMAPINFOHEADER) + 4 * std::max(colors, 3), 0);
    BITMAPINFOHEADER h{};
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = 2;
    h.biHeight = topDown ? -2 : 2;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(bpp);
    h.biCompression = BI_RGB;
    std::memcpy(dib.header.data(), &h, sizeof h);
    RGBQUAD* table = reinterpret_cast<RGBQUAD*>(dib.header.data() + sizeof h);
    if (bpp == 1) {
        // Two colours only: red and white; blue and green become them.
        table[0] = RGBQUAD{0, 0, 255, 0};
        table[1] = RGBQUAD{255, 255, 255, 0};
    } else if (colors) {
        for (int i = 0; i < 4; ++i)
            table[i] = RGBQUAD{BYTE(GetBValue(palette[i])), BYTE(GetGValue(palette[i])), BYTE(GetRValue(palette[i])), 0};
    }
    const long long rowBytes = DibRowSize(2, bpp);
    dib.bits.assign(static_cast<std::size_t>(rowBytes * 2), 0);
    for (int row = 0; row < 2; ++row) {
        const COLORREF* colorsOfRow = row == 0 ? top : bottom;
        const int stored = topDown ? row : 1 - row;
        BYTE* out = dib.bits.data() + rowBytes * stored;
        for (int x = 0; x < 2; ++x) {
            const COLORREF c = colorsOfRow[x];
            const int index = row * 2 + x;
            switch (bpp) {
            case 1: out[0] |= BYTE((c == kRed ? 0 : 1) << (7 - x)); break;
            case 4: out[0] |= BYTE(index << (x ? 0 : 4)); break;
            case 8: out[x] = BYTE(index); break;
            case 16: {
                const unsigned v = ((GetRValue(c) >> 3) << 10) | ((GetGValue(c) >> 3) << 5) | (GetBValue(c) >> 3);
                out[2 * x] = BYTE(v);
                out[2 * x + 1] = BYTE(v >> 8);
                break;
            }
            case 24:
                out[3 * x] = BYTE(GetBValue(c));
                out[3 * x + 1] = BYTE(GetGValue(c));
                out[3 * x + 2] = BYTE(GetRValue(c));
                break;
            default:
                out[4 * x] = BYTE(GetBValue(c));
                out[4 * x + 1] = BYTE(GetGValue(c));
                out[4 * x + 2] = BYTE(GetRValue(c));
                out[4 * x + 3] = 0;  // ignored in an opaque draw
                break;
            }
        }
    }
    return dib;
}

// Near enough for 5-bit channels.
bool Close(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) < 9 && std::abs(GetGValue(a) - GetGValue(b)) < 9 &&
           std::abs(GetBValue(a) - GetBValue(b)) < 9;
}

TEST_F(SurfaceBitmaps, StretchDIBitsFromEveryDepth)
{
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        for (bool topDown : {false, true}) {
            const Dib dib = MakeQuad(bpp, topDown);
            QImage image = WhiteImage(40, 40);
            {
                CQtDC dc(image);
                dc.SetStretchBltMode(COLORONCOLOR);
                EXPECT_EQ(dc.StretchDIBits(0, 0, 40, 40, 0, 0, 2, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS,
                                           SRCCOPY),
                          2);
            }
            const bool mono = bpp == 1;
            EXPECT_TRUE(Close(At(image, 5, 5), kRed)) << bpp << topDown;
            EXPECT_TRUE(Close(At(image, 35, 5), mono ? kWhite : kGreen)) << bpp << topDown;
            EXPECT_TRUE(Close(At(image, 5, 35), mono ? kWhite : kBlue)) << bpp << topDown;
            EXPECT_TRUE(Close(At(image, 35, 35), kWhite)) << bpp << topDown;
            // Nearest neighbour: each source pixel is a sharp 20 x 20 block.
            EXPECT_TRUE(Close(At(image, 19, 19), kRed)) << bpp << topDown;
        }
    }
}

TEST_F(SurfaceBitmaps, SourceRectanglesCountRowsFromTheBottom)
{
    const Dib dib = MakeQuad(24, false);
    QImage image = WhiteImage(10, 10);
    {
        CQtDC dc(image);
        // Row 0 from the bottom is the blue-white row.
        dc.StretchDIBits(0, 0, 10, 10, 0, 0, 1, 1, dib.bits.data(), dib.Info(), DIB_RGB_COLORS, SRCCOPY);
    }
    EXPECT_EQ(At(image, 5, 5), kBlue);
}

TEST_F(SurfaceBitmaps, MirroredAndFlippedDestinations)
{
    const Dib dib = MakeQuad(24, false);
    QImage image = WhiteImage(40, 40);
    {
        CQtDC dc(image);
        // Right to left and bottom to top: turned by half a turn.
        dc.StretchDIBits(40, 40, -40, -40, 0, 0, 2, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS, SRCCOPY);
    }
    EXPECT_EQ(At(image, 5, 5), kWhite);
    EXPECT_EQ(At(image, 35, 5), kBlue);
    EXPECT_EQ(At(image, 35, 35), kRed);

    // Under a y-up mapping a positive height points up the page, so the
    // picture is drawn with its first row at the visual top when the
    // destination's origin is its lower-left corner.
    QImage page = WhiteImage(40, 40);
    {
        CQtDC dc(page);
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1, -1);
        dc.SetViewportExt(1, 1);
        dc.SetViewportOrg(0, 40);
        dc.StretchDIBits(0, 40, 40, -40, 0, 0, 2, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS, SRCCOPY);
    }
    EXPECT_EQ(At(page, 5, 5), kRed);
    EXPECT_EQ(At(page, 5, 35), kBlue);
}

TEST_F(SurfaceBitmaps, HalftoneAveragesWhenShrinking)
{
    // A 4 x 1 picture of black and white stripes shrunk to 2 x 1 pixels.
    std::vector<BYTE> header(sizeof(BITMAPINFOHEADER), 0);
    BITMAPINFOHEADER h{sizeof(BITMAPINFOHEADER), 4, 1, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(header.data(), &h, sizeof h);
    const BYTE bits[12] = {0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 255, 255};
    QImage image = WhiteImage(2, 1);
    {
        CQtDC dc(image);
        dc.SetStretchBltMode(HALFTONE);
        dc.StretchDIBits(0, 0, 2, 1, 0, 0, 4, 1, bits, reinterpret_cast<const BITMAPINFO*>(header.data()),
                         DIB_RGB_COLORS, SRCCOPY);
    }
    EXPECT_NEAR(GetRValue(At(image, 0, 0)), 128, 2);
}

TEST_F(SurfaceBitmaps, SetDIBitsToDeviceCopiesOneToOne)
{
    const Dib dib = MakeQuad(24, false);
    QImage image = WhiteImage(10, 10);
    {
        CQtDC dc(image);
        EXPECT_EQ(dc.SetDIBitsToDevice(3, 4, 2, 2, 0, 0, 0, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS), 2);
    }
    EXPECT_EQ(At(image, 3, 4), kRed);
    EXPECT_EQ(At(image, 4, 4), kGreen);
    EXPECT_EQ(At(image, 3, 5), kBlue);
    EXPECT_EQ(At(image, 5, 5), kWhite);
    EXPECT_EQ(At(image, 2, 4), kWhite);
}

TEST_F(SurfaceBitmaps, StraightAlphaBlendsOverTheDestination)
{
    std::vector<BYTE> header(sizeof(BITMAPINFOHEADER), 0);
    BITMAPINFOHEADER h{sizeof(BITMAPINFOHEADER), 3, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::memcpy(header.data(), &h, sizeof h);
    // Opaque blue, transparent blue, half-transparent red (not premultiplied).
    const BYTE bits[12] = {255, 0, 0, 255, 255, 0, 0, 0, 0, 0, 255, 128};
    QImage image(3, 1, QImage::Format_RGB32);
    image.fill(QColor(0, 255, 0));
    {
        CQtDC dc(image);
        EXPECT_EQ(dc.StretchDIBitsAlpha(0, 0, 3, 1, 0, 0, 3, 1, bits, reinterpret_cast<const BITMAPINFO*>(header.data())),
                  1);
    }
    EXPECT_EQ(At(image, 0, 0), kBlue);
    EXPECT_EQ(At(image, 1, 0), kGreen);
    const COLORREF mix = At(image, 2, 0);
    EXPECT_NEAR(GetRValue(mix), 128, 3);
    EXPECT_NEAR(GetGValue(mix), 127, 3);
}

struct RopCase {
    DWORD rop;
    COLORREF expected;  // for destination 0x336699 and source 0xF0F00F
    const char* name;
};

TEST_F(SurfaceBitmaps, EveryRasterOperation)
{
    const COLORREF dst = RGB(0x33, 0x66, 0x99), src = RGB(0xF0, 0xF0, 0x0F), pat = RGB(0x0F, 0xFF, 0x00);
    auto rgbOp = [](COLORREF a, COLORREF b, auto op) {
        return RGB(op(GetRValue(a), GetRValue(b)) & 0xFF, op(GetGValue(a), GetGValue(b)) & 0xFF,
                   op(GetBValue(a), GetBValue(b)) & 0xFF);
    };
    const RopCase cases[] = {
        {SRCCOPY, src, "SRCCOPY"},
        {SRCAND, rgbOp(src, dst, [](int a, int b) { return a & b; }), "SRCAND"},
        {SRCPAINT, rgbOp(src, dst, [](int a, int b) { return a | b; }), "SRCPAINT"},
        {SRCINVERT, rgbOp(src, dst, [](int a, int b) { return a ^ b; }), "SRCINVERT"},
        {NOTSRCCOPY, rgbOp(src, src, [](int a, int) { return ~a; }), "NOTSRCCOPY"},
        {DSTINVERT, rgbOp(dst, dst, [](int a, int) { return ~a; }), "DSTINVERT"},
        {PATCOPY, pat, "PATCOPY"},
        {PATINVERT, rgbOp(pat, dst, [](int a, int b) { return a ^ b; }), "PATINVERT"},
        {BLACKNESS, kBlack, "BLACKNESS"},
        {WHITENESS, kWhite, "WHITENESS"},
    };
    for (const RopCase& c : cases) {
        QImage image(20, 10, QImage::Format_RGB32);
        image.fill(QColor(0x33, 0x66, 0x99));
        {
            CQtDC dc(image);
            auto mem = dc.CreateCompatibleDC();
            CBitmap bitmap;
            ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 10, 10));
            CBitmap* old = mem->SelectObject(&bitmap);
            mem->FillSolidRect(CRect(0, 0, 10, 10), src);
            CBrush brush(pat);
            dc.SelectObject(&brush);
            EXPECT_TRUE(dc.BitBlt(5, 0, 10, 10, mem.get(), 0, 0, c.rop)) << c.name;
            mem->SelectObject(old);
            dc.SelectStockObject(WHITE_BRUSH);
        }
        EXPECT_EQ(At(image, 8, 5), c.expected) << c.name;
        EXPECT_EQ(At(image, 4, 5), dst) << c.name;
        EXPECT_EQ(At(image, 15, 5), dst) << c.name;
        // Whatever the operation did, the pixels stay opaque.
        EXPECT_EQ(qAlpha(image.pixel(8, 5)), 255) << c.name;
    }
}

TEST_F(SurfaceBitmaps, PatBltInvertsTwiceToTheOriginal)
{
    QImage image = WhiteImage(20, 20);
    image.setPixel(5, 5, qRgb(10, 20, 30));
    const QImage before = image.copy();
    {
        CQtDC dc(image);
        dc.PatBlt(2, 2, 7, 7, DSTINVERT);
        EXPECT_EQ(dc.GetPixel(5, 5), RGB(245, 235, 225));
        EXPECT_EQ(dc.GetPixel(2, 2), kBlack);
        EXPECT_EQ(dc.GetPixel(9, 9), kWhite);
        dc.PatBlt(2, 2, 7, 7, DSTINVERT);
    }
    EXPECT_EQ(image, before);
}

TEST_F(SurfaceBitmaps, MemorySurfaceDrawsIntoItsBitmap)
{
    QImage image = WhiteImage(50, 50);
    CQtDC dc(image, 120);
    auto mem = dc.CreateCompatibleDC();
    EXPECT_EQ(mem->GetDeviceCaps(LOGPIXELSX), 120);
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&dc, 30, 20));
    EXPECT_EQ(bitmap.Pixels()[0], 0xFF000000u);  // starts black
    CBitmap* old = mem->SelectObject(&bitmap);
    EXPECT_EQ(mem->GetDeviceCaps(HORZRES), 30);
    mem->FillSolidRect(CRect(0, 0, 30, 20), kWhite);
    CBrush red(kRed);
    mem->SelectObject(&red);
    mem->SelectStockObject(NULL_PEN);
    mem->Rectangle(10, 5, 20, 15);
    EXPECT_EQ(bitmap.Pixels()[5 * 30 + 10], 0xFFFF0000u);
    EXPECT_EQ(bitmap.Pixels()[15 * 30 + 20], 0xFFFFFFFFu);
    mem->SetPixel(0, 0, kBlue);
    EXPECT_EQ(mem->GetPixel(0, 0), kBlue);
    // Copy to the image, then stretch it to twice its size.
    dc.BitBlt(0, 0, 30, 20, mem.get(), 0, 0, SRCCOPY);
    dc.StretchBlt(0, 20, 60, 40, mem.get(), 0, 0, 30, 20, SRCCOPY);
    // Selecting the first answer back lets go of the bitmap.
    ASSERT_NE(old, nullptr);
    EXPECT_EQ(mem->SelectObject(old), &bitmap);
    EXPECT_EQ(mem->GetCurrentBitmap(), nullptr);
    mem->FillSolidRect(CRect(0, 0, 30, 20), kBlue);
    EXPECT_EQ(bitmap.Pixels()[15 * 30 + 20], 0xFFFFFFFFu);
    EXPECT_EQ(At(image, 0, 0), kBlue);
    EXPECT_EQ(At(image, 15, 10), kRed);
    EXPECT_EQ(At(image, 30, 30), kRed);     // (15, 5) of the bitmap doubled
    EXPECT_EQ(At(image, 19, 21), kWhite);
}

TEST_F(SurfaceBitmaps, MaskTechniqueThroughAMonochromeBitmap)
{
    // The key colour becomes white in the mask; the mask combined by
    // and, with the picture by exclusive-or before and after, leaves the
    // destination wherever the key colour was.
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(QColor(0, 0, 255));
    {
        CQtDC dc(image);
        auto picture = dc.CreateCompatibleDC();
        CBitmap colour;
        colour.CreateCompatibleBitmap(&dc, 20, 10);
        CBitmap* oldColour = picture->SelectObject(&colour);
        picture->FillSolidRect(CRect(0, 0, 10, 10), kRed);
        picture->FillSolidRect(CRect(10, 0, 20, 10), kGreen);  // the key

        auto maskDC = dc.CreateCompatibleDC();
        CBitmap mask;
        ASSERT_TRUE(mask.CreateBitmap(20, 10, 1, 1, nullptr));
        CBitmap* oldMask = maskDC->SelectObject(&mask);
        picture->SetBkColor(kGreen);
        maskDC->BitBlt(0, 0, 20, 10, picture.get(), 0, 0, SRCCOPY);
        EXPECT_EQ(mask.Pixels()[15], 0xFFFFFFFFu);
        EXPECT_EQ(mask.Pixels()[5], 0xFF000000u);

        dc.SetBkColor(kWhite);
        dc.SetTextColor(kBlack);
        dc.BitBlt(0, 0, 20, 10, picture.get(), 0, 0, SRCINVERT);
        dc.BitBlt(0, 0, 20, 10, maskDC.get(), 0, 0, SRCAND);
        dc.BitBlt(0, 0, 20, 10, picture.get(), 0, 0, SRCINVERT);
        maskDC->SelectObject(oldMask);
        picture->SelectObject(oldColour);
    }
    EXPECT_EQ(At(image, 5, 5), kRed);
    EXPECT_EQ(At(image, 15, 5), kBlue);
}

TEST_F(SurfaceBitmaps, GetDIBitsInEveryDepth)
{
    QImage image = WhiteImage(4, 4);
    CQtDC dc(image);
    CBitmap bitmap;
    const std::uint32_t px[4] = {0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu, 0xFFFFFFFFu};
    ASSERT_TRUE(bitmap.CreateBitmap(2, 2, 1, 32, px));  // red green / blue white
    for (int bpp : {1, 4, 8, 16, 24, 32}) {
        std::vector<BYTE> header(sizeof(BITMAPINFOHEADER) + 256 * 4, 0);
        auto* info = reinterpret_cast<BITMAPINFO*>(header.data());
        info->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info->bmiHeader.biWidth = 2;
        info->bmiHeader.biHeight = 2;
        info->bmiHeader.biBitCount = static_cast<WORD>(bpp);
        // Asking without a buffer fills in the size.
        EXPECT_EQ(dc.GetDIBits(&bitmap, 0, 2, nullptr, info, DIB_RGB_COLORS), 2);
        std::vector<BYTE> bits(info->bmiHeader.biSizeImage);
        ASSERT_EQ(bits.size(), static_cast<std::size_t>(DibRowSize(2, bpp) * 2));
        EXPECT_EQ(dc.GetDIBits(&bitmap, 0, 2, bits.data(), info, DIB_RGB_COLORS), 2);
        // Reading the rows back through StretchDIBits gives the colours.
        QImage out = WhiteImage(2, 2);
        {
            CQtDC back(out);
            back.StretchDIBits(0, 0, 2, 2, 0, 0, 2, 2, bits.data(), info, DIB_RGB_COLORS, SRCCOPY);
        }
        if (bpp == 1) {
            EXPECT_EQ(At(out, 1, 1), kWhite);
            EXPECT_EQ(At(out, 0, 1), kBlack);
        } else {
            EXPECT_TRUE(Close(At(out, 0, 0), kRed)) << bpp;
            EXPECT_TRUE(Close(At(out, 1, 0), kGreen)) << bpp;
            EXPECT_TRUE(Close(At(out, 0, 1), kBlue)) << bpp;
            EXPECT_TRUE(Close(At(out, 1, 1), kWhite)) << bpp;
        }
    }
    // Bottom-up: the first row written is the bottom one.
    std::vector<BYTE> header(sizeof(BITMAPINFOHEADER), 0);
    auto* info = reinterpret_cast<BITMAPINFO*>(header.data());
    info->bmiHeader = BITMAPINFOHEADER{sizeof(BITMAPINFOHEADER), 2, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    BYTE row[8] = {};
    EXPECT_EQ(dc.GetDIBits(&bitmap, 0, 1, row, info, DIB_RGB_COLORS), 1);
    EXPECT_EQ(row[0], 255);  // blue's blue byte
    EXPECT_EQ(row[2], 0);
    EXPECT_EQ(dc.GetDIBits(&bitmap, 5, 1, row, info, DIB_RGB_COLORS), 0);
}

TEST_F(SurfaceBitmaps, ClipLimitsEveryDrawing)
{
    QImage image = WhiteImage(50, 50);
    {
        CQtDC dc(image);
        dc.SaveDC();
        EXPECT_EQ(dc.IntersectClipRect(10, 10, 20, 20), SIMPLEREGION);
        dc.FillSolidRect(CRect(0, 0, 50, 50), kRed);
        const Dib dib = MakeQuad(24, false);
        dc.StretchDIBits(0, 0, 50, 50, 0, 0, 2, 2, dib.bits.data(), dib.Info(), DIB_RGB_COLORS, SRCCOPY);
        EXPECT_EQ(dc.SetPixel(30, 30, kBlue), CLR_INVALID);
        dc.RestoreDC(-1);
        dc.SetPixel(40, 40, kBlue);
    }
    EXPECT_EQ(At(image, 9, 15), kWhite);
    EXPECT_EQ(At(image, 20, 15), kWhite);
    EXPECT_EQ(At(image, 10, 10), kRed);  // the picture's red quarter
    EXPECT_EQ(At(image, 30, 30), kWhite);
    EXPECT_EQ(At(image, 40, 40), kBlue);
}

TEST_F(SurfaceBitmaps, DeviceCapsOfAnImageAtAChosenResolution)
{
    QImage image = WhiteImage(2550, 3300);
    CQtDC dc(image, 300);
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 2550);
    EXPECT_EQ(dc.GetDeviceCaps(VERTRES), 3300);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSX), 300);
    EXPECT_EQ(dc.GetDeviceCaps(LOGPIXELSY), 300);
    EXPECT_EQ(dc.GetDeviceCaps(HORZSIZE), 216);  // 8.5 inches
    EXPECT_EQ(dc.GetDeviceCaps(VERTSIZE), 279);
    EXPECT_EQ(dc.GetDeviceCaps(BITSPIXEL), 32);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), 2550);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), 0);
    EXPECT_NE(dc.GetDeviceCaps(RASTERCAPS) & RC_STRETCHDIB, 0);
    EXPECT_FALSE(dc.IsPrinting());
    // A page unit of 0.01 inch is three pixels here.
    CFont font;
    font.CreatePointFont(720, "DejaVu Sans", &dc);
    EXPECT_EQ(font.m_logfont.lfHeight, -300);
}

TEST_F(SurfaceBitmaps, PainterOnAPagedDeviceReportsItsPage)
{
    QTemporaryDir dir;
    QPdfWriter pdf(dir.filePath("page.pdf"));
    pdf.setResolution(300);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0.5, 0.5, 0.5, 0.5), QPageLayout::Inch);
    QPainter painter(&pdf);
    CQtDC dc(painter, 300, 300, true);
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALWIDTH), 2550);
    EXPECT_EQ(dc.GetDeviceCaps(PHYSICALOFFSETX), 150);
    EXPECT_NEAR(dc.GetDeviceCaps(HORZRES), 2250, 1);
    // Raster operations cannot reach a PDF; they are left out, while plain
    // drawing goes on.
    EXPECT_TRUE(dc.PatBlt(0, 0, 10, 10, DSTINVERT));
    dc.Rectangle(10, 10, 100, 100);
    EXPECT_EQ(dc.GetPixel(5, 5), CLR_INVALID);
}

}  // namespace
