#include "calendar/IcalReader.h"

#include "calendar/PublicHolidays.h"
#include "objects/FormatModule.h"

#include <cstdio>
#include <sys/stat.h>

// The files and lists of special days; the text of a file is read by the
// formats module.

const char* const kIcalCancelled = MESSAGE_TEXT("CMessage", "The reading was cancelled.");

bool ParseICalendar(const std::string& text, int fromYear, int toYear, CHolidayList* days, CMessageOut error,
                    CIcalProgress* progress)
{
    CMessage why;
    if (const CFormatTable* table = FormatTable(&why))
        return table->m_pParseICalendar(text, fromYear, toYear, days, error, progress);
    error.Set(why);
    return false;
}

std::size_t HolidayFileSize(const std::string& path)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return 0;
    return static_cast<std::size_t>(info.st_size);
}

bool ReadICalendarFile(const std::string& path, int fromYear, int toYear, CHolidayList* days, CMessageOut error,
                       CIcalProgress* progress)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "The file %1 cannot be opened.")).Arg(path));
        return false;
    }
    std::string text;
    char buffer[65536];
    bool tooLarge = false;
    std::size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) {
        if (text.size() + n > kMaxIcalFileSize) {
            tooLarge = true;
            break;
        }
        text.append(buffer, n);
    }
    const bool readError = std::ferror(f) != 0;
    std::fclose(f);
    if (tooLarge || readError) {
        error.Set(CMessage(tooLarge ? MESSAGE_TEXT("CMessage", "The file %1 is too large for an iCalendar file.")
                                    : MESSAGE_TEXT("CMessage", "The file %1 cannot be read."))
                      .Arg(path));
        return false;
    }
    CMessage why;
    if (!ParseICalendar(text, fromYear, toYear, days, &why, progress)) {
        error.Set(why.Is(kIcalCancelled) ? why : CMessage(MESSAGE_TEXT("CMessage", "%1: %2")).Arg(path).Arg(why));
        return false;
    }
    return true;
}

bool AddICalendarFile(CHolidayList* list, const std::string& path, int fromYear, int toYear, CMessageOut error,
                      CIcalProgress* progress)
{
    if (list->m_files.size() >= CHolidayList::kMaxFiles) {
        error.Set(CHolidayList::TooManyFiles());
        return false;
    }
    CHolidayList days;
    if (!ReadICalendarFile(path, fromYear, toYear, &days, error, progress))
        return false;
    if (list->m_events.size() + days.m_events.size() > CHolidayList::kMaxEvents) {
        error.Set(CMessage(MESSAGE_TEXT("CMessage", "With the file %1 the holiday files give %2 days in all; a "
                                                    "calendar can keep at most %3."))
                      .Arg(path)
                      .Arg(list->m_events.size() + days.m_events.size())
                      .Arg(CHolidayList::kMaxEvents));
        return false;
    }
    CHolidayList grown = *list;
    grown.SetFileDays(grown.m_files.size(), path, days);
    if (!grown.WithinLimits(error))
        return false;
    *list = std::move(grown);
    return true;
}

bool IsHolidayFileSource(const std::string& source) { return source.rfind("region:", 0) != 0; }

bool ReloadHolidayList(CHolidayList* list, int fromYear, int toYear, CMessageOut error, CIcalProgress* progress)
{
    // Each file's days are read again and each region's made again for the
    // years; the whole is sorted once.
    // Days of no source in the list stay as they are.
    CHolidayList grown = *list;
    grown.m_events.clear();
    for (const CHolidayEvent& e : list->m_events) {
        if (e.m_nFile < 0 || static_cast<std::size_t>(e.m_nFile) >= list->m_files.size())
            grown.m_events.push_back(e);
    }
    for (std::size_t i = 0; i < list->m_files.size(); ++i) {
        const std::string& source = list->m_files[i];
        CHolidayList days;
        if (!(IsHolidayFileSource(source) ? ReadICalendarFile(source, fromYear, toYear, &days, error, progress)
                                          : ReadRegionSource(source, fromYear, toYear, &days, error)))
            return false;
        grown.AppendDays(days.m_names, days.m_events, static_cast<int>(i));
        if (grown.m_events.size() > CHolidayList::kMaxEvents)
            break;  // Refused below.
    }
    if (!grown.WithinLimits(error))
        return false;
    grown.Normalize();
    *list = std::move(grown);
    return true;
}
