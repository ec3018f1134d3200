#include "platform/date.h"

#include <cstddef>

namespace plat {

namespace {

// Days from 1/1/1970 in the proleptic Gregorian calendar (H. Hinnant's
// civil-day algorithms), valid for any year.
constexpr long days_from_civil(long y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct Civil {
    long y;
    int m;
    int d;
};

Civil civil_from_days(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2), m, d};
}

// Serial 0 is 30/12/1899. A constant expression, so that dates made while
// other files' statics are being set up are already right.
constexpr long kEpoch = days_from_civil(1899, 12, 30);

bool is_leap(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

// A run of 1..max_digits digits; nullopt otherwise.
std::optional<int> read_part(std::string_view part, std::size_t max_digits) {
    if (part.empty() || part.size() > max_digits) return std::nullopt;
    int v = 0;
    for (char c : part) {
        if (!is_digit(c)) return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

void append_two(std::string& out, int v) {
    out += static_cast<char>('0' + v / 10 % 10);
    out += static_cast<char>('0' + v % 10);
}

}  // namespace

int days_in_month(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    if (month == 2 && is_leap(year)) return 29;
    return kDays[month - 1];
}

std::optional<Date> Date::from_dmy(int day, int month, int year) {
    if (year < 1 || year > 9999) return std::nullopt;
    if (month < 1 || month > 12) return std::nullopt;
    if (day < 1 || day > days_in_month(month, year)) return std::nullopt;
    return from_serial(days_from_civil(year, month, day) - kEpoch);
}

Date Date::from_dmy_lenient(int day, int month, int year) {
    // Months carried into years first, then the day counted from the 1st.
    long m0 = static_cast<long>(month) - 1;
    long y = year + (m0 >= 0 ? m0 / 12 : -((11 - m0) / 12));
    m0 -= (y - year) * 12;
    const long first = days_from_civil(y, static_cast<int>(m0) + 1, 1);
    return from_serial(first + (static_cast<long>(day) - 1) - kEpoch);
}

std::optional<Date> Date::parse(std::string_view text) {
    // The form the registers hold, "dd/mm/yyyy", read at once: a register
    // of ten thousand bookings holds thirty thousand dates.
    if (text.size() == 10 && text[2] == '/' && text[5] == '/') {
        bool digits = true;
        int v[8];
        const std::size_t at[8] = {0, 1, 3, 4, 6, 7, 8, 9};
        for (int i = 0; i < 8; ++i) {
            const char c = text[at[i]];
            digits = digits && is_digit(c);
            v[i] = c - '0';
        }
        if (digits)
            return from_dmy(v[0] * 10 + v[1], v[2] * 10 + v[3],
                            v[4] * 1000 + v[5] * 100 + v[6] * 10 + v[7]);
    }
    // Surrounding blanks, as fixed-width fields carry them, are allowed.
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);

    const std::size_t first = text.find_first_of("/-.");
    if (first == std::string_view::npos) return std::nullopt;
    const char sep = text[first];
    const std::size_t second = text.find(sep, first + 1);
    if (second == std::string_view::npos) return std::nullopt;

    const auto day = read_part(text.substr(0, first), 2);
    const auto month = read_part(text.substr(first + 1, second - first - 1), 2);
    const std::string_view year_text = text.substr(second + 1);
    if (year_text.size() != 2 && year_text.size() != 4) return std::nullopt;
    auto year = read_part(year_text, 4);
    if (!day || !month || !year) return std::nullopt;
    if (year_text.size() == 2) *year += *year < 30 ? 2000 : 1900;
    return from_dmy(*day, *month, *year);
}

std::optional<Date> Date::parse(std::string_view text, int century_of) {
    std::optional<Date> d = parse(text);
    if (!d || century_of <= 0) return d;
    // Only a year typed with two digits moves to the century asked for.
    std::string_view t = text;
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    const std::size_t last = t.find_last_of("/-.");
    if (last == std::string_view::npos || t.size() - last - 1 != 2) return d;
    return from_dmy(d->day(), d->month(), century_of / 100 * 100 + d->year() % 100);
}

Date Date::parse_or_zero(std::string_view text) { return parse(text).value_or(Date()); }

// The zero date keeps its calendar meaning here (30/12/1899); only its text
// marks it as "no date".
int Date::day() const { return civil_from_days(serial_ + kEpoch).d; }
int Date::month() const { return civil_from_days(serial_ + kEpoch).m; }
int Date::year() const { return static_cast<int>(civil_from_days(serial_ + kEpoch).y); }

int Date::weekday() const {
    // Serial 0 was a Saturday.
    return static_cast<int>(((serial_ + 6) % 7 + 7) % 7) + 1;
}

std::string Date::text() const {
    if (is_zero()) return std::string(kNoDate);
    const Civil c = civil_from_days(serial_ + kEpoch);
    // Built in place, within the short-string buffer: a register's rewrite
    // writes thirty thousand dates.
    std::string out;
    append_two(out, c.d);
    out += '/';
    append_two(out, c.m);
    out += '/';
    const long y = c.y < 0 ? -c.y : c.y;
    if (c.y < 0) out += '-';
    if (y < 10000) {
        append_two(out, static_cast<int>(y / 100));
        append_two(out, static_cast<int>(y % 100));
    } else {
        out += std::to_string(y);
    }
    return out;
}

bool is_date(std::string_view text) { return Date::parse(text).has_value(); }

}  // namespace plat
