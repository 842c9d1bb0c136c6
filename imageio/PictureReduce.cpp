#include "imageio/PictureReduce.h"

#include "imageio/PictureImage.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

// The source pixels that one new pixel covers along one axis, with their
// weights (summing to 1).
struct CSpan {
    long first = 0;
    std::vector<float> weights;
};

std::vector<CSpan> AreaSpans(long from, long to)
{
    std::vector<CSpan> spans(static_cast<std::size_t>(to));
    const double step = static_cast<double>(from) / static_cast<double>(to);
    for (long i = 0; i < to; ++i) {
        const double a = i * step;
        const double b = std::min<double>(static_cast<double>(from), (i + 1) * step);
        CSpan& span = spans[static_cast<std::size_t>(i)];
        span.first = static_cast<long>(std::floor(a));
        const long last = std::min<long>(from - 1, static_cast<long>(std::ceil(b)) - 1);
        for (long k = span.first; k <= last; ++k) {
            const double w = std::min<double>(b, k + 1.0) - std::max<double>(a, static_cast<double>(k));
            span.weights.push_back(static_cast<float>(w / step));
        }
    }
    return spans;
}

bool IsGreyRamp(const CPictureImage& image)
{
    if (image.GetBpp() != 8 || image.GetNumColors() != 256) return false;
    const RGBQUAD* pal = image.GetPalette();
    if (!pal) return false;
    for (int i = 0; i < 256; ++i)
        if (pal[i].rgbRed != i || pal[i].rgbGreen != i || pal[i].rgbBlue != i) return false;
    return true;
}

// One stored row as channels of bytes: grey, or blue, green, red, then
// alpha when the picture has a plane.
void FetchRow(const CPictureImage& image, long row, int channels, bool grey, bool alpha, BYTE* out)
{
    const long width = image.GetWidth();
    const BYTE* src = image.GetBits(row);
    const BYTE* a = alpha ? image.m_alpha.data() + static_cast<std::size_t>(row) * width : nullptr;
    const int bpp = image.GetBpp();
    if (grey) {
        std::memcpy(out, src, static_cast<std::size_t>(width));
        return;
    }
    const RGBQUAD* pal = image.GetPalette();
    const DWORD colours = image.GetNumColors();
    for (long x = 0; x < width; ++x, out += channels) {
        if (bpp == 24) {
            out[0] = src[x * 3];
            out[1] = src[x * 3 + 1];
            out[2] = src[x * 3 + 2];
        } else {
            const BYTE index = PixelIndexAt(src, x, bpp);
            const RGBQUAD c = pal && index < colours ? pal[index] : RGBQUAD{0, 0, 0, 0};
            out[0] = c.rgbBlue;
            out[1] = c.rgbGreen;
            out[2] = c.rgbRed;
        }
        if (a) out[3] = a[x];
    }
}

}  // namespace

bool ReducePicture(const CPictureImage& source, long width, long height, CPictureImage& target)
{
    const long sw = source.GetWidth();
    const long sh = source.GetHeight();
    const int bpp = source.GetBpp();
    if (!source.IsValid() || width < 1 || height < 1 || width > sw || height > sh) return false;
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24) return false;
    const bool grey = IsGreyRamp(source);
    const bool alpha = source.AlphaIsValid();
    const int channels = grey ? 1 : (alpha ? 4 : 3);

    CPictureImage out(source.GetType());
    if (!out.Create(width, height, grey ? 8 : 24, source.GetType())) return false;
    if (grey) out.SetGrayPalette();
    if (alpha && !out.AlphaCreate()) return false;

    const std::vector<CSpan> cols = AreaSpans(sw, width);
    const std::vector<CSpan> rows = AreaSpans(sh, height);
    std::vector<BYTE> line(static_cast<std::size_t>(sw) * channels);
    std::vector<float> sum(static_cast<std::size_t>(sw) * channels);
    for (long y = 0; y < height; ++y) {
        // Down the rows first: the covered source rows, weighed, into one
        // row of sums; then across it.
        const CSpan& rs = rows[static_cast<std::size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (std::size_t k = 0; k < rs.weights.size(); ++k) {
            FetchRow(source, rs.first + static_cast<long>(k), channels, grey, alpha, line.data());
            const float w = rs.weights[k];
            for (std::size_t i = 0; i < sum.size(); ++i) sum[i] += w * line[i];
        }
        BYTE* dst = out.GetBits(y);
        BYTE* dstAlpha = alpha ? out.AlphaGetPointer(0, y) : nullptr;
        for (long x = 0; x < width; ++x) {
            const CSpan& cs = cols[static_cast<std::size_t>(x)];
            float acc[4] = {0, 0, 0, 0};
            const float* s = sum.data() + static_cast<std::size_t>(cs.first) * channels;
            for (std::size_t k = 0; k < cs.weights.size(); ++k, s += channels)
                for (int c = 0; c < channels; ++c) acc[c] += cs.weights[k] * s[c];
            const int colourChannels = grey ? 1 : 3;
            for (int c = 0; c < colourChannels; ++c)
                dst[x * colourChannels + c] = static_cast<BYTE>(std::clamp(acc[c] + 0.5f, 0.0f, 255.0f));
            if (dstAlpha) dstAlpha[x] = static_cast<BYTE>(std::clamp(acc[3] + 0.5f, 0.0f, 255.0f));
        }
    }
    out.m_nTransIndex = -1;
    out.m_rgbBackground = source.m_rgbBackground;
    out.m_nFrameCount = source.m_nFrameCount;
    out.m_nJpegQuality = source.m_nJpegQuality;
    out.SetXDPI(source.GetXDPI());
    out.SetYDPI(source.GetYDPI());
    out.AlphaSetMax(source.AlphaGetMax());
    target = std::move(out);
    return true;
}
