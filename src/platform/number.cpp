#include "platform/number.h"

#include <charconv>
#include <climits>
#include <cmath>
#include <cstddef>
#include <string>

// Every conversion here goes through <charconv>, never strtod or printf:
// those follow the process locale, and the GUI sets an Italian one, which
// would swap the meaning of "." and ",".

namespace plat {

namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Reads "digits[.digits]" (the only shape the callers build) as a double.
std::optional<double> read_plain(const std::string& text) {
    double v = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, v, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(v)) return std::nullopt;
    return v;
}

// Fixed notation with `decimals` digits after ".", correctly rounded from
// the binary value. Room for the largest double written out in full.
std::string fixed_text(double v, int decimals) {
    char buf[400];
    const auto [ptr, ec] =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    if (ec != std::errc()) return "0";
    return std::string(buf, ptr);
}

// "1234567" gives "1.234.567".
std::string group_thousands(std::string_view digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out += '.';
        out += digits[i];
    }
    return out;
}

}  // namespace

double leading_number(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && is_blank(s[i])) ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    // Whole numbers (codes, counts, record numbers: most readings) are
    // read in place; up to 15 digits a double holds them exactly.
    std::size_t fine = i;
    while (fine < s.size() && is_digit(s[fine])) ++fine;
    if (fine > i && fine - i <= 15 && (fine == s.size() || s[fine] != '.')) {
        long long v = 0;
        for (std::size_t k = i; k < fine; ++k) v = v * 10 + (s[k] - '0');
        const double d = static_cast<double>(v);
        return negative ? -d : d;
    }
    std::string plain;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (is_digit(s[i])) {
            plain += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
            plain += '.';
        } else {
            break;
        }
    }
    if (plain.empty() || plain == ".") return 0;
    if (plain.front() == '.') plain.insert(plain.begin(), '0');
    if (plain.back() == '.') plain.pop_back();
    const std::optional<double> v = read_plain(plain);
    if (!v) return 0;
    return negative ? -*v : *v;
}

long leading_int(std::string_view s) {
    const double v = std::trunc(leading_number(s));
    // Clamped so that an absurd text cannot overflow the conversion.
    if (v >= static_cast<double>(LONG_MAX)) return LONG_MAX;
    if (v <= static_cast<double>(LONG_MIN)) return LONG_MIN;
    return static_cast<long>(v);
}

std::optional<double> italian_number(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && is_blank(s[b])) ++b;
    while (e > b && is_blank(s[e - 1])) --e;
    bool negative = false;
    if (b < e && (s[b] == '+' || s[b] == '-')) {
        negative = s[b] == '-';
        ++b;
    }
    std::string integer;
    std::string decimals;
    bool comma = false;
    for (std::size_t i = b; i < e; ++i) {
        const char c = s[i];
        if (is_digit(c)) {
            (comma ? decimals : integer) += c;
        } else if (c == '.') {
            // a thousands mark, wherever it stands
        } else if (c == ',' && !comma) {
            comma = true;
        } else {
            return std::nullopt;
        }
    }
    if (integer.empty() && decimals.empty()) return std::nullopt;
    std::string plain = integer.empty() ? "0" : integer;
    if (!decimals.empty()) plain += '.' + decimals;
    const std::optional<double> v = read_plain(plain);
    if (!v) return std::nullopt;
    return negative ? -*v : *v;
}

double italian_or_zero(std::string_view s) { return italian_number(s).value_or(0.0); }

std::optional<double> typed_amount(std::string_view s, bool allow_negative) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && is_blank(s[b])) ++b;
    while (e > b && is_blank(s[e - 1])) --e;
    bool negative = false;
    if (b < e && s[b] == '-') {
        if (!allow_negative) return std::nullopt;
        negative = true;
        ++b;
    }
    const std::string_view t = s.substr(b, e - b);
    const std::size_t comma = t.find(',');
    const std::string_view whole = t.substr(0, comma);
    const std::string_view decimals =
        comma == std::string_view::npos ? std::string_view() : t.substr(comma + 1);
    if (whole.empty() && decimals.empty()) return std::nullopt;
    if (comma != std::string_view::npos && (decimals.empty() || decimals.size() > 2))
        return std::nullopt;
    for (char c : decimals)
        if (!is_digit(c)) return std::nullopt;
    // Groups of the whole part: the first of one to three digits, every
    // later one of exactly three.
    std::string digits;
    std::size_t group = 0;
    bool first_group = true;
    for (char c : whole) {
        if (is_digit(c)) {
            digits += c;
            ++group;
        } else if (c == '.') {
            if (group == 0 || group > 3 || (!first_group && group != 3)) return std::nullopt;
            first_group = false;
            group = 0;
        } else {
            return std::nullopt;
        }
    }
    if (!first_group && group != 3) return std::nullopt;
    std::string plain = digits.empty() ? "0" : digits;
    if (!decimals.empty()) plain += '.' + std::string(decimals);
    const std::optional<double> v = read_plain(plain);
    if (!v || *v > kMaxAmount) return std::nullopt;
    return negative && *v != 0 ? -*v : *v;
}

std::string amount_shape(std::string_view typed) {
    std::size_t b = 0;
    std::size_t e = typed.size();
    while (b < e && is_blank(typed[b])) ++b;
    while (e > b && is_blank(typed[e - 1])) --e;
    const std::string_view t = typed.substr(b, e - b);
    const std::size_t point = t.find('.');
    if (point == std::string_view::npos || point == 0 || t.size() - point - 1 < 1 ||
        t.size() - point - 1 > 2)
        return {};
    for (std::size_t i = 0; i < t.size(); ++i)
        if (i != point && !is_digit(t[i])) return {};
    const std::optional<double> v = read_plain(std::string(t));
    if (!v || *v > kMaxAmount) return {};
    return format_amount(*v);
}

double whole_units(std::string_view s) {
    std::string without_points;
    without_points.reserve(s.size());
    for (char c : s)
        if (c != '.') without_points += c;
    return leading_number(without_points);
}

std::string short_number(double v) {
    if (!std::isfinite(v)) return "0";
    // Up to 15 significant digits and never more than 10 decimals: enough for
    // any amount or rate, few enough that 0.1 + 0.2 reads "0,3".
    const double magnitude = std::fabs(v);
    const int int_digits =
        magnitude < 1 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    int decimals = 15 - int_digits;
    if (decimals > 10) decimals = 10;
    if (decimals < 0) decimals = 0;
    std::string t = fixed_text(v, decimals);
    if (t.find('.') != std::string::npos) {
        while (t.back() == '0') t.pop_back();
        if (t.back() == '.') t.pop_back();
    }
    if (t == "-0") t = "0";
    for (char& c : t)
        if (c == '.') c = ',';
    return t;
}

std::string format_amount(double v) {
    if (!std::isfinite(v)) v = 0;
    // The value is first written with 9 decimals, which removes the binary
    // noise (2.675 is stored as 2.67499999...), then rounded half away from
    // zero on those decimal digits, as a person rounds the amount typed.
    std::string t = fixed_text(std::fabs(v), 9);
    const std::size_t point = t.find('.');
    std::string digits = t.substr(0, point) + t.substr(point + 1, 2);  // cents
    const bool round_up = t[point + 3] >= '5';
    if (round_up) {
        std::size_t k = digits.size();
        while (k > 0) {
            --k;
            if (digits[k] == '9') {
                digits[k] = '0';
            } else {
                ++digits[k];
                break;
            }
            if (k == 0) digits.insert(digits.begin(), '1');
        }
    }
    const std::string integer = digits.substr(0, digits.size() - 2);
    const std::string cents = digits.substr(digits.size() - 2);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    std::string out = (v < 0 && !zero) ? "-" : "";
    out += group_thousands(integer);
    out += ',';
    out += cents;
    return out;
}

std::string format_amount(std::string_view text) {
    const std::optional<double> v = italian_number(text);
    if (!v) return std::string(text);
    return format_amount(*v);
}

long long cents(double v) { return std::llround(v * 100); }

long long round_cents(double v) {
    if (!std::isfinite(v) || std::fabs(v) >= 9e15) return cents(std::isfinite(v) ? v : 0);
    // As format_amount: 9 decimals first, which removes the binary noise,
    // then half away from zero on the third decimal digit.
    const std::string t = fixed_text(std::fabs(v), 9);
    const std::size_t point = t.find('.');
    long long c = 0;
    for (std::size_t i = 0; i < point + 3; ++i)
        if (i != point) c = c * 10 + (t[i] - '0');
    if (t[point + 3] >= '5') ++c;
    return v < 0 ? -c : c;
}

}  // namespace plat
