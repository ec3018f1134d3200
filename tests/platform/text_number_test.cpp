#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/number.h"
#include "platform/text.h"

namespace plat {
namespace {

using Parts = std::vector<std::string>;

TEST(TextCase, MapsAsciiAndAccentedLettersBothWays) {
    EXPECT_EQ(upper("perché è così, più però"), "PERCHÉ È COSÌ, PIÙ PERÒ");
    EXPECT_EQ(upper("città àéèìòù ÿ œ"), "CITTÀ ÀÉÈÌÒÙ Ÿ Œ");
    EXPECT_EQ(lower("CITTÀ ÀÉÈÌÒÙ Ÿ"), "città àéèìòù ÿ");
    // Non-letters, ß, ×/÷ and Greek are left alone.
    EXPECT_EQ(upper("a1-ß×÷€ω"), "A1-ß×÷€ω");
    EXPECT_EQ(lower("Z1-×÷€Ω"), "z1-×÷€Ω");
    // A damaged byte survives as it is instead of being dropped.
    EXPECT_EQ(upper("a\xC3z"), "A\xC3Z");
}

TEST(TextCase, IequalsIgnoresCaseOfAccentedLetters) {
    EXPECT_TRUE(iequals("Perché", "PERCHÉ"));
    EXPECT_TRUE(iequals("", ""));
    EXPECT_FALSE(iequals("perche", "PERCHÉ"));
    EXPECT_FALSE(iequals("abc", "abcd"));
}

TEST(TextPositions, CountCharactersNotBytes) {
    EXPECT_EQ(length(""), 0);
    EXPECT_EQ(length("città"), 5);
    EXPECT_EQ(length("€ 1"), 3);

    EXPECT_EQ(left("città", 4), "citt");
    EXPECT_EQ(left("èà", 1), "è");
    EXPECT_EQ(left("città", 99), "città");
    EXPECT_EQ(left("città", 0), "");
    EXPECT_EQ(left("città", -2), "");

    EXPECT_EQ(right("città", 2), "tà");
    EXPECT_EQ(right("città", 99), "città");

    EXPECT_EQ(mid("perché sì", 5, 2), "hé");
    EXPECT_EQ(mid("perché sì", 8), "sì");
    EXPECT_EQ(mid("abc", 4), "");
    EXPECT_EQ(mid("abc", 2, 0), "");
}

TEST(TextBlanks, TrimsSpacesAndTabsAndPadsByCharacters) {
    EXPECT_EQ(trim(" \t a b \t "), "a b");
    EXPECT_EQ(trim_left(" \ta "), "a ");
    EXPECT_EQ(trim_right(" a\t "), " a");

    EXPECT_EQ(pad_code("7"), "0007");
    EXPECT_EQ(pad_code("12"), "0012");
    EXPECT_EQ(pad_code("12345"), "12345");
    EXPECT_EQ(pad_left("è", 3), "  è");
    EXPECT_EQ(pad_right("è", 3), "è  ");
    EXPECT_EQ(pad_right("città", 3), "città");
}

TEST(TextSplit, KeepsEveryEmptyField) {
    EXPECT_EQ(split("", "*"), Parts{""});
    EXPECT_EQ(split("a**b", "*"), (Parts{"a", "", "b"}));
    EXPECT_EQ(split("*a*", "*"), (Parts{"", "a", ""}));
    EXPECT_EQ(split("1<>2<>", "<>"), (Parts{"1", "2", ""}));
    EXPECT_EQ(split("abc", ""), Parts{"abc"});

    const std::string record = "Rossi**è*";
    EXPECT_EQ(join(split(record, "*"), "*"), record);

    // A vector reused line after line holds only the new line's fields.
    Parts reused = {"x", "y", "z", "w"};
    split_into("a*", "*", reused);
    EXPECT_EQ(reused, (Parts{"a", ""}));
    split_into("1*2*3", "*", reused);
    EXPECT_EQ(reused, (Parts{"1", "2", "3"}));
}

TEST(TextReplace, ReplacesEveryOccurrenceOnce) {
    EXPECT_EQ(replace_all("a*b*c", "*", "; "), "a; b; c");
    EXPECT_EQ(replace_all("aaa", "aa", "b"), "ba");
    // The replacement is not searched again.
    EXPECT_EQ(replace_all("a", "a", "aa"), "aa");
    EXPECT_EQ(replace_all("abc", "", "x"), "abc");
}

TEST(LeadingNumber, ReadsUpToTheFirstOtherCharacter) {
    EXPECT_EQ(leading_number(""), 0);
    EXPECT_EQ(leading_number("ND"), 0);
    EXPECT_EQ(leading_number("CANC"), 0);
    EXPECT_EQ(leading_number("0012"), 12);
    EXPECT_EQ(leading_number("1.500,00"), 1.5);
    EXPECT_EQ(leading_number("151,5"), 151);
    EXPECT_EQ(leading_number(" \t-12.25kg"), -12.25);
    EXPECT_EQ(leading_number("+7"), 7);
    EXPECT_EQ(leading_number(".5"), 0.5);
    EXPECT_EQ(leading_number("1.2.3"), 1.2);
    EXPECT_EQ(leading_number("- 5"), 0);
    EXPECT_EQ(leading_number("-"), 0);
}

TEST(LeadingNumber, WholeNumbersTruncateTowardZero) {
    EXPECT_EQ(leading_int("12.9"), 12);
    EXPECT_EQ(leading_int("-3.9"), -3);
    EXPECT_EQ(leading_int("0007*x"), 7);
    EXPECT_EQ(leading_int("ND"), 0);
    EXPECT_EQ(leading_int(std::string(40, '9')), LONG_MAX);
}

TEST(ItalianNumber, ReadsThousandsAndDecimalComma) {
    EXPECT_EQ(italian_number("1.500,00"), 1500);
    EXPECT_EQ(italian_number("1500"), 1500);
    EXPECT_EQ(italian_number("12,5"), 12.5);
    EXPECT_EQ(italian_number("12.50"), 1250);  // the point is a thousands mark
    EXPECT_EQ(italian_number("1.2.3"), 123);
    EXPECT_EQ(italian_number("-1.234,50"), -1234.5);
    EXPECT_EQ(italian_number("+3"), 3);
    EXPECT_EQ(italian_number(" \t 7,25 "), 7.25);
    EXPECT_EQ(italian_number(",5"), 0.5);
}

TEST(ItalianNumber, TextsWithoutAReading) {
    for (const char* text :
         {"", "   ", "ND", "abc", "1,2,3", "-", "+", ".", ",", "12a", "1 2", "--1", "1-", "1e5"}) {
        EXPECT_EQ(italian_number(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(italian_or_zero("ND"), 0);
    EXPECT_EQ(italian_or_zero("2,5"), 2.5);
}

TEST(TypedAmount, OnlyTheItalianShapeOfAnAmountWithinBounds) {
    EXPECT_EQ(typed_amount("1.500,50"), 1500.5);
    EXPECT_EQ(typed_amount(" 1500 "), 1500);
    EXPECT_EQ(typed_amount("0,5"), 0.5);
    EXPECT_EQ(typed_amount(",5"), 0.5);
    EXPECT_EQ(typed_amount("9.999.999,99"), 9999999.99);
    EXPECT_EQ(typed_amount("-100", true), -100);
    for (const char* text :
         {"",      "abc",   "1e999", "NaN",   "inf",        "0x10",
          "--5",   "-1",    "+3",    "12.50", "1.50.000",   ".500",
          "1.",    "1,555", "1,",    "1,2,3", "10.000.000", "99999999999999999999",
          "1 000", "-"}) {
        EXPECT_EQ(typed_amount(text), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(typed_amount("--5", true), std::nullopt);
}

TEST(WholeUnits, DropsEveryPointThenReadsTheLeadingNumber) {
    EXPECT_EQ(whole_units("1.320,50"), 1320);
    EXPECT_EQ(whole_units("1.000.000"), 1000000);
    EXPECT_EQ(whole_units("ND"), 0);
    EXPECT_EQ(whole_units("-2.500"), -2500);
}

TEST(ShortNumber, WritesOnlyTheDigitsThatMatter) {
    EXPECT_EQ(short_number(151.5), "151,5");
    EXPECT_EQ(short_number(495), "495");
    EXPECT_EQ(short_number(0.25), "0,25");
    EXPECT_EQ(short_number(-3), "-3");
    EXPECT_EQ(short_number(-0.0), "0");
    EXPECT_EQ(short_number(0.1 + 0.2), "0,3");
    EXPECT_EQ(short_number(1.1 * 3), "3,3");
    EXPECT_EQ(short_number(-1e-12), "0");
    EXPECT_EQ(short_number(1234567.891), "1234567,891");
    EXPECT_EQ(short_number(1.0 / 3), "0,3333333333");
}

TEST(FormatAmount, GroupsThousandsAndRoundsHalfAwayFromZero) {
    EXPECT_EQ(format_amount(1500.0), "1.500,00");
    EXPECT_EQ(format_amount(0.5), "0,50");
    EXPECT_EQ(format_amount(-1234.5), "-1.234,50");
    EXPECT_EQ(format_amount(0.0), "0,00");
    EXPECT_EQ(format_amount(1234567.5), "1.234.567,50");

    // Half a cent as typed, whatever its binary form.
    EXPECT_EQ(format_amount(2.675), "2,68");
    EXPECT_EQ(format_amount(-2.675), "-2,68");
    EXPECT_EQ(format_amount(1.005), "1,01");
    EXPECT_EQ(format_amount(0.125), "0,13");
    EXPECT_EQ(format_amount(-0.125), "-0,13");
    EXPECT_EQ(format_amount(2.674), "2,67");
    EXPECT_EQ(format_amount(0.1 + 0.2), "0,30");
    // Rounding carried through every digit and into a new thousands group.
    EXPECT_EQ(format_amount(999.995), "1.000,00");
    EXPECT_EQ(format_amount(-999999.999), "-1.000.000,00");
    // No negative zero.
    EXPECT_EQ(format_amount(-0.001), "0,00");
    EXPECT_EQ(format_amount(-0.0), "0,00");
}

TEST(FormatAmount, TextIsFormattedOnlyWhenItHasAnItalianReading) {
    EXPECT_EQ(format_amount(std::string_view("1500")), "1.500,00");
    EXPECT_EQ(format_amount(std::string_view(" 12,5 ")), "12,50");
    EXPECT_EQ(format_amount(std::string_view("-1.234,5")), "-1.234,50");
    EXPECT_EQ(format_amount(std::string_view("-0,001")), "0,00");
    EXPECT_EQ(format_amount(std::string_view("2,675")), "2,68");
    EXPECT_EQ(format_amount(std::string_view("ND")), "ND");
    EXPECT_EQ(format_amount(std::string_view("abc")), "abc");
    EXPECT_EQ(format_amount(std::string_view("")), "");
    EXPECT_EQ(format_amount(std::string_view("1,2,3")), "1,2,3");
}

TEST(TypedAmount, TheShapeMeantIsProposedOnlyForAPointBeforeTheCents) {
    const std::pair<const char*, const char*> casi[] = {
        {"12.50", "12,50"}, {" 1250.5 ", "1.250,50"}, {"0.05", "0,05"}, {"1.2.3", ""},
        {"700,004", ""},    {"12.500", ""},           {".50", ""},      {"abc", ""}};
    for (const auto& [typed, shape] : casi) EXPECT_EQ(amount_shape(typed), shape) << typed;
}

// A rate of an amount rounds once to the cents format_amount shows.
TEST(RoundCents, AgreesWithTheAmountShown) {
    const double rates[] = {10, 7, 12.5, 15, 18, 20, 22, 23, 33};
    std::uint32_t seed = 7;
    for (int i = 0; i < 20000; ++i) {
        seed = seed * 1664525u + 1013904223u;
        const double gross = static_cast<double>(seed % 100000000) / 100;
        const double v = (i % 2 ? -1 : 1) * rates[i % 9] * gross / 100;
        EXPECT_EQ(format_amount(static_cast<double>(round_cents(v)) / 100), format_amount(v)) << v;
    }
}

}  // namespace
}  // namespace plat
