#include "calendar/IcalReader.h"

#include "calendar/CalDate.h"
#include "calendar/PublicHolidays.h"

#include <libical/ical.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace {

// An event longer than this is taken as a mistake and marks its first
// year only.
constexpr int kMaxEventDays = 366;
// Steps of one rule before the walk gives up, whatever the years asked.
constexpr int kMaxRuleSteps = 100000;

struct CComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
struct CIteratorFree {
    void operator()(icalrecur_iterator* it) const { icalrecur_iterator_free(it); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, CComponentFree>;
using IteratorPtr = std::unique_ptr<icalrecur_iterator, CIteratorFree>;

using DayKey = std::tuple<int, int, int>;

DayKey KeyOf(const icaltimetype& t) { return {t.year, t.month, t.day}; }

bool IsValidDate(const icaltimetype& t)
{
    return !icaltime_is_null_time(t) && t.year >= 1 && t.year <= 9999 && t.month >= 1 && t.month <= 12 &&
           t.day >= 1 && t.day <= 31;
}

class CEventCollector {
public:
    CEventCollector(int fromYear, int toYear, std::vector<CHolidayEvent>* out)
        : m_nFromYear(fromYear), m_nToYear(toYear), m_out(out)
    {
    }

    // Overrides of single occurrences: another VEVENT with the same UID and
    // a RECURRENCE-ID. The master leaves those occurrences to them.
    void NoteOverride(icalcomponent* event)
    {
        const char* uid = icalcomponent_get_uid(event);
        const icaltimetype rid = icalcomponent_get_recurrenceid(event);
        if (uid && IsValidDate(rid))
            m_overridden[uid].insert(KeyOf(rid));
    }

    bool AddEvent(icalcomponent* event)
    {
        const icaltimetype start = icalcomponent_get_dtstart(event);
        if (!IsValidDate(start))
            return true;  // An event without a usable start marks nothing.
        const char* summary = icalcomponent_get_summary(event);
        const std::string name = summary ? summary : "";
        const int days = DaysCovered(event, start);
        // A cancelled event, or a cancelled override, keeps its days free.
        const bool cancelled = icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
        const bool isOverride = IsValidDate(icalcomponent_get_recurrenceid(event));
        if (cancelled || isOverride) {
            if (!cancelled)
                AddDays(start, days, name);
            return Ok();
        }

        std::set<DayKey> skip;
        if (const char* uid = icalcomponent_get_uid(event)) {
            auto found = m_overridden.find(uid);
            if (found != m_overridden.end())
                skip = found->second;
        }
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype ex = icalproperty_get_exdate(p);
            if (IsValidDate(ex))
                skip.insert(KeyOf(ex));
        }

        std::set<DayKey> starts;
        icalproperty* rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY);
        if (rule) {
            const icalrecurrencetype recur = icalproperty_get_rrule(rule);
            IteratorPtr it(icalrecur_iterator_new(recur, start));
            if (it) {
                // Jumping ahead is allowed only for rules without a count,
                // whose occurrences do not depend on where the walk starts.
                if (recur.count == 0 && start.year < m_nFromYear - 1) {
                    icaltimetype jump = start;
                    jump.year = m_nFromYear - 1;
                    jump.month = 1;
                    jump.day = 1;
                    icalrecur_iterator_set_start(it.get(), jump);
                }
                for (int step = 0; step < kMaxRuleSteps; ++step) {
                    const icaltimetype next = icalrecur_iterator_next(it.get());
                    if (!IsValidDate(next) || next.year > m_nToYear)
                        break;
                    starts.insert(KeyOf(next));
                }
            }
        } else {
            starts.insert(KeyOf(start));
        }
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
            const icaltimetype t = IsValidDate(rdate.time) ? rdate.time : rdate.period.start;
            if (IsValidDate(t))
                starts.insert(KeyOf(t));
        }
        for (const DayKey& key : starts) {
            if (skip.count(key))
                continue;
            icaltimetype t = start;
            std::tie(t.year, t.month, t.day) = key;
            AddDays(t, days, name);
            if (!Ok())
                return false;
        }
        return Ok();
    }

    bool Ok() const { return m_out->size() - m_nFirstSize <= kMaxIcalEventDays; }
    void Begin() { m_nFirstSize = m_out->size(); }

private:
    // The number of days an occurrence covers: the end of an all-day event
    // is the day after its last; a timed event ending at midnight does not
    // reach into that day.
    static int DaysCovered(icalcomponent* event, const icaltimetype& start)
    {
        icaltimetype end = icalcomponent_get_dtend(event);
        if (!IsValidDate(end))
            return 1;
        const CCalDate first(start.year, start.month, start.day);
        const CCalDate last(end.year, end.month, end.day);
        int days = last - first;
        const bool endsAtMidnight = end.is_date || (end.hour == 0 && end.minute == 0 && end.second == 0);
        if (!endsAtMidnight)
            ++days;
        return std::clamp(days, 1, kMaxEventDays);
    }

    void AddDays(const icaltimetype& start, int days, const std::string& name)
    {
        CCalDate date(start.year, start.month, start.day);
        for (int i = 0; i < days; ++i, ++date) {
            if (date.GetYear() < m_nFromYear || date.GetYear() > m_nToYear)
                continue;
            m_out->push_back({date.GetYear(), date.GetMonth(), date.GetDay(), name});
        }
    }

    int m_nFromYear;
    int m_nToYear;
    std::vector<CHolidayEvent>* m_out;
    std::size_t m_nFirstSize = 0;
    std::map<std::string, std::set<DayKey>> m_overridden;
};

// The calendars of a parsed text: the root itself, or those inside an
// XROOT when the text holds several.
std::vector<icalcomponent*> Calendars(icalcomponent* root)
{
    std::vector<icalcomponent*> found;
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT) {
        found.push_back(root);
        return found;
    }
    for (icalcomponent* c = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); c;
         c = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        found.push_back(c);
    return found;
}

bool StartsLikeICalendar(const std::string& text)
{
    std::size_t i = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0)
        i = 3;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;
    static const char kBegin[] = "BEGIN:VCALENDAR";
    for (std::size_t k = 0; k + 1 < sizeof kBegin; ++k) {
        if (i + k >= text.size() || std::toupper(static_cast<unsigned char>(text[i + k])) != kBegin[k])
            return false;
    }
    return true;
}

}  // namespace

bool ParseICalendar(const std::string& text, int fromYear, int toYear, std::vector<CHolidayEvent>* events,
                    std::string* error)
{
    auto fail = [error](const char* why) {
        if (error)
            *error = why;
        return false;
    };
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return fail("The file is empty.");
    if (!StartsLikeICalendar(text))
        return fail("The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.");
    if (text.find('\0') != std::string::npos)
        return fail("The file is not an iCalendar file: it holds binary data.");

    // The library's default is to abort on some errors; a bad file must only
    // be refused.
    icalerror_set_errors_are_fatal(0);
    ComponentPtr root(icalparser_parse_string(text.c_str()));
    icalerror_clear_errno();
    if (!root)
        return fail("The iCalendar file could not be read: its structure is damaged.");
    const std::vector<icalcomponent*> calendars = Calendars(root.get());
    if (calendars.empty())
        return fail("The file holds no iCalendar calendar.");

    std::vector<CHolidayEvent> found;
    CEventCollector collector(fromYear, toYear, &found);
    collector.Begin();
    std::vector<icalcomponent*> vevents;
    for (icalcomponent* cal : calendars) {
        for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT))
            vevents.push_back(e);
    }
    if (vevents.empty())
        return fail("The iCalendar file holds no events.");
    for (icalcomponent* e : vevents)
        collector.NoteOverride(e);
    for (icalcomponent* e : vevents) {
        if (!collector.AddEvent(e))
            return fail("The iCalendar file has too many events to be used as special days.");
    }
    events->insert(events->end(), found.begin(), found.end());
    return true;
}

bool ReadICalendarFile(const std::string& path, int fromYear, int toYear, std::vector<CHolidayEvent>* events,
                       std::string* error)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        if (error)
            *error = "The file " + path + " cannot be opened.";
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
        if (error)
            *error = "The file " + path + (tooLarge ? " is too large for an iCalendar file." : " cannot be read.");
        return false;
    }
    std::string why;
    if (!ParseICalendar(text, fromYear, toYear, events, &why)) {
        if (error)
            *error = path + ": " + why;
        return false;
    }
    return true;
}

bool ReloadHolidayList(CHolidayList* list, int fromYear, int toYear, std::string* error)
{
    std::vector<CHolidayEvent> events;
    for (std::size_t i = 0; i < list->m_files.size(); ++i) {
        const std::size_t first = events.size();
        const std::string& source = list->m_files[i];
        if (!(IsRegionSource(source) ? ReadRegionSource(source, fromYear, toYear, &events, error)
                                     : ReadICalendarFile(source, fromYear, toYear, &events, error)))
            return false;
        for (std::size_t k = first; k < events.size(); ++k)
            events[k].m_nFile = static_cast<int>(i);
    }
    list->m_events = std::move(events);
    list->Normalize();
    return true;
}
