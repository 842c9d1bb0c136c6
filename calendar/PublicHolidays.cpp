#include "calendar/PublicHolidays.h"

#include "calendar/CalDate.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <set>
#include <string_view>

namespace {

constexpr std::string_view kSourcePrefix = "region:";

// Weekdays as CCalDate numbers them.
enum Weekday { kSun = 1, kMon = 2, kTue = 3, kWed = 4, kThu = 5, kFri = 6, kSat = 7 };

enum class Kind {
    Fixed,       // month and day
    Easter,      // days after Easter Sunday (negative: before)
    OnOrAfter,   // the first weekday on or after month and day
    OnOrBefore,  // the last weekday on or before month and day
    Brigid,      // 1 February when that is a Friday, else the first Monday of February
    Matariki,    // a date set by law for each year
};

enum class Shift {
    Stays,
    // A day on a weekend gives the next weekday that is not a holiday
    // already, so Christmas Day and Boxing Day on a weekend give the Monday
    // and the Tuesday.
    NextFree,
    // Saturday gives the Friday before, Sunday the Monday after.
    Nearest,
    // A day on a Sunday is kept on the Saturday before instead.
    SundayBack,
};

struct Rule {
    // The regions it applies to, separated by blanks: a country's code
    // covers its states too.
    const char* regions;
    const char* name;
    Kind kind;
    int month;
    int day;  // the offset for Easter
    int weekday;
    Shift shift;
    int firstYear;
    int lastYear;
};

constexpr int kAlways = 0;
constexpr int kForever = 9999;

constexpr Rule Fixed(const char* regions, const char* name, int month, int day, Shift shift = Shift::Stays,
                     int first = kAlways, int last = kForever)
{
    return {regions, name, Kind::Fixed, month, day, 0, shift, first, last};
}

constexpr Rule Since(const char* regions, const char* name, int month, int day, int first, int last = kForever)
{
    return Fixed(regions, name, month, day, Shift::Stays, first, last);
}

constexpr Rule Easter(const char* regions, const char* name, int offset, int first = kAlways, int last = kForever)
{
    return {regions, name, Kind::Easter, 0, offset, 0, Shift::Stays, first, last};
}

constexpr Rule OnOrAfter(const char* regions, const char* name, int weekday, int month, int day)
{
    return {regions, name, Kind::OnOrAfter, month, day, weekday, Shift::Stays, kAlways, kForever};
}

constexpr Rule OnOrBefore(const char* regions, const char* name, int weekday, int month, int day)
{
    return {regions, name, Kind::OnOrBefore, month, day, weekday, Shift::Stays, kAlways, kForever};
}

constexpr Shift kNext = Shift::NextFree;

// The days each region's law names as public holidays. Sundays appear only
// where the law names them (Easter Sunday in the Nordic countries, Poland,
// Portugal and Brandenburg); eves kept by custom are left out.
const Rule kRules[] = {
    // Australia: the days every state and territory keeps. Anzac Day is
    // not moved off a weekend everywhere, so it stays on its date.
    Fixed("AU", "New Year's Day", 1, 1, kNext),
    Fixed("AU", "Australia Day", 1, 26, kNext),
    Easter("AU", "Good Friday", -2),
    Easter("AU", "Easter Monday", 1),
    Fixed("AU", "Anzac Day", 4, 25),
    Fixed("AU", "Christmas Day", 12, 25, kNext),
    Fixed("AU", "Boxing Day", 12, 26, kNext),

    Fixed("AT", "Neujahr", 1, 1),
    Fixed("AT", "Heilige Drei Könige", 1, 6),
    Easter("AT", "Ostermontag", 1),
    Fixed("AT", "Staatsfeiertag", 5, 1),
    Easter("AT", "Christi Himmelfahrt", 39),
    Easter("AT", "Pfingstmontag", 50),
    Easter("AT", "Fronleichnam", 60),
    Fixed("AT", "Mariä Himmelfahrt", 8, 15),
    Fixed("AT", "Nationalfeiertag", 10, 26),
    Fixed("AT", "Allerheiligen", 11, 1),
    Fixed("AT", "Mariä Empfängnis", 12, 8),
    Fixed("AT", "Christtag", 12, 25),
    Fixed("AT", "Stefanitag", 12, 26),

    Fixed("BE", "Nieuwjaar", 1, 1),
    Easter("BE", "Paasmaandag", 1),
    Fixed("BE", "Dag van de Arbeid", 5, 1),
    Easter("BE", "Onze-Lieve-Heer-Hemelvaart", 39),
    Easter("BE", "Pinkstermaandag", 50),
    Fixed("BE", "Nationale feestdag", 7, 21),
    Fixed("BE", "Onze-Lieve-Vrouw-Hemelvaart", 8, 15),
    Fixed("BE", "Allerheiligen", 11, 1),
    Fixed("BE", "Wapenstilstand", 11, 11),
    Fixed("BE", "Kerstmis", 12, 25),

    // Canada: the general holidays of the federal labour law; provinces add
    // their own.
    Fixed("CA", "New Year's Day", 1, 1, kNext),
    Easter("CA", "Good Friday", -2),
    OnOrBefore("CA", "Victoria Day", kMon, 5, 24),
    Fixed("CA", "Canada Day", 7, 1, kNext),
    OnOrAfter("CA", "Labour Day", kMon, 9, 1),
    Fixed("CA", "National Day for Truth and Reconciliation", 9, 30, kNext, 2021),
    OnOrAfter("CA", "Thanksgiving", kMon, 10, 8),
    Fixed("CA", "Remembrance Day", 11, 11, kNext),
    Fixed("CA", "Christmas Day", 12, 25, kNext),
    Fixed("CA", "Boxing Day", 12, 26, kNext),

    Fixed("CZ", "Den obnovy samostatného českého státu", 1, 1),
    Easter("CZ", "Velký pátek", -2),
    Easter("CZ", "Velikonoční pondělí", 1),
    Fixed("CZ", "Svátek práce", 5, 1),
    Fixed("CZ", "Den vítězství", 5, 8),
    Fixed("CZ", "Den slovanských věrozvěstů Cyrila a Metoděje", 7, 5),
    Fixed("CZ", "Den upálení mistra Jana Husa", 7, 6),
    Fixed("CZ", "Den české státnosti", 9, 28),
    Fixed("CZ", "Den vzniku samostatného československého státu", 10, 28),
    Fixed("CZ", "Den boje za svobodu a demokracii", 11, 17),
    Fixed("CZ", "Štědrý den", 12, 24),
    Fixed("CZ", "1. svátek vánoční", 12, 25),
    Fixed("CZ", "2. svátek vánoční", 12, 26),

    Fixed("DK", "Nytårsdag", 1, 1),
    Easter("DK", "Skærtorsdag", -3),
    Easter("DK", "Langfredag", -2),
    Easter("DK", "Påskedag", 0),
    Easter("DK", "2. påskedag", 1),
    // Abolished from 2024.
    Easter("DK", "Store bededag", 26, kAlways, 2023),
    Easter("DK", "Kristi himmelfartsdag", 39),
    Easter("DK", "Pinsedag", 49),
    Easter("DK", "2. pinsedag", 50),
    Fixed("DK", "Juledag", 12, 25),
    Fixed("DK", "2. juledag", 12, 26),

    Fixed("FI", "Uudenvuodenpäivä", 1, 1),
    Fixed("FI", "Loppiainen", 1, 6),
    Easter("FI", "Pitkäperjantai", -2),
    Easter("FI", "Pääsiäispäivä", 0),
    Easter("FI", "Toinen pääsiäispäivä", 1),
    Fixed("FI", "Vappu", 5, 1),
    Easter("FI", "Helatorstai", 39),
    Easter("FI", "Helluntaipäivä", 49),
    OnOrAfter("FI", "Juhannuspäivä", kSat, 6, 20),
    OnOrAfter("FI", "Pyhäinpäivä", kSat, 10, 31),
    Fixed("FI", "Itsenäisyyspäivä", 12, 6),
    Fixed("FI", "Joulupäivä", 12, 25),
    Fixed("FI", "Tapaninpäivä", 12, 26),

    Fixed("FR", "Jour de l'an", 1, 1),
    Easter("FR", "Lundi de Pâques", 1),
    Fixed("FR", "Fête du Travail", 5, 1),
    Fixed("FR", "Victoire 1945", 5, 8),
    Easter("FR", "Ascension", 39),
    Easter("FR", "Lundi de Pentecôte", 50),
    Fixed("FR", "Fête nationale", 7, 14),
    Fixed("FR", "Assomption", 8, 15),
    Fixed("FR", "Toussaint", 11, 1),
    Fixed("FR", "Armistice 1918", 11, 11),
    Fixed("FR", "Noël", 12, 25),

    Fixed("DE", "Neujahr", 1, 1),
    Fixed("DE-BW DE-BY DE-ST", "Heilige Drei Könige", 1, 6),
    Since("DE-BE", "Internationaler Frauentag", 3, 8, 2019),
    Since("DE-MV", "Internationaler Frauentag", 3, 8, 2023),
    Easter("DE", "Karfreitag", -2),
    Easter("DE-BB", "Ostersonntag", 0),
    Easter("DE", "Ostermontag", 1),
    Fixed("DE", "Tag der Arbeit", 5, 1),
    // Once only, for the eightieth anniversary of the end of the war.
    Since("DE-BE", "80. Jahrestag der Befreiung", 5, 8, 2025, 2025),
    Easter("DE", "Christi Himmelfahrt", 39),
    Easter("DE-BB", "Pfingstsonntag", 49),
    Easter("DE", "Pfingstmontag", 50),
    Easter("DE-BW DE-BY DE-HE DE-NW DE-RP DE-SL", "Fronleichnam", 60),
    // In Bavaria the law names it for the mostly Catholic municipalities,
    // which are most of them.
    Fixed("DE-BY DE-SL", "Mariä Himmelfahrt", 8, 15),
    Since("DE-TH", "Weltkindertag", 9, 20, 2019),
    Fixed("DE", "Tag der Deutschen Einheit", 10, 3),
    Fixed("DE-BB DE-HB DE-HH DE-MV DE-NI DE-SN DE-ST DE-SH DE-TH", "Reformationstag", 10, 31),
    Fixed("DE-BW DE-BY DE-NW DE-RP DE-SL", "Allerheiligen", 11, 1),
    // The Wednesday before 23 November.
    OnOrBefore("DE-SN", "Buß- und Bettag", kWed, 11, 22),
    Fixed("DE", "1. Weihnachtstag", 12, 25),
    Fixed("DE", "2. Weihnachtstag", 12, 26),

    Fixed("IE", "New Year's Day", 1, 1, kNext),
    {"IE", "St Brigid's Day", Kind::Brigid, 2, 1, kMon, Shift::Stays, 2023, kForever},
    Fixed("IE", "St Patrick's Day", 3, 17, kNext),
    Easter("IE", "Easter Monday", 1),
    OnOrAfter("IE", "May Bank Holiday", kMon, 5, 1),
    OnOrAfter("IE", "June Bank Holiday", kMon, 6, 1),
    OnOrAfter("IE", "August Bank Holiday", kMon, 8, 1),
    OnOrBefore("IE", "October Bank Holiday", kMon, 10, 31),
    Fixed("IE", "Christmas Day", 12, 25, kNext),
    Fixed("IE", "St Stephen's Day", 12, 26, kNext),

    Fixed("IT", "Capodanno", 1, 1),
    Fixed("IT", "Epifania", 1, 6),
    Easter("IT", "Lunedì dell'Angelo", 1),
    Fixed("IT", "Festa della Liberazione", 4, 25),
    Fixed("IT", "Festa dei Lavoratori", 5, 1),
    Fixed("IT", "Festa della Repubblica", 6, 2),
    Fixed("IT", "Ferragosto", 8, 15),
    // A national holiday again from 2026.
    Since("IT", "San Francesco d'Assisi", 10, 4, 2026),
    Fixed("IT", "Ognissanti", 11, 1),
    Fixed("IT", "Immacolata Concezione", 12, 8),
    Fixed("IT", "Natale", 12, 25),
    Fixed("IT", "Santo Stefano", 12, 26),

    Fixed("LU", "Jour de l'an", 1, 1),
    Easter("LU", "Lundi de Pâques", 1),
    Fixed("LU", "Fête du Travail", 5, 1),
    Since("LU", "Journée de l'Europe", 5, 9, 2019),
    Easter("LU", "Ascension", 39),
    Easter("LU", "Lundi de Pentecôte", 50),
    Fixed("LU", "Fête nationale", 6, 23),
    Fixed("LU", "Assomption", 8, 15),
    Fixed("LU", "Toussaint", 11, 1),
    Fixed("LU", "Noël", 12, 25),
    Fixed("LU", "Saint-Étienne", 12, 26),

    Fixed("NL", "Nieuwjaarsdag", 1, 1),
    Easter("NL", "Tweede Paasdag", 1),
    Fixed("NL", "Koningsdag", 4, 27, Shift::SundayBack),
    Fixed("NL", "Bevrijdingsdag", 5, 5),
    Easter("NL", "Hemelvaartsdag", 39),
    Easter("NL", "Tweede Pinksterdag", 50),
    Fixed("NL", "Eerste Kerstdag", 12, 25),
    Fixed("NL", "Tweede Kerstdag", 12, 26),

    // New Zealand moves its days off weekends ("Mondayisation"); Waitangi
    // Day and Anzac Day only since 2014.
    Fixed("NZ", "New Year's Day", 1, 1, kNext),
    Fixed("NZ", "Day after New Year's Day", 1, 2, kNext),
    Fixed("NZ", "Waitangi Day", 2, 6, kNext, 2014),
    Easter("NZ", "Good Friday", -2),
    Easter("NZ", "Easter Monday", 1),
    Fixed("NZ", "Anzac Day", 4, 25, kNext, 2014),
    OnOrAfter("NZ", "King's Birthday", kMon, 6, 1),
    {"NZ", "Matariki", Kind::Matariki, 0, 0, 0, Shift::Stays, 2022, kForever},
    OnOrAfter("NZ", "Labour Day", kMon, 10, 22),
    Fixed("NZ", "Christmas Day", 12, 25, kNext),
    Fixed("NZ", "Boxing Day", 12, 26, kNext),

    Fixed("NO", "Første nyttårsdag", 1, 1),
    Easter("NO", "Skjærtorsdag", -3),
    Easter("NO", "Langfredag", -2),
    Easter("NO", "Første påskedag", 0),
    Easter("NO", "Andre påskedag", 1),
    Fixed("NO", "Offentlig høytidsdag", 5, 1),
    Fixed("NO", "Grunnlovsdag", 5, 17),
    Easter("NO", "Kristi himmelfartsdag", 39),
    Easter("NO", "Første pinsedag", 49),
    Easter("NO", "Andre pinsedag", 50),
    Fixed("NO", "Første juledag", 12, 25),
    Fixed("NO", "Andre juledag", 12, 26),

    Fixed("PL", "Nowy Rok", 1, 1),
    Since("PL", "Święto Trzech Króli", 1, 6, 2011),
    Easter("PL", "Wielkanoc", 0),
    Easter("PL", "Poniedziałek Wielkanocny", 1),
    Fixed("PL", "Święto Pracy", 5, 1),
    Fixed("PL", "Święto Konstytucji 3 Maja", 5, 3),
    Easter("PL", "Zielone Świątki", 49),
    Easter("PL", "Boże Ciało", 60),
    Fixed("PL", "Wniebowzięcie Najświętszej Maryi Panny", 8, 15),
    Fixed("PL", "Wszystkich Świętych", 11, 1),
    Fixed("PL", "Narodowe Święto Niepodległości", 11, 11),
    // A public holiday from 2025.
    Since("PL", "Wigilia Bożego Narodzenia", 12, 24, 2025),
    Fixed("PL", "Boże Narodzenie", 12, 25),
    Fixed("PL", "Drugi dzień Bożego Narodzenia", 12, 26),

    Fixed("PT", "Ano Novo", 1, 1),
    Easter("PT", "Sexta-feira Santa", -2),
    Easter("PT", "Páscoa", 0),
    Fixed("PT", "Dia da Liberdade", 4, 25),
    Fixed("PT", "Dia do Trabalhador", 5, 1),
    Easter("PT", "Corpo de Deus", 60),
    Fixed("PT", "Dia de Portugal", 6, 10),
    Fixed("PT", "Assunção de Nossa Senhora", 8, 15),
    Fixed("PT", "Implantação da República", 10, 5),
    Fixed("PT", "Dia de Todos os Santos", 11, 1),
    Fixed("PT", "Restauração da Independência", 12, 1),
    Fixed("PT", "Imaculada Conceição", 12, 8),
    Fixed("PT", "Natal", 12, 25),

    // Spain: the days kept in the whole country; the communities add and
    // swap days of their own each year.
    Fixed("ES", "Año Nuevo", 1, 1),
    Fixed("ES", "Epifanía del Señor", 1, 6),
    Easter("ES", "Viernes Santo", -2),
    Fixed("ES", "Fiesta del Trabajo", 5, 1),
    Fixed("ES", "Asunción de la Virgen", 8, 15),
    Fixed("ES", "Fiesta Nacional de España", 10, 12),
    Fixed("ES", "Todos los Santos", 11, 1),
    Fixed("ES", "Día de la Constitución Española", 12, 6),
    Fixed("ES", "Inmaculada Concepción", 12, 8),
    Fixed("ES", "Natividad del Señor", 12, 25),

    Fixed("SE", "Nyårsdagen", 1, 1),
    Fixed("SE", "Trettondedag jul", 1, 6),
    Easter("SE", "Långfredagen", -2),
    Easter("SE", "Påskdagen", 0),
    Easter("SE", "Annandag påsk", 1),
    Fixed("SE", "Första maj", 5, 1),
    Easter("SE", "Kristi himmelsfärdsdag", 39),
    Easter("SE", "Pingstdagen", 49),
    Fixed("SE", "Sveriges nationaldag", 6, 6),
    OnOrAfter("SE", "Midsommardagen", kSat, 6, 20),
    OnOrAfter("SE", "Alla helgons dag", kSat, 10, 31),
    Fixed("SE", "Juldagen", 12, 25),
    Fixed("SE", "Annandag jul", 12, 26),

    // Switzerland: the federal day and the days nearly every canton keeps.
    Fixed("CH", "Neujahr", 1, 1),
    Easter("CH", "Karfreitag", -2),
    Easter("CH", "Ostermontag", 1),
    Easter("CH", "Auffahrt", 39),
    Easter("CH", "Pfingstmontag", 50),
    Fixed("CH", "Bundesfeiertag", 8, 1),
    Fixed("CH", "Weihnachten", 12, 25),
    Fixed("CH", "Stephanstag", 12, 26),

    Fixed("GB", "New Year's Day", 1, 1, kNext),
    Fixed("GB-SCT", "2nd January", 1, 2, kNext),
    Fixed("GB-NIR", "St Patrick's Day", 3, 17, kNext),
    Easter("GB", "Good Friday", -2),
    Easter("GB-EAW GB-NIR", "Easter Monday", 1),
    OnOrAfter("GB", "Early May bank holiday", kMon, 5, 1),
    OnOrBefore("GB", "Spring bank holiday", kMon, 5, 31),
    Fixed("GB-NIR", "Battle of the Boyne (Orangemen's Day)", 7, 12, kNext),
    OnOrAfter("GB-SCT", "Summer bank holiday", kMon, 8, 1),
    OnOrBefore("GB-EAW GB-NIR", "Summer bank holiday", kMon, 8, 31),
    Fixed("GB-SCT", "St Andrew's Day", 11, 30, kNext),
    Fixed("GB", "Christmas Day", 12, 25, kNext),
    Fixed("GB", "Boxing Day", 12, 26, kNext),

    // The United States: the federal holidays.
    Fixed("US", "New Year's Day", 1, 1, Shift::Nearest),
    OnOrAfter("US", "Birthday of Martin Luther King, Jr.", kMon, 1, 15),
    OnOrAfter("US", "Washington's Birthday", kMon, 2, 15),
    OnOrBefore("US", "Memorial Day", kMon, 5, 31),
    Fixed("US", "Juneteenth National Independence Day", 6, 19, Shift::Nearest, 2021),
    Fixed("US", "Independence Day", 7, 4, Shift::Nearest),
    OnOrAfter("US", "Labor Day", kMon, 9, 1),
    OnOrAfter("US", "Columbus Day", kMon, 10, 8),
    Fixed("US", "Veterans Day", 11, 11, Shift::Nearest),
    OnOrAfter("US", "Thanksgiving Day", kThu, 11, 22),
    Fixed("US", "Christmas Day", 12, 25, Shift::Nearest),
};

// Matariki follows the lunar calendar; the law lists its Friday for each
// year.
struct MatarikiDay {
    int year, month, day;
};
constexpr MatarikiDay kMatariki[] = {
    {2022, 6, 24}, {2023, 7, 14}, {2024, 6, 28}, {2025, 6, 20}, {2026, 7, 10}, {2027, 6, 25}, {2028, 7, 14},
    {2029, 7, 6},  {2030, 6, 21}, {2031, 7, 11}, {2032, 7, 2},  {2033, 6, 24}, {2034, 7, 7},  {2035, 6, 29},
};

struct Country {
    const char* code;
    // What follows the name of a weekday that stands in for a weekend
    // holiday.
    const char* observed;
};
constexpr Country kCountries[] = {
    {"AU", " (observed)"}, {"CA", " (observed)"}, {"GB", " (substitute day)"}, {"IE", " (observed)"},
    {"NZ", " (observed)"}, {"US", " (observed)"},
};

const char* ObservedSuffix(const std::string& code)
{
    for (const Country& c : kCountries)
        if (code.compare(0, std::char_traits<char>::length(c.code), c.code) == 0)
            return c.observed;
    return " (observed)";
}

bool Applies(std::string_view regions, const std::string& code)
{
    while (!regions.empty()) {
        const std::size_t blank = regions.find(' ');
        const std::string_view token = regions.substr(0, blank);
        if (token == code || (code.size() > token.size() && code.compare(0, token.size(), token) == 0 &&
                              code[token.size()] == '-'))
            return true;
        if (blank == std::string_view::npos)
            break;
        regions.remove_prefix(blank + 1);
    }
    return false;
}

std::optional<CCalDate> RuleDate(const Rule& rule, int year)
{
    if (year < rule.firstYear || year > rule.lastYear)
        return std::nullopt;
    switch (rule.kind) {
    case Kind::Fixed: {
        CCalDate date(year, rule.month, rule.day);
        if (rule.shift == Shift::SundayBack && date.GetDayOfWeek() == kSun)
            --date;
        return date;
    }
    case Kind::Easter: {
        int month = 0, day = 0;
        EasterSunday(year, &month, &day);
        return CCalDate(year, month, day) + rule.day;
    }
    case Kind::OnOrAfter: {
        const CCalDate from(year, rule.month, rule.day);
        return from + (rule.weekday - from.GetDayOfWeek() + 7) % 7;
    }
    case Kind::OnOrBefore: {
        const CCalDate to(year, rule.month, rule.day);
        return to - (to.GetDayOfWeek() - rule.weekday + 7) % 7;
    }
    case Kind::Brigid: {
        const CCalDate first(year, 2, 1);
        return first.GetDayOfWeek() == kFri ? first : first + (kMon - first.GetDayOfWeek() + 7) % 7;
    }
    case Kind::Matariki:
        for (const MatarikiDay& m : kMatariki)
            if (m.year == year)
                return CCalDate(m.year, m.month, m.day);
        return std::nullopt;
    }
    return std::nullopt;
}

bool IsWeekend(const CCalDate& date)
{
    const int weekday = date.GetDayOfWeek();
    return weekday == kSat || weekday == kSun;
}

struct Day {
    CCalDate date;
    std::string name;
    Shift shift;
};

}  // namespace

void EasterSunday(int year, int* month, int* day)
{
    // The Gregorian computus in whole-number arithmetic.
    const int a = year % 19;
    const int b = year / 100, c = year % 100;
    const int d = b / 4, e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    *month = (h + l - 7 * m + 114) / 31;
    *day = (h + l - 7 * m + 114) % 31 + 1;
}

const std::vector<CHolidayRegion>& HolidayRegions()
{
    static const std::vector<CHolidayRegion> regions = {
        {"AU", "Australia"},
        {"AT", "Austria"},
        {"BE", "Belgium"},
        {"CA", "Canada"},
        {"CZ", "Czechia"},
        {"DK", "Denmark"},
        {"FI", "Finland"},
        {"FR", "France"},
        {"DE", "Germany"},
        {"DE-BW", "Germany (Baden-Württemberg)"},
        {"DE-BY", "Germany (Bavaria)"},
        {"DE-BE", "Germany (Berlin)"},
        {"DE-BB", "Germany (Brandenburg)"},
        {"DE-HB", "Germany (Bremen)"},
        {"DE-HH", "Germany (Hamburg)"},
        {"DE-HE", "Germany (Hesse)"},
        {"DE-NI", "Germany (Lower Saxony)"},
        {"DE-MV", "Germany (Mecklenburg-Vorpommern)"},
        {"DE-NW", "Germany (North Rhine-Westphalia)"},
        {"DE-RP", "Germany (Rhineland-Palatinate)"},
        {"DE-SL", "Germany (Saarland)"},
        {"DE-SN", "Germany (Saxony)"},
        {"DE-ST", "Germany (Saxony-Anhalt)"},
        {"DE-SH", "Germany (Schleswig-Holstein)"},
        {"DE-TH", "Germany (Thuringia)"},
        {"IE", "Ireland"},
        {"IT", "Italy"},
        {"LU", "Luxembourg"},
        {"NL", "Netherlands"},
        {"NZ", "New Zealand"},
        {"NO", "Norway"},
        {"PL", "Poland"},
        {"PT", "Portugal"},
        {"ES", "Spain"},
        {"SE", "Sweden"},
        {"CH", "Switzerland"},
        {"GB-EAW", "United Kingdom (England and Wales)"},
        {"GB-NIR", "United Kingdom (Northern Ireland)"},
        {"GB-SCT", "United Kingdom (Scotland)"},
        {"US", "United States"},
    };
    return regions;
}

std::string HolidayRegionName(const std::string& code)
{
    for (const CHolidayRegion& region : HolidayRegions())
        if (region.m_strCode == code)
            return region.m_strName;
    return {};
}

std::string RegionForCountry(const std::string& countryCode)
{
    if (countryCode == "GB" || countryCode == "UK")
        return "GB-EAW";
    return HolidayRegionName(countryCode).empty() ? std::string() : countryCode;
}

std::string RegionSource(const std::string& code)
{
    return std::string(kSourcePrefix) + code;
}

bool IsRegionSource(const std::string& source)
{
    return source.compare(0, kSourcePrefix.size(), kSourcePrefix) == 0;
}

std::string RegionOfSource(const std::string& source)
{
    return IsRegionSource(source) ? source.substr(kSourcePrefix.size()) : std::string();
}

std::string HolidaySourceTitle(const std::string& source)
{
    if (IsRegionSource(source)) {
        const std::string name = HolidayRegionName(RegionOfSource(source));
        return name.empty() ? source : name;
    }
    return std::filesystem::path(source).filename().string();
}

bool PublicHolidays(const std::string& code, int fromYear, int toYear, std::vector<CPublicHoliday>* events)
{
    if (HolidayRegionName(code).empty())
        return false;
    fromYear = std::max(fromYear, 1);
    toYear = std::min(toYear, 9999);
    if (fromYear > toYear)
        return true;

    // A year's neighbours are made too: a holiday on 1 January can be kept
    // on the last day of the year before.
    std::vector<Day> days;
    for (int year = std::max(fromYear - 1, 1); year <= std::min(toYear + 1, 9999); ++year) {
        for (const Rule& rule : kRules) {
            if (!Applies(rule.regions, code))
                continue;
            if (const std::optional<CCalDate> date = RuleDate(rule, year))
                days.push_back({*date, rule.name, rule.shift});
        }
    }
    std::stable_sort(days.begin(), days.end(), [](const Day& a, const Day& b) { return a.date < b.date; });

    std::set<CCalDate> taken;
    for (const Day& day : days)
        taken.insert(day.date);
    const std::string observed = ObservedSuffix(code);
    std::vector<Day> moved;
    for (const Day& day : days) {
        if (!IsWeekend(day.date))
            continue;
        CCalDate to = day.date;
        if (day.shift == Shift::NextFree) {
            do
                ++to;
            while (IsWeekend(to) || taken.count(to));
        } else if (day.shift == Shift::Nearest) {
            to = day.date.GetDayOfWeek() == kSat ? day.date - 1 : day.date + 1;
        } else {
            continue;
        }
        taken.insert(to);
        moved.push_back({to, day.name + observed, day.shift});
    }
    days.insert(days.end(), moved.begin(), moved.end());
    std::stable_sort(days.begin(), days.end(), [](const Day& a, const Day& b) { return a.date < b.date; });

    for (const Day& day : days) {
        const int year = day.date.GetYear();
        if (year < fromYear || year > toYear)
            continue;
        CPublicHoliday event;
        event.m_nYear = year;
        event.m_nMonth = day.date.GetMonth();
        event.m_nDay = day.date.GetDay();
        event.m_strName = day.name;
        events->push_back(std::move(event));
    }
    return true;
}

bool ReadRegionSource(const std::string& source, int fromYear, int toYear, CHolidayList* days, CMessageOut error)
{
    const std::string code = RegionOfSource(source);
    std::vector<CPublicHoliday> events;
    if (!PublicHolidays(code, fromYear, toYear, &events)) {
        error.Set(CMessage(MESSAGE_TEXT("CMessage",
                                        "There are no public holidays for the region \"%1\" in this version."))
                      .Arg(code));
        return false;
    }
    CHolidayList read;
    for (const CPublicHoliday& e : events)
        read.Add(e.m_nYear, e.m_nMonth, e.m_nDay, e.m_strName);
    *days = std::move(read);
    return true;
}
