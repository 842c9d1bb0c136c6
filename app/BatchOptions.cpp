#include "app/BatchOptions.h"

#include "app/BatchCommand.h"
#include "calendar/PublicHolidays.h"
#include "calendar/WeekNumbers.h"
#include "document/DrawDoc.h"
#include "document/PagePictures.h"
#include "document/ValueRanges.h"
#include "imageio/PixelBlock.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

// The command line's reading and the early opening of an export's document
// need no toolkit: the program runs them before it loads the toolkit.

using namespace BatchArgs;

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

namespace BatchArgs {

// The extension of a path, lower case, without the dot ("" when none).
std::string Extension(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return Lower(path.substr(dot + 1));
}

// "1-9999", or "1 to 9999" with another separator.
std::string RangeText(const CValueRange& range, const char* separator)
{
    return std::to_string(range.m_nMin) + separator + std::to_string(range.m_nMax);
}

bool IsReadableFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), R_OK) == 0;
}

std::string AbsolutePath(const std::string& path)
{
    if (path.empty()) return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

}  // namespace BatchArgs

namespace {

bool ParseInt(const std::string& text, int low, int high, int* value)
{
    if (text.empty() || text.size() > 9) return false;
    std::size_t i = 0;
    bool negative = false;
    if (text[0] == '-' || text[0] == '+') {
        negative = text[0] == '-';
        i = 1;
    }
    if (i == text.size()) return false;
    long v = 0;
    for (; i < text.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        v = v * 10 + (text[i] - '0');
    }
    if (negative) v = -v;
    if (v < low || v > high) return false;
    *value = static_cast<int>(v);
    return true;
}

bool ParseInt(const std::string& text, const CValueRange& range, int* value)
{
    return ParseInt(text, range.m_nMin, range.m_nMax, value);
}

// RRGGBB, red first as people write colours; "#" in front is allowed.
bool ParseColor(std::string text, COLORREF* color)
{
    if (!text.empty() && text[0] == '#') text.erase(0, 1);
    if (text.size() != 6 || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isxdigit(c); }))
        return false;
    unsigned long v = std::strtoul(text.c_str(), nullptr, 16);
    *color = RGB(static_cast<int>((v >> 16) & 0xFF), static_cast<int>((v >> 8) & 0xFF), static_cast<int>(v & 0xFF));
    return true;
}

bool CheckExportExtension(const std::string& path, std::string* error)
{
    std::string ext = Extension(path);
    if (ext != "bmp" && ext != "jpg" && ext != "pdf") {
        *error = "ERROR: File extension must be - bmp or jpg.";
        return false;
    }
    return true;
}

}  // namespace

bool CBatchCommand::IsBatch(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--new" || a == "--export" || a == "--help" || a == "-h" || a == "--version" ||
            a == "--make-sample-photo" || a == "--save" || a == "--resolution" || a == "--list-holiday-regions")
            return true;
    return false;
}

std::vector<std::string>::const_iterator CBatchCommand::FirstOption(const std::vector<std::string>& args)
{
    return std::find_if(args.begin(), args.end(), [](const std::string& a) { return a.size() > 1 && a[0] == '-'; });
}

std::optional<CBatchOptions> CBatchCommand::Parse(const std::vector<std::string>& args, std::string* error)
{
    CBatchOptions o;
    CNewCalendarChoices& ch = o.m_choices;
    std::vector<std::string> positional;
    bool wizardOption = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string* v) {
            if (i + 1 >= args.size()) {
                *error = "The option " + a + " needs a value.";
                return false;
            }
            *v = args[++i];
            return true;
        };
        std::string v;
        if (a == "--help" || a == "-h") {
            o.m_bHelp = true;
        } else if (a == "--version") {
            o.m_bVersion = true;
        } else if (a == "--new") {
            o.m_bNew = true;
        } else if (a == "--make-sample-photo") {
            if (!value(&o.m_strSamplePhoto)) return std::nullopt;
        } else if (a == "--save") {
            if (!value(&o.m_strSave)) return std::nullopt;
        } else if (a == "--export") {
            if (!value(&o.m_strExport)) return std::nullopt;
        } else if (a == "--resolution") {
            if (!value(&v)) return std::nullopt;
            if (!ParseInt(v, 10, 600, &o.m_nResolution)) {
                *error = "The resolution must be a whole number of dots per inch from 10 to 600, not \"" + v + "\".";
                return std::nullopt;
            }
        } else if (a == "--photo") {
            if (!value(&ch.m_strPhotoPath)) return std::nullopt;
            ch.m_strPhotoType = Extension(ch.m_strPhotoPath);
            ch.m_photos.push_back({ch.m_strPhotoPath, ch.m_strPhotoType});
            wizardOption = true;
        } else if (a == "--page-per-month") {
            ch.m_bPagePerMonth = true;
            wizardOption = true;
        } else if (a == "--cover") {
            ch.m_bCover = true;
            wizardOption = true;
        } else if (a == "--page") {
            if (!value(&v)) return std::nullopt;
            if (!ParseInt(v, 1, CDrawDoc::kMaxPages, &o.m_nPage)) {
                *error = "The page must be a number from 1 to " + std::to_string(CDrawDoc::kMaxPages) + ", not \"" +
                         v + "\".";
                return std::nullopt;
            }
        } else if (a == "--months") {
            if (!value(&v)) return std::nullopt;
            if (!ParseInt(v, 0, 240, &ch.m_nMonths)) {
                *error = "The number of months must be from 0 to 240, not \"" + v + "\".";
                return std::nullopt;
            }
            wizardOption = true;
        } else if (a == "--first-month") {
            if (!value(&v)) return std::nullopt;
            int month = 0;
            if (!ParseInt(v, kMonthRange, &month)) {
                *error = "The first month must be from " + RangeText(kMonthRange, " to ") + ", not \"" + v + "\".";
                return std::nullopt;
            }
            ch.m_nFirstMonth = month - 1;
            wizardOption = true;
        } else if (a == "--year") {
            if (!value(&v)) return std::nullopt;
            if (!ParseInt(v, kYearRange, &ch.m_nYear)) {
                *error = "The year must be from " + RangeText(kYearRange, " to ") + ", not \"" + v + "\".";
                return std::nullopt;
            }
            wizardOption = true;
        } else if (a == "--layout") {
            if (!value(&v)) return std::nullopt;
            if (!ParseInt(v, kGeneratorLayoutRange, &ch.m_nLayout)) {
                *error = "The layout must be from " + RangeText(kGeneratorLayoutRange, " to ") + ", not \"" + v + "\".";
                return std::nullopt;
            }
            wizardOption = true;
        } else if (a == "--background") {
            if (!value(&v)) return std::nullopt;
            if (v == "linear") ch.m_nBackStyle = 0;
            else if (v == "radial") ch.m_nBackStyle = 1;
            else if (v == "solid") ch.m_nBackStyle = 2;
            else {
                *error = "The background must be linear, radial or solid, not \"" + v + "\".";
                return std::nullopt;
            }
            wizardOption = true;
        } else if (a == "--direction") {
            if (!value(&v)) return std::nullopt;
            if (v == "horizontal") ch.m_nGradientDirection = 0;
            else if (v == "vertical") ch.m_nGradientDirection = 1;
            else {
                *error = "The direction must be horizontal or vertical, not \"" + v + "\".";
                return std::nullopt;
            }
            wizardOption = true;
        } else if (a == "--from-color" || a == "--to-color") {
            if (!value(&v)) return std::nullopt;
            if (!ParseColor(v, a == "--from-color" ? &ch.m_crFrom : &ch.m_crTo)) {
                *error = "The option " + a + " needs a colour written RRGGBB, not \"" + v + "\".";
                return std::nullopt;
            }
            wizardOption = true;
        } else if (a == "--background-image") {
            if (!value(&ch.m_strBackImagePath)) return std::nullopt;
            ch.m_strBackImageType = Extension(ch.m_strBackImagePath);
            ch.m_bDrawBackImage = 1;
            wizardOption = true;
        } else if (a == "--placement") {
            if (!value(&v)) return std::nullopt;
            if (v == "center" || v == "centre") ch.m_nBackImagePlacement = 0;
            else if (v == "tiled") ch.m_nBackImagePlacement = 1;
            else {
                *error = "The placement must be center or tiled, not \"" + v + "\".";
                return std::nullopt;
            }
            wizardOption = true;
        } else if (a == "--stretch") {
            ch.m_bBackImageStretch = 1;
            wizardOption = true;
        } else if (a == "--frame") {
            if (!value(&v)) return std::nullopt;
            if (!ParseInt(v, kFrameBandRange, &ch.m_nFrameThickness)) {
                *error = "The frame thickness must be from " + RangeText(kFrameBandRange, " to ") + ", not \"" + v + "\".";
                return std::nullopt;
            }
            ch.m_bFrame = 1;
            wizardOption = true;
        } else if (a == "--holidays") {
            if (!value(&v)) return std::nullopt;
            ch.m_holidayFiles.push_back(v);
            wizardOption = true;
        } else if (a == "--holiday-region") {
            if (!value(&v)) return std::nullopt;
            if (HolidayRegionName(v).empty()) {
                *error = "There are no public holidays for the region \"" + v +
                         "\"; mondrel --list-holiday-regions lists the regions.";
                return std::nullopt;
            }
            ch.m_holidayFiles.push_back(RegionSource(v));
            wizardOption = true;
        } else if (a == "--list-holiday-regions") {
            o.m_bListRegions = true;
        } else if (a == "--week-numbers") {
            if (!value(&v)) return std::nullopt;
            if (v == "iso") o.m_nWeekNumbers = weekNumbersIso;
            else if (v == "us") o.m_nWeekNumbers = weekNumbersUs;
            else {
                *error = "The week numbers must be iso or us, not \"" + v + "\".";
                return std::nullopt;
            }
            wizardOption = true;
        } else if (a == "--holiday-names") {
            ch.m_bHolidayNames = true;
            wizardOption = true;
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            *error = "Unknown option \"" + a + "\".";
            return std::nullopt;
        } else {
            positional.push_back(a);
        }
    }
    if (o.m_bHelp || o.m_bVersion || o.m_bListRegions) return o;
    if (!o.m_strSamplePhoto.empty()) {
        if (o.m_bNew || !o.m_strExport.empty() || !o.m_strSave.empty() || !positional.empty()) {
            *error = "--make-sample-photo is used on its own.";
            return std::nullopt;
        }
        if (Extension(o.m_strSamplePhoto) != "jpg" && Extension(o.m_strSamplePhoto) != "jpeg") {
            *error = "The sample photo is a JPEG picture; give it the extension jpg.";
            return std::nullopt;
        }
        return o;
    }
    if (ch.m_bCover && !ch.m_bPagePerMonth) {
        *error = "--cover is used with --page-per-month.";
        return std::nullopt;
    }
    if (ch.m_bPagePerMonth && !CCalendarGenerator::SuitsOneMonth(ch.m_nLayout)) {
        *error = "A page for each month takes layout 0 (the photo above the month) or 1 (the month over the photo).";
        return std::nullopt;
    }
    if (o.m_nPage > 0 && o.m_strExport.empty()) {
        *error = "--page is used with --export.";
        return std::nullopt;
    }
    if (o.m_bNew) {
        if (!positional.empty()) {
            *error = "--new makes a new calendar; it takes no document (\"" + positional.front() + "\").";
            return std::nullopt;
        }
    } else {
        if (wizardOption) {
            *error = "The calendar options are used with --new.";
            return std::nullopt;
        }
        if (!o.m_strSave.empty()) {
            *error = "--save is used with --new.";
            return std::nullopt;
        }
        if (o.m_strExport.empty()) {
            *error = "Nothing to do: give --new, or --export with a document.";
            return std::nullopt;
        }
        if (positional.size() != 1) {
            *error = positional.empty() ? "--export needs the document to export (DOCUMENT.mdr)."
                                        : "--export takes one document.";
            return std::nullopt;
        }
        o.m_strDocument = positional.front();
    }
    if (!o.m_strExport.empty() && !CheckExportExtension(o.m_strExport, error)) return std::nullopt;
    return o;
}

std::unique_ptr<CDrawDoc> CBatchCommand::OpenForExport(const std::vector<std::string>& args)
{
    std::string error;
    const std::optional<CBatchOptions> o = Parse(args, &error);
    if (!o || o->m_bHelp || o->m_bVersion || o->m_bNew || o->m_bListRegions || !o->m_strSamplePhoto.empty() ||
        o->m_strDocument.empty() || o->m_strExport.empty() || Extension(o->m_strExport) == "pdf")
        return nullptr;
    auto doc = std::make_unique<CDrawDoc>();
    if (!doc->OnOpenDocument(o->m_strDocument, &error)) return nullptr;
    PrefetchPagePictures(*doc, o->m_nResolution);
    // The page's picture, tens of megabytes at print resolutions, is made
    // white while the toolkit loads.
    const CSize pixels = PagePixels(*doc, o->m_nResolution);
    if (pixels.cx > 0 && pixels.cy > 0 && pixels.cx < (1 << 16) && pixels.cy < (1 << 16))
        PrepareWhitePixels(static_cast<std::size_t>(pixels.cx) * 4 * static_cast<std::size_t>(pixels.cy));
    return doc;
}
