#pragma once

// Writing a bitmap as a JPEG file.

#include "imageio/DibWriter.h"

#include <memory>
#include <string>

class CPictureImage;

// Writes the bitmap with quality 0 to 100 (baseline tables). Returns true on
// success; otherwise error says why: "Invalid input data" for a quality out
// of range, an empty path or no pixels, "Invalid bitmap bit count", "Cannot
// open " + path, or the compressor's own message. error must be given. The
// target is replaced only when the whole file was written.
//
// A large picture is compressed in horizontal bands on the shared worker
// pool and written as one baseline file with a restart marker between two
// bands; it decodes to the same pixels as one piece would.
bool WriteJpegFile(const CDibPixels& dib, int quality, const std::string& path, std::string* error);

// The same with the number of bands given (at most one per 16 rows; 1 is
// one piece), for comparing the two ways.
bool WriteJpegFileInBands(const CDibPixels& dib, int quality, const std::string& path, unsigned bands,
                          std::string* error);

// A page compressed while it is still being painted: a band whose rows are
// all final can be compressed before the rest of the page is painted. The
// rows must stay where they are until Write returns (or the writer is
// gone); the file is the one WriteJpegFile writes.
class CJpegPageWriter {
public:
    CJpegPageWriter(const CDibPixels& dib, int quality);
    ~CJpegPageWriter();
    CJpegPageWriter(const CJpegPageWriter&) = delete;
    CJpegPageWriter& operator=(const CJpegPageWriter&) = delete;

    // Compresses, on the calling thread, one band not yet done that lies
    // wholly outside rows [top, bottom) (top row 0). False when there is
    // none.
    bool CompressBandOutside(long top, long bottom);
    // Has the spare pool threads compress the bands outside those rows
    // while the calling thread goes on painting inside them.
    void CompressOutsideMeanwhile(long top, long bottom);
    // Compresses the other bands and writes the file, as WriteJpegFile.
    bool Write(const std::string& path, std::string* error);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The same for a decoded picture, with its own JPEG quality when quality is
// negative.
bool WritePictureJpeg(const CPictureImage& image, int quality, const std::string& path, std::string* error);
