#include "calendar/IcalReader.h"

#include "calendar/CalDate.h"
#include "calendar/Utf8Text.h"
#include "objects/FormatModule.h"

#include <libical/ical.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <set>
#include <tuple>
#include <unordered_map>

namespace {

// An event longer than this is taken as a mistake and marks its first
// year only.
constexpr int kMaxEventDays = 366;

struct CComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
struct CIteratorFree {
    void operator()(icalrecur_iterator* it) const { icalrecur_iterator_free(it); }
};
struct CParserFree {
    void operator()(icalparser* p) const { icalparser_free(p); }
};
using ComponentPtr = std::unique_ptr<icalcomponent, CComponentFree>;
using IteratorPtr = std::unique_ptr<icalrecur_iterator, CIteratorFree>;
using ParserPtr = std::unique_ptr<icalparser, CParserFree>;

using DayKey = std::tuple<int, int, int>;
using TimeKey = std::tuple<int, int, int, int, int, int>;

DayKey KeyOf(const icaltimetype& t) { return {t.year, t.month, t.day}; }
TimeKey TimeKeyOf(const icaltimetype& t) { return {t.year, t.month, t.day, t.hour, t.minute, t.second}; }

bool IsValidDate(const icaltimetype& t)
{
    return !icaltime_is_null_time(t) && t.year >= 1 && t.year <= 9999 && t.month >= 1 && t.month <= 12 &&
           t.day >= 1 && t.day <= 31;
}

// Why a reading stopped before its end.
enum class Stop { none, cancelled, tooSlow };

// The steps and the time one file may take, and the caller's Cancel.
class CBudget {
public:
    explicit CBudget(CIcalProgress* progress)
        : m_progress(progress),
          m_deadline(std::chrono::steady_clock::now() +
                     std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                         std::chrono::duration<double>(kMaxIcalSeconds)))
    {
    }

    // One step of work; false once the budget is spent or the reading is
    // cancelled. One step of the library can take long, so the clock is
    // looked at every time.
    bool Spend(long steps = 1)
    {
        if (m_stop != Stop::none)
            return false;
        m_nSteps += steps;
        if (m_nSteps > kMaxIcalSteps)
            m_stop = Stop::tooSlow;
        else if (m_progress && m_progress->m_bCancel.load(std::memory_order_relaxed))
            m_stop = Stop::cancelled;
        else if (std::chrono::steady_clock::now() > m_deadline)
            m_stop = Stop::tooSlow;
        return m_stop == Stop::none;
    }

    void Report(int permille) const
    {
        if (m_progress)
            m_progress->m_nPermille.store(std::clamp(permille, 0, 1000), std::memory_order_relaxed);
    }

    Stop Stopped() const { return m_stop; }

private:
    CIcalProgress* m_progress;
    std::chrono::steady_clock::time_point m_deadline;
    long m_nSteps = 0;
    Stop m_stop = Stop::none;
};

// The text checked line by line before the library sees it: the library
// frees nested components by recursion and keeps every repeat rule at a
// cost of kilobytes, so too deep a nesting or too many rules are refused
// here. Lines are unfolded as the library unfolds them, so a BEGIN cut over
// two lines counts too.
bool CheckStructure(const std::string& text, CBudget& budget, CMessage* why)
{
    std::vector<std::string> open;
    std::size_t rules = 0;
    std::string name;  // The property name of the logical line, upper case.
    bool inName = true;
    bool lineStart = true;
    std::string value;  // The first bytes after BEGIN: or END:.
    auto endLine = [&]() -> bool {
        while (!value.empty() && (value.back() == ' ' || value.back() == '\t'))
            value.pop_back();
        if (name == "BEGIN") {
            open.push_back(value);
            if (open.size() > static_cast<std::size_t>(kMaxIcalNesting)) {
                *why = CMessage(MESSAGE_TEXT("CMessage", "The iCalendar file is nested too deeply to be a calendar."));
                return false;
            }
        } else if (name == "END") {
            // Only an END that closes the innermost component is counted;
            // any other leaves the depth as high as the library may see it.
            if (!open.empty() && open.back() == value)
                open.pop_back();
        } else if (name == "RRULE" || name == "EXRULE") {
            if (++rules > kMaxIcalRules) {
                *why = CMessage(MESSAGE_TEXT("CMessage", "The iCalendar file has too many repeating events to be used "
                                                         "as special days."));
                return false;
            }
        }
        name.clear();
        value.clear();
        inName = true;
        return true;
    };
    const std::size_t size = text.size();
    for (std::size_t i = 0; i < size; ++i) {
        const char c = text[i];
        if ((i & 0xFFFF) == 0) {
            if (!budget.Spend(64))
                return false;
            budget.Report(static_cast<int>(100.0 * static_cast<double>(i) / static_cast<double>(size)));
        }
        if (c == '\n') {
            lineStart = true;
            continue;
        }
        if (lineStart) {
            lineStart = false;
            // A line that starts with a blank continues the one before.
            if (c == ' ' || c == '\t')
                continue;
            if (!endLine())
                return false;
        }
        if (c == '\r')
            continue;
        if (inName) {
            if (c == ':' || c == ';') {
                inName = false;
            } else if (name.size() < 8) {
                name += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            } else {
                name = "-";  // Longer than any name looked for.
            }
        } else if ((name == "BEGIN" || name == "END") && value.size() < 64) {
            value += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        }
    }
    return endLine();
}

// Hands the text to the library line by line, looking at the budget as it
// goes. A line with no end is handed over in pieces without scanning the
// rest of the text each time.
struct CLineSource {
    const std::string* text;
    std::size_t pos = 0;
    CBudget* budget;
};

char* NextLine(char* out, std::size_t size, void* data)
{
    auto* source = static_cast<CLineSource*>(data);
    const std::string& text = *source->text;
    if (source->pos >= text.size() || size < 2)
        return nullptr;
    if (!source->budget->Spend())
        return nullptr;
    std::size_t n = std::min(size - 1, text.size() - source->pos);
    if (const void* newline = std::memchr(text.data() + source->pos, '\n', n))
        n = static_cast<std::size_t>(static_cast<const char*>(newline) - (text.data() + source->pos)) + 1;
    std::memcpy(out, text.data() + source->pos, n);
    out[n] = '\0';
    source->pos += n;
    if ((source->pos & 0x3FFF) < n)
        source->budget->Report(100 + static_cast<int>(400.0 * static_cast<double>(source->pos) /
                                                      static_cast<double>(text.size())));
    return out;
}

// A rule finer than a day marks every day it touches; as a daily rule of
// whole days it marks the same days with a walk of days, not of seconds.
// The hours, minutes and seconds a rule picks within a day do not change
// its days either (unless BYSETPOS counts them), so they are not walked.
void ClampToDays(icalrecurrencetype* recur, const icaltimetype& start)
{
    if (recur->by_set_pos[0] == ICAL_RECURRENCE_ARRAY_MAX) {
        recur->by_second[0] = ICAL_RECURRENCE_ARRAY_MAX;
        recur->by_minute[0] = ICAL_RECURRENCE_ARRAY_MAX;
        recur->by_hour[0] = ICAL_RECURRENCE_ARRAY_MAX;
    }
    long unit = 0;
    switch (recur->freq) {
    case ICAL_SECONDLY_RECURRENCE:
        unit = 1;
        break;
    case ICAL_MINUTELY_RECURRENCE:
        unit = 60;
        break;
    case ICAL_HOURLY_RECURRENCE:
        unit = 3600;
        break;
    default:
        return;
    }
    const long step = std::max<long>(1, recur->interval) * unit;
    const long days = std::max<long>(1, step / 86400);
    // A count of occurrences less than a day apart becomes the count of the
    // days from the start's to the last one's.
    if (recur->count > 0 && step < 86400) {
        const long long startSecond = start.is_date ? 0 : start.hour * 3600LL + start.minute * 60LL + start.second;
        const long long last = startSecond + static_cast<long long>(recur->count - 1) * step;
        recur->count = static_cast<int>(std::min<long long>(last / 86400 + 1, 0x7FFFFFFF));
    }
    recur->freq = ICAL_DAILY_RECURRENCE;
    recur->interval = static_cast<short>(std::min<long>(days, 0x7FFF));
    recur->by_second[0] = ICAL_RECURRENCE_ARRAY_MAX;
    recur->by_minute[0] = ICAL_RECURRENCE_ARRAY_MAX;
    recur->by_hour[0] = ICAL_RECURRENCE_ARRAY_MAX;
    recur->by_set_pos[0] = ICAL_RECURRENCE_ARRAY_MAX;
}

// Whether a rule's days of the month fall in none of its months (30
// February): the library searches centuries for such a day in one step.
bool NeverMatches(const icalrecurrencetype& recur)
{
    if (recur.by_month_day[0] == ICAL_RECURRENCE_ARRAY_MAX)
        return false;
    static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int longest = 0;
    if (recur.by_month[0] == ICAL_RECURRENCE_ARRAY_MAX) {
        longest = 31;
    } else {
        for (int i = 0; i < ICAL_BY_MONTH_SIZE && recur.by_month[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
            const int month = icalrecurrencetype_month_month(recur.by_month[i]);
            if (month >= 1 && month <= 12)
                longest = std::max(longest, kDays[month - 1]);
        }
    }
    for (int i = 0; i < ICAL_BY_MONTHDAY_SIZE && recur.by_month_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        const int day = std::abs(recur.by_month_day[i]);
        if (day >= 1 && day <= longest)
            return false;
    }
    return true;
}

// A time of a property with the zone its TZID names, where the file or the
// system knows it.
icaltimetype Zoned(icaltimetype t, icalproperty* p, icalcomponent* calendar)
{
    if (t.is_date || t.zone || !p)
        return t;
    icalparameter* param = icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER);
    const char* tzid = param ? icalparameter_get_tzid(param) : nullptr;
    if (!tzid || !*tzid)
        return t;
    icaltimezone* zone = calendar ? icalcomponent_get_timezone(calendar, tzid) : nullptr;
    if (!zone)
        zone = icaltimezone_get_builtin_timezone_from_tzid(tzid);
    if (!zone)
        zone = icaltimezone_get_builtin_timezone(tzid);
    if (zone)
        t = icaltime_set_timezone(&t, zone);
    return t;
}

class CEventCollector {
public:
    CEventCollector(int fromYear, int toYear, CHolidayList* out, CBudget* budget)
        : m_nFromYear(fromYear), m_nToYear(toYear), m_out(out), m_budget(budget)
    {
    }

    // The calendar an event belongs to, for its zones.
    void SetCalendar(icalcomponent* calendar)
    {
        m_calendar = calendar;
        m_display = nullptr;
        if (icalproperty* p = icalcomponent_get_first_property(calendar, ICAL_X_PROPERTY)) {
            for (; p; p = icalcomponent_get_next_property(calendar, ICAL_X_PROPERTY)) {
                const char* name = icalproperty_get_x_name(p);
                const char* value = icalproperty_get_x(p);
                if (name && value && std::strcmp(name, "X-WR-TIMEZONE") == 0 && *value) {
                    m_display = icaltimezone_get_builtin_timezone(value);
                    break;
                }
            }
        }
    }

    // Overrides of single occurrences: another VEVENT with the same UID and
    // a RECURRENCE-ID. The master leaves those occurrences to them.
    void NoteOverride(icalcomponent* event)
    {
        const char* uid = icalcomponent_get_uid(event);
        icalproperty* p = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
        if (!uid || !p)
            return;
        const icaltimetype rid = Zoned(icalproperty_get_recurrenceid(p), p, m_calendar);
        if (IsValidDate(rid))
            m_overridden[uid].push_back(rid);
    }

    bool AddEvent(icalcomponent* event)
    {
        icalproperty* startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        if (!startProperty)
            return true;  // An event without a start marks nothing.
        const icaltimetype start = Zoned(icalproperty_get_dtstart(startProperty), startProperty, m_calendar);
        if (!IsValidDate(start))
            return true;
        const int days = DaysCovered(event, start);
        const int name = NameIndex(icalcomponent_get_summary(event));
        // A cancelled event, or a cancelled override, keeps its days free.
        const bool cancelled = icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
        const bool isOverride = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY) != nullptr;
        if (cancelled || isOverride) {
            if (!cancelled)
                AddDays(Shown(start), days, name);
            return Ok();
        }

        // Exceptions are dates in the zone of the event's start.
        std::set<DayKey> skip;
        if (const char* uid = icalcomponent_get_uid(event)) {
            auto found = m_overridden.find(uid);
            if (found != m_overridden.end()) {
                for (const icaltimetype& rid : found->second)
                    skip.insert(EventDay(rid, start));
            }
        }
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
            const icaltimetype ex = Zoned(icalproperty_get_exdate(p), p, m_calendar);
            if (IsValidDate(ex))
                skip.insert(EventDay(ex, start));
            if (!m_budget->Spend())
                return false;
        }

        std::set<TimeKey> seen;
        std::vector<icaltimetype> occurrences;
        auto occurs = [&](const icaltimetype& t) {
            if (seen.insert(TimeKeyOf(t)).second)
                occurrences.push_back(t);
        };
        // The start is always an occurrence, whether or not the rule
        // matches it.
        occurs(start);
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY)) {
            if (!Expand(icalproperty_get_rrule(p), start, occurs))
                return false;
        }
        for (icalproperty* p = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); p;
             p = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
            const icaldatetimeperiodtype rdate = icalproperty_get_rdate(p);
            const icaltimetype t = Zoned(IsValidDate(rdate.time) ? rdate.time : rdate.period.start, p, m_calendar);
            if (IsValidDate(t))
                occurs(t);
            if (!m_budget->Spend())
                return false;
        }
        for (const icaltimetype& t : occurrences) {
            if (skip.count(KeyOf(t)))
                continue;
            AddDays(Shown(t), days, name);
            if (!Ok() || !m_budget->Spend())
                return false;
        }
        return Ok();
    }

    bool Ok() const { return m_out->m_events.size() <= kMaxIcalEventDays; }

private:
    // Walks a rule from the start to the end of the years asked for. The
    // walk is bounded by an UNTIL at the end of those years (a COUNT is
    // counted here instead, as the library takes no rule with both), so no
    // single step can search past them.
    template <class Occurs>
    bool Expand(icalrecurrencetype recur, const icaltimetype& start, Occurs&& occurs)
    {
        ClampToDays(&recur, start);
        if (NeverMatches(recur))
            return true;
        const int count = recur.count;
        recur.count = 0;
        icaltimetype bound = start;
        bound.year = m_nToYear + 1;
        bound.month = 1;
        bound.day = 3;  // A day or two for the zones.
        if (icaltime_is_null_time(recur.until) || KeyOf(recur.until) > KeyOf(bound))
            recur.until = bound;
        IteratorPtr it(icalrecur_iterator_new(recur, start));
        icalerror_clear_errno();
        if (!it)
            return true;  // A rule the library cannot walk leaves the start alone.
        // Jumping ahead is allowed only for rules without a count, whose
        // occurrences do not depend on where the walk starts.
        if (count == 0 && start.year < m_nFromYear - 1) {
            icaltimetype jump = start;
            jump.year = m_nFromYear - 1;
            jump.month = 1;
            jump.day = 1;
            icalrecur_iterator_set_start(it.get(), jump);
        }
        int found = 0;
        bool startMatched = false;
        for (;;) {
            if (!m_budget->Spend())
                return false;
            icaltimetype next = icalrecur_iterator_next(it.get());
            if (!IsValidDate(next) || next.year > m_nToYear + 1)
                break;
            next.zone = start.zone;
            next.is_date = start.is_date;
            if (found == 0 && TimeKeyOf(next) == TimeKeyOf(start))
                startMatched = true;
            // The start counts as the first of a COUNT even when the rule
            // does not match it.
            if (count > 0 && found + (startMatched ? 0 : 1) >= count)
                break;
            occurs(next);
            ++found;
        }
        return true;
    }

    // The number of days an occurrence covers: the end of an all-day event
    // is the day after its last; a timed event ending at midnight does not
    // reach into that day.
    int DaysCovered(icalcomponent* event, const icaltimetype& start) const
    {
        icalproperty* endProperty = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY);
        icaltimetype end;
        if (endProperty) {
            end = Zoned(icalproperty_get_dtend(endProperty), endProperty, m_calendar);
        } else if (icalproperty* d = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
            const icaldurationtype duration = icalproperty_get_duration(d);
            if (icaldurationtype_is_bad_duration(duration) || duration.is_neg || duration.weeks > 60 ||
                duration.days > 400)
                return 1;
            end = icaltime_add(start, duration);
        } else {
            return 1;
        }
        if (!IsValidDate(end))
            return 1;
        const icaltimetype first = Shown(start);
        const icaltimetype last = Shown(end);
        int days = CCalDate(last.year, last.month, last.day) - CCalDate(first.year, first.month, first.day);
        const bool endsAtMidnight = last.is_date || (last.hour == 0 && last.minute == 0 && last.second == 0);
        if (!endsAtMidnight)
            ++days;
        return std::clamp(days, 1, kMaxEventDays);
    }

    // A time as the calendar shows it: a time in UTC in the calendar's zone,
    // any other as it is written.
    icaltimetype Shown(const icaltimetype& t) const
    {
        if (t.is_date || !icaltime_is_utc(t))
            return t;
        if (m_display)
            return icaltime_convert_to_zone(t, m_display);
        const time_t instant = icaltime_as_timet(t);
        std::tm local{};
        if (!localtime_r(&instant, &local))
            return t;
        icaltimetype shown = t;
        shown.year = local.tm_year + 1900;
        shown.month = local.tm_mon + 1;
        shown.day = local.tm_mday;
        shown.hour = local.tm_hour;
        shown.minute = local.tm_min;
        shown.second = local.tm_sec;
        shown.zone = nullptr;
        return shown;
    }

    // The date an exception names, in the zone of the event's start.
    DayKey EventDay(icaltimetype t, const icaltimetype& start) const
    {
        if (t.is_date || start.is_date)
            return KeyOf(start.is_date ? Shown(t) : t);
        if (start.zone && t.zone && start.zone != t.zone)
            t = icaltime_convert_to_zone(t, const_cast<icaltimezone*>(start.zone));
        else if (!start.zone && t.zone)
            t = Shown(t);  // A floating event is shown as it is written.
        return KeyOf(t);
    }

    int NameIndex(const char* summary)
    {
        const std::string name = Utf8Prefix(summary ? std::string(summary, strnlen(summary, 4 * CHolidayList::kMaxNameChars)) : std::string(), CHolidayList::kMaxNameChars);
        auto found = m_names.find(name);
        if (found != m_names.end())
            return found->second;
        const int index = static_cast<int>(m_out->m_names.size());
        m_out->m_names.push_back(name);
        m_names.emplace(name, index);
        return index;
    }

    void AddDays(const icaltimetype& start, int days, int name)
    {
        CCalDate date(start.year, start.month, start.day);
        for (int i = 0; i < days; ++i, ++date) {
            if (date.GetYear() < m_nFromYear || date.GetYear() > m_nToYear)
                continue;
            m_out->m_events.push_back({date.GetYear(), date.GetMonth(), date.GetDay(), name, 0});
        }
    }

    int m_nFromYear;
    int m_nToYear;
    CHolidayList* m_out;
    CBudget* m_budget;
    icalcomponent* m_calendar = nullptr;
    icaltimezone* m_display = nullptr;
    std::unordered_map<std::string, int> m_names;
    std::map<std::string, std::vector<icaltimetype>> m_overridden;
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

CMessage StopMessage(Stop stop)
{
    if (stop == Stop::cancelled) return CMessage(kIcalCancelled);
    return CMessage(MESSAGE_TEXT("CMessage", "The iCalendar file takes too long to read: its events repeat too often "
                                             "or it is too large to be used as special days."));
}

}  // namespace

bool ReadICalendarText(const std::string& text, int fromYear, int toYear, CHolidayList* days, CMessageOut error,
                       CIcalProgress* progress)
{
    auto fail = [error](const CMessage& why) {
        error.Set(why);
        return false;
    };
    if (text.find_first_not_of(" \t\r\n") == std::string::npos)
        return fail(CMessage(MESSAGE_TEXT("CMessage", "The file is empty.")));
    if (!StartsLikeICalendar(text))
        return fail(CMessage(
            MESSAGE_TEXT("CMessage", "The file is not an iCalendar file: it does not begin with BEGIN:VCALENDAR.")));
    if (text.find('\0') != std::string::npos)
        return fail(CMessage(MESSAGE_TEXT("CMessage", "The file is not an iCalendar file: it holds binary data.")));
    if (text.size() > kMaxIcalFileSize)
        return fail(CMessage(MESSAGE_TEXT("CMessage", "The file is too large for an iCalendar file.")));

    CBudget budget(progress);
    CMessage why;
    if (!CheckStructure(text, budget, &why))
        return fail(budget.Stopped() != Stop::none ? StopMessage(budget.Stopped()) : why);

    // The library's default is to abort on some errors; a bad file must only
    // be refused.
    icalerror_set_errors_are_fatal(0);
    // The user's zone, for times in UTC of a file that names none.
    tzset();
    CLineSource source{&text, 0, &budget};
    ComponentPtr root;
    {
        ParserPtr parser(icalparser_new());
        if (!parser)
            return fail(CMessage(MESSAGE_TEXT("CMessage", "The iCalendar file could not be read.")));
        icalparser_set_gen_data(parser.get(), &source);
        root.reset(icalparser_parse(parser.get(), NextLine));
    }
    icalerror_clear_errno();
    if (budget.Stopped() != Stop::none)
        return fail(StopMessage(budget.Stopped()));
    if (!root)
        return fail(
            CMessage(MESSAGE_TEXT("CMessage", "The iCalendar file could not be read: its structure is damaged.")));
    const std::vector<icalcomponent*> calendars = Calendars(root.get());
    if (calendars.empty())
        return fail(CMessage(MESSAGE_TEXT("CMessage", "The file holds no iCalendar calendar.")));

    CHolidayList found;
    CEventCollector collector(fromYear, toYear, &found, &budget);
    std::vector<std::pair<icalcomponent*, icalcomponent*>> vevents;
    for (icalcomponent* cal : calendars) {
        for (icalcomponent* e = icalcomponent_get_first_component(cal, ICAL_VEVENT_COMPONENT); e;
             e = icalcomponent_get_next_component(cal, ICAL_VEVENT_COMPONENT))
            vevents.emplace_back(cal, e);
    }
    if (vevents.empty())
        return fail(CMessage(MESSAGE_TEXT("CMessage", "The iCalendar file holds no events.")));
    for (auto [cal, e] : vevents) {
        collector.SetCalendar(cal);
        collector.NoteOverride(e);
    }
    for (std::size_t i = 0; i < vevents.size(); ++i) {
        collector.SetCalendar(vevents[i].first);
        if (!collector.AddEvent(vevents[i].second)) {
            if (budget.Stopped() != Stop::none)
                return fail(StopMessage(budget.Stopped()));
            return fail(CMessage(
                MESSAGE_TEXT("CMessage", "The iCalendar file has too many events to be used as special days.")));
        }
        if ((i & 63) == 0)
            budget.Report(500 + static_cast<int>(500.0 * static_cast<double>(i) / static_cast<double>(vevents.size())));
    }
    if (found.m_events.empty()) {
        if (fromYear == toYear)
            return fail(CMessage(MESSAGE_TEXT("CMessage", "The iCalendar file has no event in %1.")).Arg(fromYear));
        return fail(CMessage(MESSAGE_TEXT("CMessage", "The iCalendar file has no event in the years %1 to %2."))
                        .Arg(fromYear)
                        .Arg(toYear));
    }
    found.Normalize();
    budget.Report(1000);
    *days = std::move(found);
    return true;
}
