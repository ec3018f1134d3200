// The number readings and writings of the program. Each way of reading a
// number out of a text lives here once; callers name the one they need.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace plat {

// Leading-number reading: blanks skipped, an optional sign, then digits
// with "." as the decimal point, stopping at the first other character.
// "", "ND" and "CANC" give 0; "0012" gives 12; "1.500,00" gives 1.5.
double leading_number(std::string_view s);
// The same, truncated toward zero to a whole number (record indexes, counts).
long leading_int(std::string_view s);

// Italian reading: "." between thousands ignored wherever it stands, ","
// before the decimals. "1.500,00" and "1500" give 1500, "12,5" gives 12.5,
// "12.50" gives 1250. "", "ND" and "abc" have no reading.
std::optional<double> italian_number(std::string_view s);
// The Italian reading, or 0 when the text has none.
double italian_or_zero(std::string_view s);

// An amount the user typed: digits, at most one "," with one or two
// decimals, "." only as a thousands mark between groups of three digits
// ("1.500,50"), and a leading "-" only when `allow_negative`. Anything else,
// an empty text, or a value above 9.999.999,99 has no reading, so a box can
// refuse it before anything is computed or written from it.
inline constexpr double kMaxAmount = 9999999.99;
std::optional<double> typed_amount(std::string_view s, bool allow_negative = false);
// The shape an amount refused by `typed_amount` was meant to have, for the
// message that refuses it: a point before one or two decimals ("12.50")
// gives the same amount written with the comma ("12,50"); any other text
// gives an empty string (no guess is made at what "1.2.3" meant).
std::string amount_shape(std::string_view typed);

// Whole-unit reading: every "." removed, then the leading-number reading
// ("1.320,50" gives 1320).
double whole_units(std::string_view s);

// An amount as whole cents, rounded half away from zero.
long long cents(double v);
// A computed amount (a rate of an amount: 10% of 1.000,05 is 100,005)
// rounded once to the cent, half away from zero on its decimal digits, as
// `format_amount` shows it: 100,005 gives 10001 even where the binary value
// lies just below it. Sums are then made of these cents, so that a total is
// the sum of its lines as shown.
long long round_cents(double v);

// Short number text, the Italian way: 151.5 gives "151,5", 495 gives "495".
std::string short_number(double v);

// The "##,##0.00" pattern, rounding half away from zero:
// 1500 gives "1.500,00", 0.5 gives "0,50", -1234.5 gives "-1.234,50".
std::string format_amount(double v);
// A text with an Italian reading in the pattern above; a text without a
// reading is returned as it is ("ND" stays "ND").
std::string format_amount(std::string_view text);

}  // namespace plat
