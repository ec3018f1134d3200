#include <gtest/gtest.h>

#include <optional>

#include "platform/date.h"

namespace plat {
namespace {

Date dmy(int d, int m, int y) {
    const std::optional<Date> date = Date::from_dmy(d, m, y);
    EXPECT_TRUE(date.has_value()) << d << '/' << m << '/' << y;
    return date.value_or(Date());
}

TEST(DateSerial, CountsDaysFrom30December1899) {
    EXPECT_EQ(dmy(30, 12, 1899).serial(), 0);
    EXPECT_EQ(dmy(31, 12, 1899).serial(), 1);
    EXPECT_EQ(dmy(1, 1, 1900).serial(), 2);
    EXPECT_EQ(dmy(1, 3, 1900).serial(), 61);  // 1900 was not a leap year
    EXPECT_EQ(dmy(29, 2, 2024).serial(), 45351);
    EXPECT_EQ(dmy(1, 7, 2026).serial(), 46204);

    const Date d = Date::from_serial(46215);
    EXPECT_EQ(d.day(), 12);
    EXPECT_EQ(d.month(), 7);
    EXPECT_EQ(d.year(), 2026);
}

TEST(DateSerial, EveryDayFollowsTheOneBefore) {
    // 1850..2150 day by day: the serial and the calendar agree.
    Date d = dmy(1, 1, 1850);
    int day = 1, month = 1, year = 1850;
    while (year < 2150) {
        ASSERT_EQ(d.day(), day) << d.serial();
        ASSERT_EQ(d.month(), month) << d.serial();
        ASSERT_EQ(d.year(), year) << d.serial();
        ASSERT_EQ(Date::from_dmy(day, month, year), d);
        if (!d.is_zero()) {
            ASSERT_EQ(Date::parse(d.text()), d) << d.text();
        }
        d = d.add_days(1);
        if (++day > days_in_month(month, year)) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
}

TEST(DateCalendar, LeapYearsAndImpossibleDays) {
    EXPECT_EQ(days_in_month(2, 2024), 29);
    EXPECT_EQ(days_in_month(2, 2026), 28);
    EXPECT_EQ(days_in_month(2, 2000), 29);
    EXPECT_EQ(days_in_month(2, 1900), 28);
    EXPECT_EQ(days_in_month(4, 2026), 30);
    EXPECT_EQ(days_in_month(13, 2026), 0);

    EXPECT_TRUE(Date::from_dmy(29, 2, 2024));
    EXPECT_TRUE(Date::from_dmy(29, 2, 2000));
    EXPECT_FALSE(Date::from_dmy(29, 2, 2026));
    EXPECT_FALSE(Date::from_dmy(29, 2, 1900));
    EXPECT_FALSE(Date::from_dmy(31, 4, 2026));
    EXPECT_FALSE(Date::from_dmy(0, 4, 2026));
    EXPECT_FALSE(Date::from_dmy(1, 13, 2026));
}

TEST(DateCalendar, LenientCarriesOverflowIntoTheNextUnit) {
    EXPECT_EQ(Date::from_dmy_lenient(0, 8, 2026), dmy(31, 7, 2026));
    EXPECT_EQ(Date::from_dmy_lenient(1, 13, 2026), dmy(1, 1, 2027));
    EXPECT_EQ(Date::from_dmy_lenient(0, 1, 2026), dmy(31, 12, 2025));
    EXPECT_EQ(Date::from_dmy_lenient(1, 0, 2026), dmy(1, 12, 2025));
    EXPECT_EQ(Date::from_dmy_lenient(1, -12, 2026), dmy(1, 12, 2024));
    EXPECT_EQ(Date::from_dmy_lenient(32, 1, 2026), dmy(1, 2, 2026));
    EXPECT_EQ(Date::from_dmy_lenient(0, 3, 2024), dmy(29, 2, 2024));
    EXPECT_EQ(Date::from_dmy_lenient(-1, 3, 2026), dmy(27, 2, 2026));
    EXPECT_EQ(Date::from_dmy_lenient(31, 14, 2026), dmy(3, 3, 2027));
}

TEST(DateArithmetic, AddDaysBetweenAndWeekday) {
    EXPECT_EQ(dmy(28, 2, 2024).add_days(1), dmy(29, 2, 2024));
    EXPECT_EQ(dmy(28, 2, 2026).add_days(1), dmy(1, 3, 2026));
    EXPECT_EQ(dmy(31, 12, 2026).add_days(1), dmy(1, 1, 2027));
    EXPECT_EQ(dmy(1, 1, 2027).add_days(-1), dmy(31, 12, 2026));
    EXPECT_EQ(Date::days_between(dmy(25, 7, 2026), dmy(8, 8, 2026)), 14);
    EXPECT_EQ(Date::days_between(dmy(1, 1, 2024), dmy(1, 1, 2025)), 366);
    EXPECT_EQ(Date::days_between(dmy(8, 8, 2026), dmy(25, 7, 2026)), -14);
    EXPECT_LT(dmy(31, 7, 2026), dmy(1, 8, 2026));

    EXPECT_EQ(dmy(12, 7, 2026).weekday(), 1);  // Sunday
    EXPECT_EQ(dmy(18, 7, 2026).weekday(), 7);  // Saturday
    EXPECT_EQ(dmy(1, 7, 2026).weekday(), 4);   // Wednesday
    EXPECT_EQ(dmy(29, 2, 2024).weekday(), 5);  // Thursday
    EXPECT_EQ(Date().weekday(), 7);            // 30/12/1899, a Saturday
    EXPECT_EQ(dmy(1, 12, 1899).weekday(), 6);  // Friday, before the zero day
}

TEST(DateParse, AcceptsTheWaysADateIsTyped) {
    EXPECT_EQ(Date::parse("1/7/2026"), dmy(1, 7, 2026));
    EXPECT_EQ(Date::parse("01/07/2026"), dmy(1, 7, 2026));
    EXPECT_EQ(Date::parse("1-07-2026"), dmy(1, 7, 2026));
    EXPECT_EQ(Date::parse("01.7.2026"), dmy(1, 7, 2026));
    EXPECT_EQ(Date::parse(" 12/07/2026 "), dmy(12, 7, 2026));
    EXPECT_EQ(Date::parse("29/02/2024"), dmy(29, 2, 2024));
    // Two-digit years fall in 1930..2029.
    EXPECT_EQ(Date::parse("1/7/26"), dmy(1, 7, 2026));
    EXPECT_EQ(Date::parse("1/7/00"), dmy(1, 7, 2000));
    EXPECT_EQ(Date::parse("1/7/29"), dmy(1, 7, 2029));
    EXPECT_EQ(Date::parse("1/7/30"), dmy(1, 7, 1930));
    EXPECT_EQ(Date::parse("1/7/99"), dmy(1, 7, 1999));

    // Written back with two digits for day and month; the zero date as no date.
    EXPECT_EQ(Date::parse("1/7/2026")->text(), "01/07/2026");
    EXPECT_EQ(Date().text(), kNoDate);
    EXPECT_EQ(dmy(5, 3, 999).text(), "05/03/0999");
    EXPECT_EQ(dmy(31, 12, 9999).text(), "31/12/9999");
}

TEST(DateParse, RejectsWhatIsNotACalendarDay) {
    for (const char* text :
         {"",           "0.00.00",     "ND",          "29/02/2026",  "31/04/2026", "32/01/2026",
          "1/13/2026",  "12/07/2026x", "x12/07/2026", "12//2026",    "/07/2026",   "12/07/",
          "12/07",      "12-07/2026",  "123/07/2026", "12/007/2026", "12/07/202",  "12/07/20260",
          "12/07/2 26", "+1/07/2026",  "1 2/07/2026", "12/07/2026/1"}) {
        EXPECT_EQ(Date::parse(text), std::nullopt) << '"' << text << '"';
        EXPECT_FALSE(is_date(text)) << '"' << text << '"';
    }
    EXPECT_TRUE(Date::parse_or_zero("ND").is_zero());
    EXPECT_TRUE(Date::parse_or_zero("0.00.00").is_zero());
    EXPECT_EQ(Date::parse_or_zero("2/1/2026"), dmy(2, 1, 2026));
    EXPECT_TRUE(is_date("2/1/2026"));
}

}  // namespace
}  // namespace plat
