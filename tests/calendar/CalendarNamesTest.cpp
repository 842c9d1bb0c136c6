#include "calendar/CalDate.h"
#include "calendar/CalendarNames.h"
#include "calendar/Utf8Text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <string>

namespace {

// Runs a test body with the time and character locales switched to a named
// locale, and puts the previous ones back afterwards.
class ScopedLocale {
public:
    explicit ScopedLocale(const char* name)
    {
        m_time = std::setlocale(LC_TIME, nullptr);
        m_ctype = std::setlocale(LC_CTYPE, nullptr);
        m_ok = std::setlocale(LC_TIME, name) != nullptr;
        std::setlocale(LC_CTYPE, name);
    }
    ~ScopedLocale()
    {
        std::setlocale(LC_TIME, m_time.c_str());
        std::setlocale(LC_CTYPE, m_ctype.c_str());
    }
    bool Ok() const { return m_ok; }

private:
    std::string m_time;
    std::string m_ctype;
    bool m_ok = false;
};

bool SetFirstAvailable(ScopedLocale*& holder, std::initializer_list<const char*> names)
{
    for (const char* name : names) {
        holder = new ScopedLocale(name);
        if (holder->Ok())
            return true;
        delete holder;
        holder = nullptr;
    }
    return false;
}

TEST(CalDateType, StepsCompareAndWeekdays)
{
    CCalDate d(2024, 2, 28);
    ++d;
    EXPECT_EQ(d, CCalDate(2024, 2, 29));
    ++d;
    EXPECT_EQ(d, CCalDate(2024, 3, 1));
    --d;
    --d;
    EXPECT_EQ(d.GetDay(), 28);
    EXPECT_TRUE(CCalDate(2024, 3, 1) >= CCalDate(2024, 2, 29));
    EXPECT_FALSE(CCalDate(2023, 12, 31) >= CCalDate(2024, 1, 1));
    EXPECT_EQ(CCalDate(2000, 1, 2).GetDayOfWeek(), 1);  // a Sunday
    EXPECT_EQ(CCalDate(2000, 1, 1).GetDayOfWeek(), 7);  // a Saturday
    EXPECT_EQ(CCalDate(1900, 3, 1) - CCalDate(1900, 2, 28), 1);  // 1900 was not a leap year
    EXPECT_EQ(CCalDate(2000, 3, 1) - CCalDate(2000, 2, 28), 2);  // 2000 was
    CCalDate yearEnd(1999, 12, 31);
    ++yearEnd;
    EXPECT_EQ(yearEnd.GetYear(), 2000);
    EXPECT_EQ(yearEnd.GetMonth(), 1);
}

TEST(CalDateType, OutOfRangeFieldsAreHeldInsideTheCalendar)
{
    EXPECT_EQ(CCalDate(2023, 4, 31), CCalDate(2023, 4, 30));
    EXPECT_EQ(CCalDate(2023, 13, 1).GetMonth(), 12);
    EXPECT_EQ(CCalDate(2023, 0, 0), CCalDate(2023, 1, 1));
    const CCalDate far(2147483647, 1, 1);
    EXPECT_GT(far.GetYear(), 9999);
}

TEST(CalDateType, FormatsInTheCurrentLocale)
{
    ScopedLocale c("C");
    EXPECT_EQ(CCalDate(2000, 3, 1).Format("%B"), "March");
    EXPECT_EQ(CCalDate(2024, 7, 4).Format("%A"), "Thursday");
    EXPECT_EQ(DefaultMonthName(1), "January");
    EXPECT_EQ(DefaultMonthName(12), "December");
    EXPECT_EQ(DefaultMonthName(0), "");
    EXPECT_EQ(DefaultMonthName(13), "");
}

TEST(CalUtf8, CharactersNotBytes)
{
    const std::string sroda = "\xC5\x9Broda";  // "środa"
    EXPECT_EQ(Utf8Prefix(sroda, 1), "\xC5\x9B");
    EXPECT_EQ(Utf8Prefix(sroda, 3), "\xC5\x9Bro");
    EXPECT_EQ(Utf8Length(sroda), 5);
    EXPECT_EQ(Utf8ToUpper("\xC5\x9Bro"), "\xC5\x9AR" "O");
    // Cyrillic: "пятница" -> "ПЯТ".
    EXPECT_EQ(Utf8ToUpper(Utf8Prefix("\xD0\xBF\xD1\x8F\xD1\x82\xD0\xBD\xD0\xB8\xD1\x86\xD0\xB0", 3)),
              "\xD0\x9F\xD0\xAF\xD0\xA2");
    // A truncated sequence or a stray byte is one character on its own and
    // is never read past.
    EXPECT_EQ(Utf8Prefix("\xC5", 3), "\xC5");
    EXPECT_EQ(Utf8Prefix("\x80" "ab", 2), "\x80" "a");
    EXPECT_EQ(Utf8ToUpper("\xFF" "a"), "\xFF" "A");
    EXPECT_EQ(MakeValidUtf8("a\xC0\xAF" "b"), "a\xEF\xBF\xBD\xEF\xBF\xBD" "b");
}

TEST(CalDayNames, FourFormats)
{
    EXPECT_EQ(DeriveDayName("Monday", 0), "M");
    EXPECT_EQ(DeriveDayName("Monday", 1), "Mon");
    EXPECT_EQ(DeriveDayName("Monday", 2), "MON");
    EXPECT_EQ(DeriveDayName("Monday", 3), "Monday");
    EXPECT_EQ(DeriveDayName("Monday", 4), "");
    EXPECT_EQ(DeriveDayName("Monday", -1), "");

    ScopedLocale c("C");
    std::string names[8];
    BuildDayNames(2, 3, names);
    const char* expected[] = {"", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"};
    for (int slot = 1; slot <= 7; ++slot)
        EXPECT_EQ(names[slot], expected[slot]) << slot;
    BuildDayNames(7, 0, names);
    EXPECT_EQ(names[1], "S");
    EXPECT_EQ(names[2], "S");
    EXPECT_EQ(names[3], "M");
    // Each weekday finds its own name whatever day opens the week, also
    // with a first day read from a damaged file.
    for (int first = 1; first <= 7; ++first) {
        BuildDayNames(first, 3, names);
        for (int weekday = 1; weekday <= 7; ++weekday)
            EXPECT_EQ(names[DayNameSlot(weekday, first)], WeekdayName(weekday, 3)) << first << " " << weekday;
    }
    EXPECT_EQ(DayNameSlot(1, 0), 2);
    EXPECT_EQ(DayNameSlot(7, 99), 7);
    EXPECT_EQ(WeekdayName(1, 2), "SUN");
    EXPECT_EQ(WeekdayName(7, 1), "Sat");
    EXPECT_EQ(WeekdayName(8, 1), "");
}

TEST(CalDayNames, PolishAndRussianNamesStayWholeCharacters)
{
    ScopedLocale* holder = nullptr;
    if (!SetFirstAvailable(holder, {"pl_PL.UTF-8", "pl_PL.utf8"}))
        GTEST_SKIP() << "the pl_PL.UTF-8 locale is not installed (scripts/install-deps generates it)";
    std::string names[8];
    BuildDayNames(2, 2, names);  // Monday first, three capitals
    EXPECT_EQ(names[3], "\xC5\x9AR" "O");  // "środa" -> "ŚRO"
    BuildDayNames(2, 0, names);
    EXPECT_EQ(names[3], "\xC5\x9B");
    EXPECT_EQ(DefaultMonthName(9), "wrzesie\xC5\x84");  // not the "września" of a date
    delete holder;

    if (!SetFirstAvailable(holder, {"ru_RU.UTF-8", "ru_RU.utf8"}))
        GTEST_SKIP() << "the ru_RU.UTF-8 locale is not installed (scripts/install-deps generates it)";
    BuildDayNames(2, 2, names);
    EXPECT_EQ(names[5], "\xD0\x9F\xD0\xAF\xD0\xA2");  // "пятница" -> "ПЯТ"
    for (int slot = 1; slot <= 7; ++slot)
        EXPECT_EQ(MakeValidUtf8(names[slot]), names[slot]) << slot;
    EXPECT_EQ(DefaultMonthName(3), "\xD0\x9C\xD0\xB0\xD1\x80\xD1\x82");  // "Март", not "марта"
    delete holder;
}

TEST(CalFirstDayOfWeek, LocaleValuesAndTheirConversion)
{
    // Most locales count from a Sunday: 1 = Sunday, 2 = Monday.
    EXPECT_EQ(FirstDayOfWeekFromLocale(1, 1), 1);
    EXPECT_EQ(FirstDayOfWeekFromLocale(1, 2), 2);
    EXPECT_EQ(FirstDayOfWeekFromLocale(1, 7), 7);
    // A locale counting from a Monday.
    EXPECT_EQ(FirstDayOfWeekFromLocale(2, 1), 2);
    EXPECT_EQ(FirstDayOfWeekFromLocale(2, 7), 1);
    // Values outside 1-7 give Sunday.
    EXPECT_EQ(FirstDayOfWeekFromLocale(1, 0), 1);
    EXPECT_EQ(FirstDayOfWeekFromLocale(1, 8), 1);
    EXPECT_EQ(FirstDayOfWeekFromLocale(1, 255), 1);

    const char* previous = std::getenv("LC_ALL");
    const std::string saved = previous ? previous : "";
    const std::string savedTime = std::setlocale(LC_TIME, nullptr);
    if (std::setlocale(LC_TIME, "de_DE.UTF-8")) {
        setenv("LC_ALL", "de_DE.UTF-8", 1);
        EXPECT_EQ(LocaleFirstDayOfWeek(), 2);
    }
    if (std::setlocale(LC_TIME, "en_US.UTF-8")) {
        setenv("LC_ALL", "en_US.UTF-8", 1);
        EXPECT_EQ(LocaleFirstDayOfWeek(), 1);
    }
    if (previous)
        setenv("LC_ALL", saved.c_str(), 1);
    else
        unsetenv("LC_ALL");
    std::setlocale(LC_TIME, savedTime.c_str());
}

TEST(CalSpecialDays, WeekdayFlagsAndTheStoredList)
{
    ScopedLocale c("C");
    BOOL flags[7] = {1, 1, 0, 0, 0, 0, 0};
    // 2024-06-01 was a Saturday, the 2nd a Sunday, the 3rd a Monday.
    EXPECT_TRUE(IsSpecialDate(flags, ", ", CCalDate(2024, 6, 1)));
    EXPECT_TRUE(IsSpecialDate(flags, ", ", CCalDate(2024, 6, 2)));
    EXPECT_FALSE(IsSpecialDate(flags, ", ", CCalDate(2024, 6, 3)));
    flags[flagMondays] = 1;
    EXPECT_TRUE(IsSpecialDate(flags, ", ", CCalDate(2024, 6, 3)));
    flags[flagMondays] = 0;

    // 5th and 12th of June 2024: a Wednesday and a Wednesday.
    EXPECT_TRUE(IsSpecialDate(flags, ", 5, 12,", CCalDate(2024, 6, 5)));
    EXPECT_TRUE(IsSpecialDate(flags, ", 5, 12,", CCalDate(2024, 6, 12)));
    EXPECT_FALSE(IsSpecialDate(flags, "5, 12,", CCalDate(2024, 6, 5)));
    EXPECT_TRUE(IsSpecialDate(flags, "5, 12,", CCalDate(2024, 6, 12)));
    EXPECT_FALSE(IsSpecialDate(flags, "5, 12", CCalDate(2024, 6, 5)));
    EXPECT_FALSE(IsSpecialDate(flags, "5, 12", CCalDate(2024, 6, 12)));
    // A probe at the very start does not count, even with a later match.
    EXPECT_FALSE(IsSpecialDate(flags, " 5, 5,", CCalDate(2024, 6, 5)));
    // " 4," does not match inside " 14," (2024-06-04 was a Tuesday).
    EXPECT_FALSE(IsSpecialDate(flags, ", 14,", CCalDate(2024, 6, 4)));
    EXPECT_TRUE(IsSpecialDate(flags, ", 14,", CCalDate(2024, 6, 14)));
    EXPECT_FALSE(IsSpecialDate(flags, ", ", CCalDate(2024, 6, 5)));
}

TEST(CalSpecialDays, WeekdaysAreRecognisedInEveryLanguage)
{
    ScopedLocale* holder = nullptr;
    if (!SetFirstAvailable(holder, {"de_DE.UTF-8", "de_DE.utf8"}))
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    // "All Saturdays" alone: "Samstag" is no English abbreviation, and
    // "Mittwoch" must not pass for a Monday.
    BOOL saturdays[7] = {1, 0, 0, 0, 0, 0, 0};
    EXPECT_TRUE(IsSpecialDate(saturdays, ", ", CCalDate(2024, 6, 1)));
    EXPECT_TRUE(IsSpecialDate(saturdays, ", ", CCalDate(2024, 6, 8)));
    EXPECT_FALSE(IsSpecialDate(saturdays, ", ", CCalDate(2024, 6, 2)));
    BOOL mondays[7] = {0, 0, 1, 0, 0, 0, 0};
    EXPECT_TRUE(IsSpecialDate(mondays, ", ", CCalDate(2024, 6, 3)));
    EXPECT_FALSE(IsSpecialDate(mondays, ", ", CCalDate(2024, 6, 5)));
    delete holder;
}

TEST(CalSpecialDays, WeekdayNumbersMapToTheStoredFlags)
{
    // Saturdays lead the stored list; Sunday (1) to Friday (6) follow.
    EXPECT_EQ(SpecialWeekdayFlagOf(7), flagSaturdays);
    EXPECT_EQ(SpecialWeekdayFlagOf(1), flagSundays);
    EXPECT_EQ(SpecialWeekdayFlagOf(2), flagMondays);
    EXPECT_EQ(SpecialWeekdayFlagOf(6), flagFridays);
    EXPECT_EQ(SpecialWeekdayFlagOf(0), -1);
    EXPECT_EQ(SpecialWeekdayFlagOf(8), -1);
    BOOL thursdays[7] = {0, 0, 0, 0, 0, 1, 0};
    EXPECT_TRUE(IsSpecialWeekday(thursdays, 5));
    EXPECT_FALSE(IsSpecialWeekday(thursdays, 3));
    EXPECT_FALSE(IsSpecialWeekday(thursdays, 9));
}

TEST(CalNumbers, DecimalText)
{
    EXPECT_EQ(FormatCalendarNumber(0), "0");
    EXPECT_EQ(FormatCalendarNumber(7), "7");
    EXPECT_EQ(FormatCalendarNumber(2026), "2026");
    EXPECT_EQ(FormatCalendarNumber(-15), "-15");
    EXPECT_EQ(FormatCalendarNumber(-2147483647 - 1), "-2147483648");
}

}  // namespace
