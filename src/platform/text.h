// Text helpers shared by every form and procedure. Strings are UTF-8 in
// memory; lengths and positions count characters, not bytes, so that an
// accented letter typed by the user counts once, as it does on screen.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace plat {

// One character of a UTF-8 text at byte i: its code and its size in bytes.
// A byte that does not start a well-formed sequence (stray continuation
// byte, overlong form, surrogate, truncated) is not `valid` and counts as
// one character on its own, so that no text, however damaged, makes a
// reader loop or lose bytes.
struct Utf8Char {
    char32_t code;  // meaningful only when valid
    std::size_t size;
    bool valid;
};
inline Utf8Char next_char(std::string_view s, std::size_t i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) return {b0, 1, true};
    std::size_t size = 0;
    char32_t code = 0;
    char32_t min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        size = 2;
        code = b0 & 0x1F;
        min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        size = 3;
        code = b0 & 0x0F;
        min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        size = 4;
        code = b0 & 0x07;
        min = 0x10000;
    } else
        return {0, 1, false};
    if (i + size > s.size()) return {0, 1, false};
    for (std::size_t k = 1; k < size; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) return {0, 1, false};
        code = (code << 6) | (b & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return {0, 1, false};
    return {code, size, true};
}

// Appends the UTF-8 bytes of character c.
inline void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Leading and trailing blanks (spaces and tabs) removed.
std::string trim(std::string_view s);
// The same, as a view into s.
std::string_view trimmed(std::string_view s);
std::string trim_left(std::string_view s);
std::string trim_right(std::string_view s);

// Upper case, accented Latin letters included ("è" gives "È").
std::string upper(std::string_view s);
std::string lower(std::string_view s);
bool iequals(std::string_view a, std::string_view b);

// Number of characters of a UTF-8 text.
int length(std::string_view s);
// The first n characters (all of them when n is larger; "" when n <= 0).
std::string left(std::string_view s, int n);
// The last n characters.
std::string right(std::string_view s, int n);
// n characters from the 1-based character position start (n < 0: to the end).
std::string mid(std::string_view s, int start, int n = -1);

// Pads on the right with blanks to at least n characters.
std::string pad_right(std::string_view s, int n);
// Puts `fill` in front while the text is shorter than n characters.
std::string pad_left(std::string_view s, int n, char fill = ' ');
// The same, added to the end of `out` (a line built column by column).
void append_padded_right(std::string& out, std::string_view s, int n);
void append_padded_left(std::string& out, std::string_view s, int n, char fill = ' ');
// Code padding: "0" in front while shorter than `width` characters;
// a longer text is left as it is (7 gives "0007").
std::string pad_code(std::string_view code, int width = 4);
// A code of digits only, at least one ("0012"; not "", "12A" or " 12").
bool all_digits(std::string_view s);

// Hash and equality of names that ignore case as `iequals` does, for maps
// looked up by any spelling of a name without building its upper-case copy.
struct NameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const;
};
struct NameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return iequals(a, b); }
};

// Splits on every occurrence of sep; "" gives one empty field.
std::vector<std::string> split(std::string_view s, std::string_view sep);
// The same into `parts`, whose strings are reused: a loader splitting line
// after line makes its vector once.
void split_into(std::string_view s, std::string_view sep, std::vector<std::string>& parts);
// The same into the n strings at `fields` (a record's own, their room
// reused), those past the line's last field emptied and fields past n left
// out; returns how many fields the line has.
std::size_t split_fields(std::string_view s, std::string_view sep, std::string* fields,
                         std::size_t n);
std::string join(const std::vector<std::string>& parts, std::string_view sep);
std::string replace_all(std::string_view s, std::string_view from, std::string_view to);
bool contains(std::string_view s, std::string_view part);
bool starts_with(std::string_view s, std::string_view prefix);
// Every line break (CR LF, CR or LF) replaced by one blank: the text a
// single-line box can hold.
std::string single_line(std::string_view s);
// True when the text holds a CR or an LF.
bool has_line_break(std::string_view s);

// A file name against patterns with "*" and "?", several joined by ";",
// compared without regard to case; "*.*" takes every name.
bool matches_pattern(std::string_view patterns, std::string_view name);

}  // namespace plat
