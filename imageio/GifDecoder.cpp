#include "imageio/ImageCodecs.h"
#include "imageio/PictureImage.h"
#include "objects/ByteReader.h"

#include <array>
#include <vector>

namespace {

constexpr int kMaxCodeBits = 12;
constexpr int kTableSize = 1 << kMaxCodeBits;

// What the file says about one image: where its descriptor starts and the
// graphic control that precedes it.
struct CGifFrame {
    std::size_t descriptor = 0;
    long transIndex = -1;
    long delay = 0;
};

// Skips data sub-blocks up to and including the zero-length one.
bool SkipSubBlocks(CByteReader& in)
{
    for (;;) {
        const BYTE len = in.U8();
        if (in.Failed()) return false;
        if (len == 0) return true;
        if (!in.Skip(len)) return false;
    }
}

// Reads the LZW codes of one image, least significant bit first, across
// its data sub-blocks.
class CCodeReader {
public:
    explicit CCodeReader(CByteReader& in) : m_in(in) {}

    // The next code of the given width, or -1 when the data ends.
    int Next(int width)
    {
        while (m_bits < width) {
            if (m_blockLeft == 0) {
                if (m_ended) return -1;
                m_blockLeft = m_in.U8();
                if (m_in.Failed() || m_blockLeft == 0) {
                    m_ended = true;
                    return -1;
                }
            }
            const BYTE b = m_in.U8();
            if (m_in.Failed()) {
                m_ended = true;
                return -1;
            }
            --m_blockLeft;
            m_acc |= static_cast<unsigned long>(b) << m_bits;
            m_bits += 8;
        }
        const int code = static_cast<int>(m_acc & ((1ul << width) - 1));
        m_acc >>= width;
        m_bits -= width;
        return code;
    }

private:
    CByteReader& m_in;
    unsigned long m_acc = 0;
    int m_bits = 0;
    int m_blockLeft = 0;
    bool m_ended = false;
};

// Stores decoded pixels row after row, in the order of the four interlace
// passes when the image is interlaced.
class CRowSink {
public:
    CRowSink(CPictureImage& image, bool interlaced)
        : m_image(image), m_width(image.GetWidth()), m_height(image.GetHeight()), m_interlaced(interlaced)
    {
    }

    bool Full() const { return m_row >= m_height; }

    void Put(BYTE index)
    {
        if (Full()) return;
        // Rows count from the top here; the picture counts them from the bottom.
        m_image.SetPixelIndex(m_x, m_height - 1 - m_row, index);
        if (++m_x < m_width) return;
        m_x = 0;
        NextRow();
    }

private:
    void NextRow()
    {
        if (!m_interlaced) {
            ++m_row;
            return;
        }
        static constexpr int kStart[4] = {0, 4, 2, 1};
        static constexpr int kStep[4] = {8, 8, 4, 2};
        m_row += kStep[m_pass];
        while (m_row >= m_height && m_pass < 3) {
            ++m_pass;
            m_row = kStart[m_pass];
        }
    }

    CPictureImage& m_image;
    long m_width;
    long m_height;
    bool m_interlaced;
    long m_x = 0;
    long m_row = 0;
    int m_pass = 0;
};

// Decodes one image's LZW data into the picture. Returns false when the
// minimum code size is out of range; a stream that ends early or holds a
// code that cannot be valid keeps what was decoded so far.
bool DecodeLzw(CByteReader& in, CRowSink& sink)
{
    const int minSize = in.U8();
    if (in.Failed() || minSize < 2 || minSize > 9) return false;

    const int clear = 1 << minSize;
    const int end = clear + 1;
    std::array<WORD, kTableSize> prefix{};
    std::array<BYTE, kTableSize> suffix{};
    std::array<BYTE, kTableSize> first{};
    std::array<BYTE, kTableSize + 1> stack{};
    for (int i = 0; i < clear; ++i) {
        suffix[i] = static_cast<BYTE>(i);
        first[i] = static_cast<BYTE>(i);
    }

    CCodeReader codes(in);
    int width = minSize + 1;
    int next = clear + 2;
    int prev = -1;
    while (!sink.Full()) {
        const int code = codes.Next(width);
        if (code < 0 || code == end) break;
        if (code == clear) {
            width = minSize + 1;
            next = clear + 2;
            prev = -1;
            continue;
        }
        if (prev < 0) {
            if (code >= clear) break;  // the first code after a clear must be a plain pixel
            sink.Put(static_cast<BYTE>(code));
            prev = code;
            continue;
        }
        if (code > next || (code == next && next >= kTableSize)) break;

        // Unwind the string of the code (or, for the code about to be made,
        // the previous string plus its own first pixel) onto the stack.
        int sp = 0;
        int c = code;
        if (code == next) {
            stack[sp++] = first[prev];
            c = prev;
        }
        while (c >= clear) {
            if (sp >= kTableSize) return true;
            stack[sp++] = suffix[c];
            c = prefix[c];
        }
        stack[sp++] = static_cast<BYTE>(c);
        const BYTE head = static_cast<BYTE>(c);
        while (sp > 0 && !sink.Full()) sink.Put(stack[--sp]);

        if (next < kTableSize) {
            prefix[next] = static_cast<WORD>(prev);
            suffix[next] = head;
            first[next] = first[prev];
            ++next;
            if (next == (1 << width) && width < kMaxCodeBits) ++width;
        }
        prev = code;
    }
    return true;
}

}  // namespace

bool DecodeGif(const BYTE* data, std::size_t size, CPictureImage& image)
{
    CByteReader in(data, size);
    BYTE signature[6];
    in.Read(signature, 6);
    in.Skip(4);  // the logical screen's size: each image has its own
    const BYTE packed = in.U8();
    in.Skip(2);
    if (in.Failed() || signature[0] != 'G' || signature[1] != 'I' || signature[2] != 'F' || signature[3] != '8')
        return false;

    std::vector<BYTE> globalTable;
    if (packed & 0x80) {
        const std::size_t entries = std::size_t{1} << ((packed & 7) + 1);
        globalTable.resize(entries * 3);
        if (!in.Read(globalTable.data(), globalTable.size())) return false;
    }

    // Walk the blocks once to find every image and the graphic control that
    // belongs to it.
    std::vector<CGifFrame> frames;
    CGifFrame pending;
    bool done = false;
    while (!done && !in.AtEnd()) {
        const BYTE introducer = in.U8();
        if (introducer == '!') {
            const BYTE label = in.U8();
            if (label == 0xF9) {
                const BYTE len = in.U8();
                const std::size_t blockEnd = in.Tell() + len;
                if (len >= 4) {
                    const BYTE flags = in.U8();
                    pending.delay = in.U16();
                    const BYTE trans = in.U8();
                    pending.transIndex = (flags & 1) ? trans : -1;
                }
                if (!in.Seek(blockEnd)) break;
            }
            if (!SkipSubBlocks(in)) break;
        } else if (introducer == ',') {
            CGifFrame frame = pending;
            frame.descriptor = in.Tell();
            pending = CGifFrame{};
            in.Skip(8);
            const BYTE flags = in.U8();
            if (flags & 0x80) in.Skip((std::size_t{1} << ((flags & 7) + 1)) * 3);
            in.U8();  // minimum code size
            if (in.Failed()) break;
            frames.push_back(frame);
            if (!SkipSubBlocks(in)) break;
        } else {
            // The trailer, or anything unknown, ends the stream.
            done = true;
        }
    }
    image.m_nFrameCount = static_cast<long>(frames.size());
    if (frames.empty()) return false;

    // A frame number beyond the last gives the last image.
    std::size_t wanted = image.m_nFrame < 0 ? 0 : static_cast<std::size_t>(image.m_nFrame);
    if (wanted >= frames.size()) wanted = frames.size() - 1;
    const CGifFrame& frame = frames[wanted];

    in = CByteReader(data, size);
    in.Seek(frame.descriptor);
    in.Skip(4);
    const long width = in.U16();
    const long height = in.U16();
    const BYTE flags = in.U8();
    std::vector<BYTE> table = globalTable;
    if (flags & 0x80) {
        const std::size_t entries = std::size_t{1} << ((flags & 7) + 1);
        table.resize(entries * 3);
        in.Read(table.data(), table.size());
    }
    if (in.Failed() || !CPictureImage::SizeAllowed(width, height)) return false;

    const std::size_t tableEntries = table.size() / 3;
    const bool transparent = frame.transIndex >= 0;
    // Without a colour table the minimum code size, the next byte, says how
    // many colours there are.
    std::size_t colours = tableEntries;
    if (!colours) colours = std::size_t{1} << std::min<int>(in.Has(1) ? in.Current()[0] : 8, 8);
    // A transparent image gets a palette of 256 entries, so it needs 8 bits.
    const long bpp = transparent ? 8 : colours <= 2 ? 1 : colours <= 16 ? 4 : 8;
    if (!image.Create(width, height, bpp, IMAGE_FORMAT_GIF)) return false;
    image.m_nTransIndex = frame.transIndex;
    image.m_nFrameDelay = frame.delay;

    if (tableEntries) {
        const DWORD n = std::min<DWORD>(static_cast<DWORD>(tableEntries), image.GetNumColors());
        for (DWORD i = 0; i < n; ++i)
            image.SetPaletteColor(static_cast<BYTE>(i), table[i * 3], table[i * 3 + 1], table[i * 3 + 2]);
        if (transparent) {
            for (DWORD i = n; i < 256; ++i) image.SetPaletteColor(static_cast<BYTE>(i), 255, 255, 255);
        }
    } else {
        image.SetGrayPalette();
    }

    CRowSink sink(image, (flags & 0x40) != 0);
    if (!DecodeLzw(in, sink)) return false;

    // A transparent picture whose full table has no white gets white as its
    // last entry, the colour its transparent parts show where they are keyed
    // out; but only when no visible pixel uses that entry, so that no pixel
    // changes colour.
    if (transparent && tableEntries == 256) {
        bool hasWhite = false;
        for (std::size_t i = 0; i < 256 && !hasWhite; ++i)
            hasWhite = table[i * 3] == 255 && table[i * 3 + 1] == 255 && table[i * 3 + 2] == 255;
        bool lastUsed = false;
        if (!hasWhite && frame.transIndex != 255) {
            for (long y = 0; y < height && !lastUsed; ++y) {
                const BYTE* row = image.GetBits(y);
                for (long x = 0; x < width && !lastUsed; ++x) lastUsed = row[x] == 255;
            }
        }
        if (!hasWhite && !lastUsed) image.SetPaletteColor(255, 255, 255, 255);
    }
    return true;
}
