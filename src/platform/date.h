// Calendar dates as the program writes them: day/month/year with two digits
// for day and month and four for the year. A date is a count of days from
// 30/12/1899, so the zero date is the "no date" value, written "0.00.00".
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace plat {

class Date {
public:
    constexpr Date() = default;
    // A real calendar day; nullopt when day/month/year is not one
    // (29/02 of a common year, 31/04, month 13 ...).
    static std::optional<Date> from_dmy(int day, int month, int year);
    // Day, month and year with overflow carried over, as date arithmetic
    // needs it: day 0 of a month is the last day of the month before,
    // month 13 is January of the next year.
    static Date from_dmy_lenient(int day, int month, int year);
    static constexpr Date from_serial(long serial) {
        Date d;
        d.serial_ = serial;
        return d;
    }

    // Reads "d/m/yyyy", "dd/mm/yyyy" (also "-" or "." between the parts);
    // a two-digit year is taken in 1930-2029. "0.00.00", "" and anything
    // that is not a calendar day give nullopt.
    static std::optional<Date> parse(std::string_view text);
    // As parse, but a two-digit year is taken in the century of the year
    // `century_of` (2026: "1/12/30" is 2030), as a person typing the year
    // short means the years around the one being worked on.
    static std::optional<Date> parse(std::string_view text, int century_of);
    // As parse, but a text that is no date gives the zero date.
    static Date parse_or_zero(std::string_view text);

    bool is_zero() const { return serial_ == 0; }
    long serial() const { return serial_; }
    int day() const;
    int month() const;
    int year() const;
    // 1 = Sunday ... 7 = Saturday.
    int weekday() const;

    // "dd/mm/yyyy"; the zero date gives "0.00.00".
    std::string text() const;

    Date add_days(long n) const { return from_serial(serial_ + n); }
    // Days from a to b (b - a).
    static long days_between(Date a, Date b) { return b.serial_ - a.serial_; }

    friend constexpr auto operator<=>(Date, Date) = default;
    friend constexpr bool operator==(Date, Date) = default;

private:
    long serial_ = 0;
};

// The text of the zero date as the record files hold it.
inline constexpr std::string_view kNoDate = "0.00.00";

// True when the text reads as a calendar day.
bool is_date(std::string_view text);
// Last day of the month (28 to 31).
int days_in_month(int month, int year);

}  // namespace plat
