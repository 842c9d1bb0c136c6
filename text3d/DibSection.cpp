#include "text3d/DibSection.h"

#include "imageio/DibWriter.h"
#include "imageio/JpegWriter.h"
#include "imageio/SafeFile.h"
#include "objects/ByteReader.h"
#include "objects/DC.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

namespace {

// Pictures of the 3D text engine and exported pages stay far below this.
constexpr long long kMaxSectionSide = 32768;
constexpr long long kMaxSectionBytes = 1LL << 30;

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

// The two headers at the start of a bitmap file or an archive record.
struct CSectionHeaders {
    DWORD offBits = 0;
    BITMAPINFOHEADER info{};
};

CSectionHeaders ReadHeaders(CByteReader& in)
{
    CSectionHeaders h;
    in.U16();  // "BM", not checked: the archive form carries it as written
    in.U32();
    in.U16();
    in.U16();
    h.offBits = in.U32();
    h.info.biSize = in.U32();
    h.info.biWidth = in.I32();
    h.info.biHeight = in.I32();
    h.info.biPlanes = in.U16();
    h.info.biBitCount = in.U16();
    h.info.biCompression = in.U32();
    h.info.biSizeImage = in.U32();
    h.info.biXPelsPerMeter = in.I32();
    h.info.biYPelsPerMeter = in.I32();
    h.info.biClrUsed = in.U32();
    h.info.biClrImportant = in.U32();
    return h;
}

void WriteHeaders(CByteWriter& out, DWORD fileSize, const BITMAPINFOHEADER& h, bool keepColoursUsed)
{
    out.U8('B');
    out.U8('M');
    out.U32(fileSize);
    out.U16(0);
    out.U16(0);
    out.U32(static_cast<DWORD>(kFileHeaderSize + kInfoHeaderSize));
    out.U32(h.biSize);
    out.I32(h.biWidth);
    out.I32(h.biHeight);
    out.U16(h.biPlanes);
    out.U16(h.biBitCount);
    out.U32(h.biCompression);
    out.U32(h.biSizeImage);
    // A file says the resolution the picture was made for (a page export
    // sets it); the archive record keeps none.
    out.I32(keepColoursUsed ? 0 : h.biXPelsPerMeter);
    out.I32(keepColoursUsed ? 0 : h.biYPelsPerMeter);
    out.U32(keepColoursUsed ? h.biClrUsed : 0);
    out.U32(keepColoursUsed ? 0 : h.biClrImportant);
}

// Only 24- and 32-bit uncompressed pixels can be held; 32-bit bit-field
// files in the usual blue, green, red order are the same bytes.
bool HoldableDepth(const BITMAPINFOHEADER& h)
{
    if (h.biBitCount == 24) return h.biCompression == BI_RGB;
    if (h.biBitCount == 32) return h.biCompression == BI_RGB || h.biCompression == BI_BITFIELDS;
    return false;
}

}  // namespace

bool CDibSection::Create(int width, int height)
{
    Destroy();
    const int bpp = m_b24Bits ? 24 : 32;
    if (width <= 0 || height <= 0 || width > kMaxSectionSide || height > kMaxSectionSide) return false;
    // Rows are padded to four bytes, so a 24-bit picture of a width that is
    // not a multiple of four needs more than width × height × 3 bytes.
    const long long bytes = DibRowSize(width, bpp) * height;
    if (bytes > kMaxSectionBytes) return false;
    try {
        m_bits.assign(static_cast<std::size_t>(bytes), 0);
    } catch (const std::bad_alloc&) {
        return false;
    }
    m_head.biSize = 40;
    m_head.biWidth = width;
    m_head.biHeight = height;
    m_head.biPlanes = 1;
    m_head.biBitCount = static_cast<WORD>(bpp);
    m_head.biCompression = BI_RGB;
    m_head.biSizeImage = static_cast<DWORD>(bytes);
    return true;
}

void CDibSection::Destroy()
{
    m_head = BITMAPINFOHEADER{};
    std::vector<BYTE>().swap(m_bits);
}

bool CDibSection::ReadBitmapFile(CByteReader& in)
{
    Destroy();
    const std::size_t start = in.Tell();
    const CSectionHeaders h = ReadHeaders(in);
    // Sides beyond 65536 are refused first, so the sizes below cannot overflow.
    if (in.Failed() || h.info.biSize < kInfoHeaderSize || !HoldableDepth(h.info) || h.info.biWidth <= 0 ||
        h.info.biWidth > 65536 || h.info.biHeight == 0 || h.info.biHeight < -65536 || h.info.biHeight > 65536)
        return false;
    // A longer information header (written by other programs) is skipped;
    // the pixels start at the file header's offset when that lies further on.
    std::size_t pixels = start + kFileHeaderSize + static_cast<std::size_t>(std::min<DWORD>(h.info.biSize, 1u << 16));
    if (h.offBits > pixels - start && h.offBits <= in.Size() - start) pixels = start + h.offBits;
    if (!in.Seek(pixels)) return false;

    const bool topDown = h.info.biHeight < 0;
    const int height = topDown ? -h.info.biHeight : h.info.biHeight;
    // The pixels must really be there before anything is allocated for them.
    const long long needed = DibRowSize(h.info.biWidth, h.info.biBitCount) * height;
    if (needed > static_cast<long long>(in.Remaining())) return false;
    const BOOL keep24 = m_b24Bits;
    m_b24Bits = h.info.biBitCount == 24 ? 1 : 0;
    if (!Create(h.info.biWidth, height)) {
        m_b24Bits = keep24;
        return false;
    }
    if (!in.Read(m_bits.data(), m_bits.size())) {
        Destroy();
        m_b24Bits = keep24;
        return false;
    }
    if (topDown) Flip();
    return true;
}

bool CDibSection::ReadBitmapFile(std::FILE* file)
{
    if (!file) return false;
    // Read what is left of the file, but never more than the largest picture
    // the section can hold and its headers.
    std::vector<BYTE> bytes;
    constexpr std::size_t kLimit = static_cast<std::size_t>(kMaxSectionBytes) + (1u << 17);
    BYTE chunk[65536];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
        if (bytes.size() + n > kLimit) return false;
        bytes.insert(bytes.end(), chunk, chunk + n);
    }
    CByteReader in(bytes);
    return ReadBitmapFile(in);
}

bool CDibSection::WriteBitmapFile(std::FILE* file) const
{
    if (!file || m_bits.empty()) return false;
    CByteWriter out;
    // The file size is filled in, so that programs that check it accept the file.
    WriteHeaders(out, static_cast<DWORD>(kFileHeaderSize + kInfoHeaderSize + m_bits.size()), m_head, false);
    return std::fwrite(out.Buffer().data(), 1, out.Size(), file) == out.Size() &&
           std::fwrite(m_bits.data(), 1, m_bits.size(), file) == m_bits.size();
}

bool CDibSection::WriteBitmapFile(const std::string& path) const
{
    if (m_bits.empty()) return false;
    CSafeFile file;
    if (!file.Open(path)) return false;
    return WriteBitmapFile(file.File()) && file.Commit();
}

void CDibSection::WriteRecord(CByteWriter& out) const
{
    WriteHeaders(out, 0, m_head, true);
    if (!m_bits.empty()) out.Write(m_bits.data(), std::min<std::size_t>(m_bits.size(), m_head.biSizeImage));
}

bool CDibSection::ReadRecord(CByteReader& in)
{
    Destroy();
    const CSectionHeaders h = ReadHeaders(in);
    if (in.Failed()) return false;
    // A section that was never created is stored as bare headers.
    if (h.info.biWidth == 0 || h.info.biHeight == 0) {
        if (h.info.biSizeImage == 0) return true;
        in.SetFailed();
        return false;
    }
    // The stored pixels bound the picture's size, so no product below can
    // overflow: each side is at most 2^16 before the area is computed.
    if (h.info.biSizeImage > in.Remaining() || h.info.biWidth < 0 || h.info.biHeight < 0 ||
        h.info.biWidth > 65536 || h.info.biHeight > 65536) {
        in.SetFailed();
        return false;
    }
    if (h.info.biBitCount == 24 || h.info.biBitCount == 32) m_b24Bits = h.info.biBitCount == 24 ? 1 : 0;
    // Every pixel must be stored, if not always its row padding.
    const long long minimum = static_cast<long long>(h.info.biWidth) * h.info.biHeight * (m_b24Bits ? 3 : 4);
    if (static_cast<long long>(h.info.biSizeImage) < minimum) {
        in.SetFailed();
        return false;
    }
    if (!Create(h.info.biWidth, h.info.biHeight)) {
        in.SetFailed();
        return false;
    }
    // Exactly the stored number of bytes is consumed, so the archive stays in
    // step even when it differs from what the picture needs; older records
    // of 24-bit pictures stored width × height × 3 bytes.
    const std::size_t stored = h.info.biSizeImage;
    const std::size_t used = std::min(stored, m_bits.size());
    in.Read(m_bits.data(), used);
    in.Skip(stored - used);
    return true;
}

void CDibSection::Flip()
{
    if (m_bits.empty()) return;
    const std::size_t row = static_cast<std::size_t>(DibRowSize(m_head.biWidth, m_head.biBitCount));
    const int height = m_head.biHeight;
    std::vector<BYTE> temp(row);
    for (int top = 0, bottom = height - 1; top < bottom; ++top, --bottom) {
        BYTE* a = m_bits.data() + row * top;
        BYTE* b = m_bits.data() + row * bottom;
        std::memcpy(temp.data(), a, row);
        std::memcpy(a, b, row);
        std::memcpy(b, temp.data(), row);
    }
}

void CDibSection::Mirror()
{
    if (m_bits.empty()) return;
    const std::size_t row = static_cast<std::size_t>(DibRowSize(m_head.biWidth, m_head.biBitCount));
    const std::size_t px = m_head.biBitCount / 8;
    const int width = m_head.biWidth;
    for (int y = 0; y < m_head.biHeight; ++y) {
        BYTE* line = m_bits.data() + row * y;
        for (int l = 0, r = width - 1; l < r; ++l, --r) std::swap_ranges(line + px * l, line + px * (l + 1), line + px * r);
    }
}

void CDibSection::Capture(CDC* dc, const CRect& source)
{
    if (!dc || m_bits.empty()) return;
    std::unique_ptr<CDC> memory = dc->CreateCompatibleDC();
    if (!memory) return;
    CBitmap bitmap;
    if (!bitmap.CreateCompatibleBitmap(dc, m_head.biWidth, m_head.biHeight)) return;
    CBitmap* old = memory->SelectObject(&bitmap);
    memory->SetStretchBltMode(COLORONCOLOR);
    memory->StretchBlt(0, 0, m_head.biWidth, m_head.biHeight, dc, source.left, source.top, source.Width(),
                       source.Height(), SRCCOPY);
    memory->SelectObject(old);
    BITMAPINFO info{};
    info.bmiHeader = m_head;
    dc->GetDIBits(&bitmap, 0, static_cast<UINT>(m_head.biHeight), m_bits.data(), &info, DIB_RGB_COLORS);
}

void CDibSection::DrawTransparent(CDC* dc, const CRect& rect) const
{
    if (!dc || m_bits.empty()) return;
    // White is the key: a 32-bit copy whose white pixels have alpha 0 is
    // drawn with straight alpha, which every surface (screen, picture file,
    // printer, PDF) shows the same way.
    const int width = m_head.biWidth;
    const int height = m_head.biHeight;
    const std::size_t srcRow = static_cast<std::size_t>(DibRowSize(width, m_head.biBitCount));
    const std::size_t px = m_head.biBitCount / 8;
    std::vector<BYTE> argb(static_cast<std::size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const BYTE* src = m_bits.data() + srcRow * y;
        BYTE* dest = argb.data() + static_cast<std::size_t>(width) * 4 * y;
        for (int x = 0; x < width; ++x, src += px, dest += 4) {
            dest[0] = src[0];
            dest[1] = src[1];
            dest[2] = src[2];
            dest[3] = (src[0] == 255 && src[1] == 255 && src[2] == 255) ? 0 : 255;
        }
    }
    BITMAPINFO info{};
    info.bmiHeader = m_head;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biSizeImage = static_cast<DWORD>(argb.size());
    // The destination starts at the rectangle's far edge with a negated
    // height: on a page whose y axis points up this keeps the bottom-up
    // picture upright.
    const int oldMode = dc->SetStretchBltMode(COLORONCOLOR);
    dc->StretchDIBitsAlpha(rect.left, rect.top + rect.Height(), rect.Width(), -rect.Height(), 0, 0, width,
                           height, argb.data(), &info);
    dc->SetStretchBltMode(oldMode);
}

bool CDibSection::WriteJpeg(int quality, const std::string& path, std::string* error) const
{
    CDibPixels dib;
    if (!m_bits.empty()) {
        dib.pHead = &m_head;
        dib.pBits = m_bits.data();
    }
    return WriteJpegFile(dib, quality, path, error);
}

bool CDibSection::SaveAsJpeg(const std::string& path) const
{
    std::string error;
    return WriteJpeg(100, path, &error);
}
