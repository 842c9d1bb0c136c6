#pragma once

// Helpers shared by the decoder tests: pictures made by ImageMagick at test
// time, ImageMagick's own decoding of them as the reference, and the pixel
// comparison. Everything has internal linkage, since every test file of the
// folder links into one program.

#include "imageio/PictureImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// A folder of its own for this test program's pictures, removed when the
// program ends.
struct CPictureDir {
    fs::path path;
    CPictureDir() : path(fs::path(MONDREL_BINARY_DIR) / "test-pictures" / std::to_string(::getpid()))
    {
        fs::create_directories(path);
    }
    ~CPictureDir()
    {
        std::error_code ec;
        fs::remove_all(path, ec);
    }
};

inline const fs::path& PictureDir()
{
    static const CPictureDir dir;
    return dir.path;
}

inline std::string PicturePath(const std::string& name)
{
    return (PictureDir() / name).string();
}

inline std::string Quote(const std::string& s)
{
    std::string out = "'";
    for (char c : s) {
        if (c == '\'') out += "'\\''";
        else out += c;
    }
    return out + "'";
}

// Runs ImageMagick's convert with the given arguments (already quoted where
// needed); true when it succeeded.
inline bool Convert(const std::string& args)
{
    const std::string cmd = "/usr/bin/convert " + args + " 2>/dev/null";
    return std::system(cmd.c_str()) == 0;
}

inline std::vector<BYTE> ReadFileBytes(const std::string& path)
{
    std::ifstream f(path, std::ios::binary);
    return std::vector<BYTE>((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::string& path, const std::vector<BYTE>& bytes)
{
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string CommandOutput(const std::string& cmd)
{
    std::string out;
    if (FILE* p = ::popen(cmd.c_str(), "r")) {
        char buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        ::pclose(p);
    }
    return out;
}

// ImageMagick's decoding of a file (a frame given as "file[n]"): 8-bit
// red, green, blue, alpha, rows from the top. Options go between the input
// and the output ("-auto-orient" turns rows the way the file's origin says;
// ImageMagick otherwise keeps TGA rows as stored).
struct CReference {
    long width = 0;
    long height = 0;
    std::vector<BYTE> rgba;
    bool Valid() const { return width > 0 && height > 0 && rgba.size() == std::size_t(width * height * 4); }
};

inline CReference MagickDecode(const std::string& source, const std::string& options = "")
{
    CReference ref;
    std::istringstream size(CommandOutput("/usr/bin/identify -format '%w %h\\n' " + Quote(source) + " 2>/dev/null"));
    size >> ref.width >> ref.height;
    const std::string pixels = CommandOutput("/usr/bin/convert " + Quote(source) + " " + options + " -depth 8 rgba:- 2>/dev/null");
    ref.rgba.assign(pixels.begin(), pixels.end());
    return ref;
}

// Our alpha for a pixel: the plane, the palette's alpha, or the transparent
// index; 255 without any of them.
inline int OurAlpha(const CPictureImage& img, long x, long y)
{
    if (img.AlphaIsValid()) return img.AlphaGet(x, y);
    if (img.GetBpp() <= 8 && img.GetTransIndex() >= 0 && img.GetPixelIndex(x, y) == img.GetTransIndex()) return 0;
    if (img.AlphaPaletteIsEnabled()) return img.GetPixelColor(x, y).rgbReserved;
    return 255;
}

// Compares every pixel with the reference; colours of fully transparent
// pixels are not compared. Reports the first few differences only.
inline void ExpectSamePixels(const CPictureImage& img, const CReference& ref, const std::string& what,
                             int tolerance = 0, bool compareAlpha = true)
{
    ASSERT_TRUE(ref.Valid()) << what << ": no reference";
    ASSERT_TRUE(img.IsValid()) << what << ": " << img.GetLastError();
    ASSERT_EQ(img.GetWidth(), ref.width) << what;
    ASSERT_EQ(img.GetHeight(), ref.height) << what;
    int reported = 0;
    for (long row = 0; row < ref.height && reported < 5; ++row) {
        for (long x = 0; x < ref.width && reported < 5; ++x) {
            const BYTE* r = &ref.rgba[std::size_t((row * ref.width + x) * 4)];
            const long y = ref.height - 1 - row;
            const RGBQUAD c = img.GetPixelColor(x, y);
            const int a = OurAlpha(img, x, y);
            bool same = true;
            if (compareAlpha && std::abs(a - r[3]) > tolerance) same = false;
            if (r[3] != 0 && (std::abs(c.rgbRed - r[0]) > tolerance || std::abs(c.rgbGreen - r[1]) > tolerance ||
                              std::abs(c.rgbBlue - r[2]) > tolerance))
                same = false;
            if (!same) {
                ++reported;
                ADD_FAILURE() << what << " at (" << x << ", " << row << " from top): ours " << int(c.rgbRed) << ","
                              << int(c.rgbGreen) << "," << int(c.rgbBlue) << "," << a << " reference " << int(r[0])
                              << "," << int(r[1]) << "," << int(r[2]) << "," << int(r[3]);
            }
        }
    }
}

// A colourful test picture with an odd width, so rows need padding: a
// gradient, a green disc and a white and a black bar.
inline std::string SourcePicture()
{
    static const std::string path = [] {
        const std::string p = PicturePath("source.png");
        Convert("-size 37x21 gradient:'#ff2000-#0010ff' -fill '#00ff00' -draw 'circle 10,10 14,14' "
                "-fill white -draw 'rectangle 30,0 33,20' -fill black -draw 'rectangle 34,0 36,20' " + Quote(p));
        return p;
    }();
    return path;
}

// The same picture with a soft alpha channel and a fully transparent corner.
inline std::string SourcePictureAlpha()
{
    static const std::string path = [] {
        const std::string p = PicturePath("source-alpha.png");
        Convert(Quote(SourcePicture()) + " -alpha set -channel A -fx 'i<5&&j<5?0:(0.3+0.7*i/w)' +channel " + Quote(p));
        return p;
    }();
    return path;
}

inline CPictureImage DecodeFile(const std::string& path, int format, long frame = 0)
{
    CPictureImage img(format);
    img.SetFrame(frame);
    const std::vector<BYTE> bytes = ReadFileBytes(path);
    img.Decode(bytes.data(), bytes.size(), format);
    return img;
}

// Every prefix of a file (at many lengths) and single-byte corruptions of its
// first bytes must decode or fail without touching memory outside the
// buffer; the sanitizer build turns any such access into a failure.
inline void ExpectSurvivesDamage(const std::vector<BYTE>& file, int format)
{
    // Corrupted sizes may ask for large pictures; keep them small here.
    CPictureImage::SetAllocationLimit(64LL << 20);
    const std::size_t step = file.size() > 400 ? file.size() / 200 : 1;
    for (std::size_t len = 0; len < file.size(); len += step) {
        std::vector<BYTE> cut(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(len));
        CPictureImage img(format);
        img.Decode(cut.data(), cut.size(), format);
        if (img.IsValid()) {
            EXPECT_GT(img.GetWidth(), 0);
        }
    }
    const std::size_t head = std::min<std::size_t>(file.size(), 64);
    for (std::size_t i = 0; i < head; ++i) {
        for (BYTE v : {BYTE(0x00), BYTE(0xFF), BYTE(0x80), BYTE(0x7F)}) {
            std::vector<BYTE> bad = file;
            bad[i] = v;
            CPictureImage img(format);
            img.Decode(bad.data(), bad.size(), format);
        }
    }
    CPictureImage::SetAllocationLimit(0);
}

}  // namespace
