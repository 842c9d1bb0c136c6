#include "app/BatchCommand.h"

#include "app/SamplePhoto.h"
#include "calendar/PublicHolidays.h"
#include "calendar/WeekNumbers.h"
#include "document/DrawDoc.h"
#include "document/PagePictures.h"
#include "document/ValueRanges.h"
#include "imageio/PictureImage.h"
#include "imageio/PictureHolder.h"
#include "objects/DrawObj.h"
#include "objects/DrawRect.h"
#include "platform/FontConfiguration.h"
#include "platform/PageExport.h"
#include "MondrelVersion.h"

#include <QtCore/QCoreApplication>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <sys/stat.h>

namespace {

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// The extension of a path, lower case, without the dot ("" when none).
std::string Extension(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    return Lower(path.substr(dot + 1));
}

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

// "1-9999", or "1 to 9999" with another separator.
std::string RangeText(const CValueRange& range, const char* separator = "-")
{
    return std::to_string(range.m_nMin) + separator + std::to_string(range.m_nMax);
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

bool IsReadableFile(const std::string& path)
{
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), R_OK) == 0;
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

std::string AbsolutePath(const std::string& path)
{
    if (path.empty()) return path;
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

}  // namespace

std::string CBatchCommand::Usage()
{
    // Three messages for the translators; the option names stay as they are.
    const char* const forms =
        QT_TRANSLATE_NOOP("CBatchCommand",
                          "Usage:\n"
                          "  mondrel [FILE.mdr ...]    open the documents in the designer's window (a new page\n"
                          "                            when none is given)\n"
                          "  mondrel --new [options] [--save FILE.mdr] [--export FILE.jpg|FILE.bmp|FILE.pdf] [--resolution DPI]\n"
                          "  mondrel --export FILE.jpg|FILE.bmp|FILE.pdf [--page N] [--resolution DPI] DOCUMENT.mdr\n"
                          "  mondrel --make-sample-photo FILE.jpg\n"
                          "  mondrel --help | --version\n");
    const char* const making = QT_TRANSLATE_NOOP("CBatchCommand",
           "Making a calendar (--new), as the New Calendar Wizard does:\n"
           "  --photo FILE              the photo (BMP, GIF, JPEG, PNG, ICO, TIFF, TGA or PCX); with\n"
           "                            --page-per-month give it once per page, in order\n"
           "  --page-per-month          a wall calendar: a page for each month with its own photo\n"
           "                            (the photos cycle when there are fewer than months)\n"
           "  --cover                   with --page-per-month: a cover first, the first photo large\n"
           "                            and the year as its title\n"
           "  --months N                number of months, 0-240 (default 1)\n"
           "  --first-month 1-12        the first month (default: this month)\n"
           "  --year Y                  the year of the first month, %1 (default: this year)\n"
           "  --layout 0-7              0 image above months, 1 months over the image,\n"
           "                            2 months left and bottom, 3 right and bottom,\n"
           "                            4 top and bottom, 5 all sides, 6 top and right,\n"
           "                            7 top and left (default 0)\n"
           "  --background linear|radial|solid     page background (default linear)\n"
           "  --direction horizontal|vertical      linear gradient direction (default vertical)\n"
           "  --from-color RRGGBB       solid colour or gradient start (default FFFFFF)\n"
           "  --to-color RRGGBB         gradient end (default 77ECFF)\n"
           "  --background-image FILE   draw a picture on the page background\n"
           "  --placement center|tiled  how the background picture is placed (default tiled)\n"
           "  --stretch                 stretch the background picture to the page\n"
           "  --frame THICKNESS         add a frame of this band thickness (%2, 0.01 inch)\n"
           "  --holidays FILE.ics       mark the events of an iCalendar file (holidays, birthdays) as special\n"
           "                            days of every calendar; give it again for more files\n"
           "  --holiday-names           also write each event's name under its day number\n"
           "  --holiday-region CODE     mark the public holidays of a country or state (DE, DE-BY, US ...);\n"
           "                            give it again for more regions\n"
           "  --list-holiday-regions    print the region codes and names\n"
           "  --week-numbers iso|us     draw week numbers beside the weeks (ISO 8601, or weeks from Sunday\n"
           "                            with week 1 holding 1 January)\n");
    const char* const output = QT_TRANSLATE_NOOP("CBatchCommand",
           "Output:\n"
           "  --save FILE.mdr           save the calendar document\n"
           "  --export FILE             save the page as a picture (jpg or bmp) or as a PDF (pdf); a PDF\n"
           "                            holds every page, pictures of several pages are written as\n"
           "                            FILE-01.jpg, FILE-02.jpg ...\n"
           "  --page N                  export page N alone (as FILE itself)\n"
           "  --resolution DPI          picture resolution, 10-600 (default 100: one pixel per 0.01 inch)\n"
           "  --make-sample-photo FILE  draw a landscape photo of our own as JPEG\n");
    auto tr = [](const char* text) { return QCoreApplication::translate("CBatchCommand", text); };
    // The ranges are the ones the sheets and the wizard take.
    const QString madeWith = tr(making).arg(QString::fromStdString(RangeText(kYearRange)),
                                            QString::fromStdString(RangeText(kFrameBandRange)));
    return (tr(forms) + "\n" + madeWith + "\n" + tr(output)).toStdString();
}

bool CBatchCommand::IsBatch(const std::vector<std::string>& args)
{
    for (const std::string& a : args)
        if (a == "--new" || a == "--export" || a == "--help" || a == "-h" || a == "--version" ||
            a == "--make-sample-photo" || a == "--save" || a == "--resolution" || a == "--list-holiday-regions")
            return true;
    return false;
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

int CBatchCommand::Execute(const CBatchOptions& o, std::ostream& out, std::ostream& err, CDrawDoc* opened)
{
    if (o.m_bHelp) {
        out << Usage();
        return 0;
    }
    if (o.m_bVersion) {
        out << "mondrel " MONDREL_VERSION "\n";
        return 0;
    }
    if (o.m_bListRegions) {
        for (const CHolidayRegion& region : HolidayRegions())
            out << region.m_strCode << "\t" << region.m_strName << "\n";
        return 0;
    }
    if (!o.m_strSamplePhoto.empty()) {
        std::string error;
        if (!MakeSamplePhoto(o.m_strSamplePhoto, &error)) {
            err << "mondrel: " << error << "\n";
            return 1;
        }
        return 0;
    }

    std::unique_ptr<CDrawDoc> own;
    if (!opened || o.m_bNew || o.m_strDocument.empty()) {
        own = std::make_unique<CDrawDoc>();
        opened = nullptr;
    }
    CDrawDoc& doc = opened ? *opened : *own;
    if (o.m_bNew) {
        // The document keeps the paths of its pictures and holiday files;
        // relative ones would point elsewhere once it is opened from another
        // folder (the designer runs in its program folder).
        CNewCalendarChoices ch = o.m_choices;
        for (std::string* file : {&ch.m_strPhotoPath, &ch.m_strBackImagePath})
            *file = AbsolutePath(*file);
        for (CPhotoFile& photo : ch.m_photos) {
            photo.m_strPath = AbsolutePath(photo.m_strPath);
            if (!IsReadableFile(photo.m_strPath)) {
                err << "mondrel: cannot read " << photo.m_strPath << "\n";
                return 1;
            }
        }
        for (std::string& file : ch.m_holidayFiles)
            if (!IsRegionSource(file)) file = AbsolutePath(file);
        // Files that are missing altogether are a mistake in the command;
        // files that exist but cannot be decoded still give a page.
        for (const std::string* file : {&ch.m_strPhotoPath, &ch.m_strBackImagePath}) {
            if (file == &ch.m_strBackImagePath && !ch.m_bDrawBackImage) continue;
            if (!file->empty() && !IsReadableFile(*file)) {
                err << "mondrel: cannot read " << *file << "\n";
                return 1;
            }
        }
        for (const std::string& file : ch.m_holidayFiles) {
            if (!IsRegionSource(file) && !IsReadableFile(file)) {
                err << "mondrel: cannot read " << file << "\n";
                return 1;
            }
        }
        doc.OnNewDocument();
        if (ch.m_bPagePerMonth) CCalendarGenerator::GenerateWall(doc, ch);
        else CCalendarGenerator::Generate(doc, ch);
        // A holiday file that is not a usable iCalendar file is a mistake in
        // the command, as a missing one is.
        std::string holidayError;
        if (!CCalendarGenerator::ApplyHolidayFiles(doc, ch.m_holidayFiles, ch.m_bHolidayNames, &holidayError)) {
            err << "mondrel: " << holidayError << "\n";
            return 1;
        }
        for (CDrawObj* obj : doc.AllObjects()) {
            auto* rect = dynamic_cast<CDrawRect*>(obj);
            if (rect && rect->m_nKind == CDrawRect::kindCalendar) rect->m_holidays.m_nWeekNumbers = o.m_nWeekNumbers;
        }
        if (!ch.m_strPhotoPath.empty()) {
            // Each photo that does not decode is named once, however many
            // pages show it.
            std::vector<std::string> named;
            for (CDrawObj* obj : doc.AllObjects()) {
                auto* rect = dynamic_cast<CDrawRect*>(obj);
                if (!rect || rect->m_nKind != CDrawRect::kindImage || (rect->m_pImage && rect->m_pImage->IsValid()) ||
                    std::find(named.begin(), named.end(), rect->m_strImagePath) != named.end())
                    continue;
                named.push_back(rect->m_strImagePath);
                err << "mondrel: warning: the photo " << (ch.m_bPagePerMonth ? rect->m_strImagePath : ch.m_strPhotoPath)
                    << " cannot be decoded; the page is made without it\n";
            }
        }
        const CPictureHolder* back = doc.BackImage();
        if (ch.m_bDrawBackImage && (!back || !back->IsValid())) {
            err << "mondrel: warning: the background picture " << ch.m_strBackImagePath
                << " cannot be decoded; the page is made without it\n";
        } else if (ch.m_bDrawBackImage && ch.m_nBackImagePlacement == 1 && !ch.m_bBackImageStretch &&
                   (doc.PageSize().cx / back->GetWidth() <= 1 || doc.PageSize().cy / back->GetHeight() <= 1)) {
            // Tiling needs room for more than one tile each way.
            err << "mondrel: warning: the background picture is larger than half the page, so tiling shows "
                   "nothing; use --placement center or --stretch\n";
        }
        if (!o.m_strSave.empty()) {
            std::string error;
            if (!doc.OnSaveDocument(o.m_strSave, &error)) {
                err << "mondrel: " << error << "\n";
                return 1;
            }
        }
    } else {
        std::string error;
        if (!opened && !doc.OnOpenDocument(o.m_strDocument, &error)) {
            err << "mondrel: " << error << "\n";
            return 1;
        }
        if (!doc.HolidayProblem().empty())
            err << "mondrel: warning: " << doc.HolidayProblem() << " The calendars are drawn without holidays.\n";
        if (!doc.PageProblem().empty()) err << "mondrel: warning: " << doc.PageProblem() << "\n";
    }
    if (!o.m_strExport.empty()) {
        if (o.m_nPage > doc.PageCount()) {
            err << "mondrel: the document has " << doc.PageCount() << (doc.PageCount() == 1 ? " page" : " pages")
                << ", so there is no page " << o.m_nPage << "\n";
            return 2;
        }
        // Every page, or the one asked for.
        const int first = o.m_nPage > 0 ? o.m_nPage - 1 : 0;
        const int last = o.m_nPage > 0 ? o.m_nPage - 1 : doc.PageCount() - 1;
        std::string error;
        const bool ok = Extension(o.m_strExport) == "pdf"
                            ? ExportPagePdf(doc, o.m_strExport, &error, first, last)
                            : ExportPagePictures(doc, o.m_strExport, o.m_nResolution, &error, first, last);
        if (!ok) {
            err << "mondrel: " << error << "\n";
            return 1;
        }
    }
    return 0;
}

int CBatchCommand::Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, CDrawDoc* opened)
{
    std::string error;
    std::optional<CBatchOptions> options = Parse(args, &error);
    if (!options) {
        err << "mondrel: " << error << "\n" << "Try mondrel --help.\n";
        return 2;
    }
    return Execute(*options, out, err, opened);
}

std::unique_ptr<CDrawDoc> CBatchCommand::OpenForExport(const std::vector<std::string>& args)
{
    std::string error;
    const std::optional<CBatchOptions> o = Parse(args, &error);
    if (!o || o->m_bHelp || o->m_bVersion || o->m_bNew || o->m_bListRegions || !o->m_strSamplePhoto.empty() ||
        o->m_strDocument.empty() || o->m_strExport.empty() || Extension(o->m_strExport) == "pdf")
        return nullptr;
    // The fonts' configuration loads beside the document and the toolkit.
    LoadFontConfigurationAhead();
    auto doc = std::make_unique<CDrawDoc>();
    if (!doc->OnOpenDocument(o->m_strDocument, &error)) return nullptr;
    PrefetchPagePictures(*doc, o->m_nResolution);
    return doc;
}
