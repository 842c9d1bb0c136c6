#include "calendar/Utf8Text.h"

#include <cwctype>
#include <locale.h>
#include <wctype.h>

namespace {

// Decodes the sequence that starts at pos. Returns its length in bytes
// (at least 1, never beyond the text) and the code point, or -1 for a byte
// that does not start a valid sequence.
std::size_t DecodeOne(const std::string& text, std::size_t pos, long* codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    *codePoint = -1;
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    }
    std::size_t length = 0;
    long value = 0;
    long minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 1;
    }
    if (text.size() - pos < length)
        return 1;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char c = byte(pos + i);
        if ((c & 0xC0) != 0x80)
            return 1;
        value = (value << 6) | (c & 0x3F);
    }
    if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 1;
    *codePoint = value;
    return length;
}

void AppendUtf8(std::string& out, long cp)
{
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// A character-type locale with the full Unicode case mapping, independent
// of what the user's LC_CTYPE happens to be (often "C" in a program that
// only sets LC_TIME). Made once and kept for the life of the process.
locale_t UnicodeCaseLocale()
{
    static const locale_t loc = [] {
        for (const char* name : {"C.UTF-8", "C.utf8", "en_US.UTF-8"}) {
            if (locale_t l = newlocale(LC_CTYPE_MASK, name, static_cast<locale_t>(nullptr)))
                return l;
        }
        return static_cast<locale_t>(nullptr);
    }();
    return loc;
}

}  // namespace

bool IsAscii(const std::string& text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

std::string Utf8Prefix(const std::string& text, int count)
{
    std::size_t pos = 0;
    long cp = 0;
    for (int i = 0; i < count && pos < text.size(); ++i)
        pos += DecodeOne(text, pos, &cp);
    return text.substr(0, pos);
}

int Utf8Length(const std::string& text)
{
    int count = 0;
    long cp = 0;
    for (std::size_t pos = 0; pos < text.size(); ++count)
        pos += DecodeOne(text, pos, &cp);
    return count;
}

std::string Utf8ToUpper(const std::string& text)
{
    const locale_t loc = UnicodeCaseLocale();
    std::string out;
    out.reserve(text.size());
    long cp = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = DecodeOne(text, pos, &cp);
        if (cp < 0) {
            out.append(text, pos, length);
        } else if (cp < 0x80) {
            out += static_cast<char>(cp >= 'a' && cp <= 'z' ? cp - 'a' + 'A' : cp);
        } else {
            const long upper = loc ? static_cast<long>(towupper_l(static_cast<wint_t>(cp), loc)) : cp;
            AppendUtf8(out, upper > 0 && upper <= 0x10FFFF ? upper : cp);
        }
        pos += length;
    }
    return out;
}

std::string MakeValidUtf8(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    long cp = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = DecodeOne(text, pos, &cp);
        if (cp < 0)
            out += "\xEF\xBF\xBD";
        else
            out.append(text, pos, length);
        pos += length;
    }
    return out;
}
