#include "app/BatchCommand.h"

#include "app/BatchOptions.h"

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
#include "objects/FormatModule.h"
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

using namespace BatchArgs;

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
        // Pictures that the formats module reads are drawn as unreadable
        // ones without it; say why once rather than leave them out silently.
        CMessage why;
        if (FormatModuleFailed(&why))
            err << "mondrel: warning: " << why.Text() << "; the PNG and TIFF pictures are left out\n";
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
