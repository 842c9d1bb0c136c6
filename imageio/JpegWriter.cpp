#include "imageio/JpegWriter.h"

#include "imageio/PictureImage.h"
#include "imageio/SafeFile.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// The library's default handler prints and ends the program; ours keeps the
// message and jumps back into the writer, which then fails.
struct CJpegWriteError {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void WriteErrorExit(j_common_ptr cinfo)
{
    auto* err = reinterpret_cast<CJpegWriteError*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, err->message);
    std::longjmp(err->jump, 1);
}

void WriteOutputMessage(j_common_ptr) {}

struct JpegWriteState {
    jpeg_compress_struct cinfo;
    CJpegWriteError err;
};

// Compresses the rows into the open file. Nothing with a destructor lives in
// this frame: a library error jumps back to the setjmp below. rows holds one
// pointer per picture row, top row first, each row in the given colour space.
bool Compress(JpegWriteState& st, std::FILE* file, JDIMENSION width, JDIMENSION height, J_COLOR_SPACE space,
              int quality, UINT16 dpiX, UINT16 dpiY, JSAMPARRAY rows)
{
    if (setjmp(st.err.jump)) return false;
    jpeg_stdio_dest(&st.cinfo, file);
    st.cinfo.image_width = width;
    st.cinfo.image_height = height;
    st.cinfo.input_components = space == JCS_EXT_BGRX ? 4 : 3;
    st.cinfo.in_color_space = space;
    jpeg_set_defaults(&st.cinfo);
    jpeg_set_quality(&st.cinfo, quality, TRUE);
    if (dpiX > 0 && dpiY > 0) {
        st.cinfo.density_unit = 1;  // dots per inch
        st.cinfo.X_density = dpiX;
        st.cinfo.Y_density = dpiY;
    }
    jpeg_start_compress(&st.cinfo, TRUE);
    while (st.cinfo.next_scanline < st.cinfo.image_height)
        jpeg_write_scanlines(&st.cinfo, rows + st.cinfo.next_scanline, st.cinfo.image_height - st.cinfo.next_scanline);
    jpeg_finish_compress(&st.cinfo);
    return true;
}

// The JFIF density from a bitmap's pixels per metre, in whole dots per
// inch; 0 when the bitmap names no resolution.
UINT16 DotsPerInch(LONG pelsPerMeter)
{
    if (pelsPerMeter <= 0) return 0;
    const long long dpi = (static_cast<long long>(pelsPerMeter) * 254 + 5000) / 10000;
    return static_cast<UINT16>(std::clamp<long long>(dpi, 1, 65535));
}

}  // namespace

bool WriteJpegFile(const CDibPixels& dib, int quality, const std::string& path, std::string* error)
{
    if (!error) return false;
    if (quality < 0 || quality > 100 || path.empty() || !dib.pHead || !dib.pBits) {
        *error = "Invalid input data";
        return false;
    }
    error->clear();

    // Rows of 24 and 32 bits go to the compressor as they are, in the order
    // blue, green, red (and unused); other depths are converted to RGB first.
    const BITMAPINFOHEADER& h = *dib.pHead;
    std::vector<BYTE> rgb;
    std::vector<JSAMPROW> rows;
    J_COLOR_SPACE space = JCS_RGB;
    if (h.biBitCount == 24 || h.biBitCount == 32) {
        if (h.biWidth <= 0 || h.biHeight == 0 || h.biWidth > kMaxImageSide || h.biHeight > kMaxImageSide ||
            h.biHeight < -kMaxImageSide) {
            *error = "Invalid input data";
            return false;
        }
        space = h.biBitCount == 24 ? JCS_EXT_BGR : JCS_EXT_BGRX;
        const bool topDown = h.biHeight < 0;
        const long long height = topDown ? -static_cast<long long>(h.biHeight) : h.biHeight;
        const long long rowSize = DibRowSize(h.biWidth, h.biBitCount);
        rows.resize(static_cast<std::size_t>(height));
        for (long long i = 0; i < height; ++i)
            rows[i] = const_cast<BYTE*>(dib.pBits + (topDown ? i : height - 1 - i) * rowSize);
    } else {
        if (!ConvertDibToRgb(dib, rgb, error)) return false;
        const long long height = h.biHeight < 0 ? -static_cast<long long>(h.biHeight) : h.biHeight;
        rows.resize(static_cast<std::size_t>(height));
        for (long long i = 0; i < height; ++i) rows[i] = rgb.data() + i * 3LL * h.biWidth;
    }

    CSafeFile file;
    if (!file.Open(path)) {
        *error = "Cannot open " + path;
        return false;
    }
    JpegWriteState st{};
    st.cinfo.err = jpeg_std_error(&st.err.pub);
    st.err.pub.error_exit = &WriteErrorExit;
    st.err.pub.output_message = &WriteOutputMessage;
    jpeg_create_compress(&st.cinfo);
    const bool ok = Compress(st, file.File(), static_cast<JDIMENSION>(h.biWidth),
                             static_cast<JDIMENSION>(rows.size()), space, quality, DotsPerInch(h.biXPelsPerMeter),
                             DotsPerInch(h.biYPelsPerMeter), rows.data());
    jpeg_destroy_compress(&st.cinfo);
    if (!ok) {
        *error = st.err.message;
        return false;
    }
    if (!file.Commit()) {
        *error = "Cannot write " + path;
        return false;
    }
    return error->empty();
}

bool WritePictureJpeg(const CPictureImage& image, int quality, const std::string& path, std::string* error)
{
    if (quality < 0) quality = image.GetJpegQuality();
    return WriteJpegFile(DibPixelsOf(image), quality, path, error);
}
