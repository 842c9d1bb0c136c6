#pragma once

// Helpers for the tests of the library decoders and the writers: a scratch
// folder, ImageMagick and djpeg run as independent judges, a test pattern of
// our own, and reading pixels out of a decoded picture.

#include "imageio/PictureImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

namespace codectest {
namespace {

// One scratch folder per test program, removed at exit.
inline const std::string& ScratchDir()
{
    static const std::string dir = [] {
        char pattern[] = "/tmp/mondrel-codecs-XXXXXX";
        const char* made = mkdtemp(pattern);
        std::string d = made ? made : "/tmp";
        static std::string forCleanup;
        forCleanup = d;
        std::atexit([] {
            if (forCleanup.size() > 5) std::system(("rm -rf '" + forCleanup + "'").c_str());
        });
        return d;
    }();
    return dir;
}

inline std::string Scratch(const std::string& name)
{
    return ScratchDir() + "/" + name;
}

inline int Shell(const std::string& command)
{
    const int status = std::system((command + " >/dev/null 2>&1").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Runs a command and returns what it printed.
inline std::vector<BYTE> Capture(const std::string& command, int* exitCode = nullptr)
{
    std::vector<BYTE> out;
    FILE* pipe = popen((command + " 2>/dev/null").c_str(), "r");
    if (!pipe) return out;
    BYTE buf[65536];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, pipe)) > 0) out.insert(out.end(), buf, buf + n);
    const int status = pclose(pipe);
    if (exitCode) *exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

inline std::vector<BYTE> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<BYTE>(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::string& path, const std::vector<BYTE>& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// An RGBA picture, rows top-down.
struct Rgba {
    int width = 0;
    int height = 0;
    std::vector<BYTE> px;
    const BYTE* At(int x, int y) const { return px.data() + (static_cast<std::size_t>(y) * width + x) * 4; }
};

// A colourful pattern with every channel varying, odd-sized so rows need
// padding, and an alpha ramp with fully transparent and fully opaque parts.
inline Rgba Pattern(int width = 67, int height = 45)
{
    Rgba p{width, height, std::vector<BYTE>(static_cast<std::size_t>(width) * height * 4)};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            BYTE* q = p.px.data() + (static_cast<std::size_t>(y) * width + x) * 4;
            q[0] = static_cast<BYTE>(x * 255 / (width - 1));
            q[1] = static_cast<BYTE>(y * 255 / (height - 1));
            q[2] = static_cast<BYTE>((x * 7 + y * 13) & 0xFF);
            q[3] = static_cast<BYTE>(x < width / 4 ? 0 : x > width * 3 / 4 ? 255 : (x * 5 + y) & 0xFF);
        }
    return p;
}

// Writes the pattern as a PAM file (with alpha) that ImageMagick turns into
// every other format.
inline std::string WritePam(const Rgba& p, const std::string& name, bool alpha)
{
    std::ostringstream head;
    head << "P7\nWIDTH " << p.width << "\nHEIGHT " << p.height << "\nDEPTH " << (alpha ? 4 : 3)
         << "\nMAXVAL 255\nTUPLTYPE " << (alpha ? "RGB_ALPHA" : "RGB") << "\nENDHDR\n";
    std::string h = head.str();
    std::vector<BYTE> bytes(h.begin(), h.end());
    for (std::size_t i = 0; i < p.px.size(); i += 4)
        bytes.insert(bytes.end(), p.px.begin() + i, p.px.begin() + i + (alpha ? 4 : 3));
    const std::string path = Scratch(name);
    WriteFile(path, bytes);
    return path;
}

// ImageMagick's own decoding of a file as 8-bit RGBA.
inline Rgba MagickDecode(const std::string& file, const std::string& options = "")
{
    Rgba r;
    const std::vector<BYTE> size = Capture("identify -format '%w %h\\n' '" + file + "'");
    std::istringstream in(std::string(size.begin(), size.end()));
    in >> r.width >> r.height;
    r.px = Capture("convert '" + file + "' " + options + " -depth 8 rgba:-");
    return r;
}

// The colour and opacity of a decoded pixel, x from the left and y from the
// top of the picture, read straight from the bitmap block.
inline void OurPixel(const CPictureImage& image, int x, int y, BYTE out[4])
{
    const long row = image.GetHeight() - 1 - y;
    const BYTE* bits = image.GetBits() + static_cast<std::size_t>(row) * image.GetEffWidth();
    const int bpp = image.GetBpp();
    if (bpp == 24) {
        out[0] = bits[3 * x + 2];
        out[1] = bits[3 * x + 1];
        out[2] = bits[3 * x];
    } else {
        unsigned index = bpp == 8 ? bits[x] : bpp == 4 ? (bits[x / 2] >> (x % 2 ? 0 : 4)) & 15 : (bits[x / 8] >> (7 - x % 8)) & 1;
        const RGBQUAD c = image.GetPalette()[index];
        out[0] = c.rgbRed;
        out[1] = c.rgbGreen;
        out[2] = c.rgbBlue;
        out[3] = image.AlphaPaletteIsEnabled() ? c.rgbReserved : image.GetTransIndex() == static_cast<long>(index) ? 0 : 255;
        return;
    }
    out[3] = 255;
    if (image.AlphaIsValid()) out[3] = image.m_alpha[static_cast<std::size_t>(row) * image.GetWidth() + x];
}

// The largest channel difference between our picture and ImageMagick's,
// over pixels that are opaque in ImageMagick's decoding (transparent pixels
// have no defined colour). Alpha is compared too when compareAlpha is set.
inline int MaxDifference(const CPictureImage& image, const Rgba& ref, bool compareAlpha)
{
    if (image.GetWidth() != ref.width || image.GetHeight() != ref.height ||
        ref.px.size() != static_cast<std::size_t>(ref.width) * ref.height * 4)
        return 1000;
    int worst = 0;
    for (int y = 0; y < ref.height; ++y)
        for (int x = 0; x < ref.width; ++x) {
            BYTE ours[4];
            OurPixel(image, x, y, ours);
            const BYTE* theirs = ref.At(x, y);
            if (compareAlpha) worst = std::max(worst, std::abs(ours[3] - theirs[3]));
            if (theirs[3] != 255) continue;
            for (int c = 0; c < 3; ++c) worst = std::max(worst, std::abs(ours[c] - theirs[c]));
        }
    return worst;
}

inline bool DecodeFile(const std::string& path, int format, CPictureImage& image, long frame = 0)
{
    const std::vector<BYTE> bytes = ReadFile(path);
    image.SetFrame(frame);
    return image.Decode(bytes.data(), bytes.size(), format);
}

}  // namespace
}  // namespace codectest
