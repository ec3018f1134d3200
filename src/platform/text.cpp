#include "platform/text.h"

#include <algorithm>
#include <cstddef>

namespace plat {

namespace {

// Case mapping for the letters the agency's texts can hold: ASCII, Latin-1
// and the few extra letters of Windows-1252 (Š, Œ, Ž, Ÿ).
char32_t to_upper(char32_t c) {
    if (c >= 'a' && c <= 'z') return c - 32;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 32;
    switch (c) {
        case 0xFF: return 0x178;
        case 0x161: return 0x160;
        case 0x153: return 0x152;
        case 0x17E: return 0x17D;
        default: return c;
    }
}

char32_t to_lower(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
        case 0x178: return 0xFF;
        case 0x160: return 0x161;
        case 0x152: return 0x153;
        case 0x17D: return 0x17E;
        default: return c;
    }
}

template <class Map>
std::string map_case(std::string_view s, Map map) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const Utf8Char ch = next_char(s, i);
        if (ch.valid) append_utf8(out, map(ch.code));
        else
            out += s[i];
        i += ch.size;
    }
    return out;
}

bool is_blank(char c) { return c == ' ' || c == '\t'; }

// Byte offset of the character number `count` (0-based), or s.size().
std::size_t byte_offset(std::string_view s, int count) {
    std::size_t i = 0;
    for (int k = 0; k < count && i < s.size(); ++k) i += next_char(s, i).size;
    return i;
}

}  // namespace

std::string trim_left(std::string_view s) {
    std::size_t b = 0;
    while (b < s.size() && is_blank(s[b])) ++b;
    return std::string(s.substr(b));
}

std::string trim_right(std::string_view s) {
    std::size_t e = s.size();
    while (e > 0 && is_blank(s[e - 1])) --e;
    return std::string(s.substr(0, e));
}

std::string_view trimmed(std::string_view s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && is_blank(s[b])) ++b;
    while (e > b && is_blank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

std::string trim(std::string_view s) { return std::string(trimmed(s)); }

std::string upper(std::string_view s) { return map_case(s, to_upper); }

std::size_t NameHash::operator()(std::string_view s) const {
    // FNV-1a over the upper-case bytes; a name past ASCII is hashed through
    // its upper-case copy, as iequals compares it.
    auto hash = [](std::string_view t, bool fold) {
        std::size_t h = 1469598103934665603ULL;
        for (char c : t) {
            if (fold && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
            h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
        }
        return h;
    };
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return hash(upper(s), false);
    return hash(s, true);
}

std::string lower(std::string_view s) { return map_case(s, to_lower); }

bool iequals(std::string_view a, std::string_view b) {
    // Names of forms and controls are plain ASCII and are compared at every
    // lookup: compared in place, without building their upper-case copies.
    auto ascii = [](std::string_view s) {
        for (char c : s)
            if (static_cast<unsigned char>(c) >= 0x80) return false;
        return true;
    };
    if (!ascii(a) || !ascii(b)) return upper(a) == upper(b);
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (to_upper(static_cast<unsigned char>(a[i])) !=
            to_upper(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

int length(std::string_view s) {
    int n = 0;
    for (std::size_t i = 0; i < s.size(); i += next_char(s, i).size) ++n;
    return n;
}

std::string left(std::string_view s, int n) {
    if (n <= 0) return {};
    return std::string(s.substr(0, byte_offset(s, n)));
}

std::string right(std::string_view s, int n) {
    if (n <= 0) return {};
    const int total = length(s);
    if (n >= total) return std::string(s);
    return std::string(s.substr(byte_offset(s, total - n)));
}

std::string mid(std::string_view s, int start, int n) {
    if (start < 1) start = 1;
    const std::size_t b = byte_offset(s, start - 1);
    if (n < 0) return std::string(s.substr(b));
    const std::string_view rest = s.substr(b);
    return std::string(rest.substr(0, byte_offset(rest, n)));
}

void append_padded_right(std::string& out, std::string_view s, int n) {
    out += s;
    const int len = length(s);
    if (len < n) out.append(static_cast<std::size_t>(n - len), ' ');
}

void append_padded_left(std::string& out, std::string_view s, int n, char fill) {
    const int len = length(s);
    if (len < n) out.append(static_cast<std::size_t>(n - len), fill);
    out += s;
}

std::string pad_right(std::string_view s, int n) {
    std::string out;
    append_padded_right(out, s, n);
    return out;
}

std::string pad_left(std::string_view s, int n, char fill) {
    std::string out;
    append_padded_left(out, s, n, fill);
    return out;
}

std::string pad_code(std::string_view code, int width) { return pad_left(code, width, '0'); }

bool all_digits(std::string_view s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

void split_into(std::string_view s, std::string_view sep, std::vector<std::string>& parts) {
    if (sep.empty()) {
        parts.resize(1);
        parts[0].assign(s);
        return;
    }
    // The records' separators are one character: looked for as one.
    auto find = [&](std::size_t from) {
        return sep.size() == 1 ? s.find(sep.front(), from) : s.find(sep, from);
    };
    std::size_t n = 0;
    std::size_t from = 0;
    for (;;) {
        const std::size_t at = find(from);
        if (n == parts.size()) parts.emplace_back();
        parts[n++].assign(s.substr(from, at == std::string_view::npos ? at : at - from));
        if (at == std::string_view::npos) break;
        from = at + sep.size();
    }
    parts.resize(n);
}

std::size_t split_fields(std::string_view s, std::string_view sep, std::string* fields,
                         std::size_t n) {
    std::size_t count = 0;
    if (sep.empty()) {
        if (n > 0) fields[0].assign(s);
        count = 1;
    } else {
        for (std::size_t from = 0;;) {
            const std::size_t at = sep.size() == 1 ? s.find(sep.front(), from) : s.find(sep, from);
            if (count < n)
                fields[count].assign(s.substr(from, at == std::string_view::npos ? at : at - from));
            ++count;
            if (at == std::string_view::npos) break;
            from = at + sep.size();
        }
    }
    for (std::size_t j = count; j < n; ++j) fields[j].clear();
    return count;
}

std::vector<std::string> split(std::string_view s, std::string_view sep) {
    std::vector<std::string> parts;
    split_into(s, sep, parts);
    return parts;
}

std::string join(const std::vector<std::string>& parts, std::string_view sep) {
    std::string out;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) out += sep;
        out += parts[i];
    }
    return out;
}

std::string replace_all(std::string_view s, std::string_view from, std::string_view to) {
    if (from.empty()) return std::string(s);
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    for (;;) {
        const std::size_t at = s.find(from, pos);
        if (at == std::string_view::npos) break;
        out += s.substr(pos, at - pos);
        out += to;
        pos = at + from.size();
    }
    out += s.substr(pos);
    return out;
}

bool contains(std::string_view s, std::string_view part) {
    return s.find(part) != std::string_view::npos;
}

bool starts_with(std::string_view s, std::string_view prefix) { return s.starts_with(prefix); }

namespace {

bool wildcard_match(std::string_view pattern, std::string_view name) {
    const std::string p = upper(pattern);
    const std::string n = upper(name);
    std::size_t pi = 0, ni = 0, star = std::string::npos, mark = 0;
    while (ni < n.size()) {
        if (pi < p.size() && (p[pi] == '?' || p[pi] == n[ni])) {
            ++pi;
            ++ni;
        } else if (pi < p.size() && p[pi] == '*') {
            star = pi++;
            mark = ni;
        } else if (star != std::string::npos) {
            pi = star + 1;
            ni = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '*') ++pi;
    return pi == p.size();
}

}  // namespace

bool matches_pattern(std::string_view patterns, std::string_view name) {
    for (const auto& p : split(patterns, ";")) {
        const std::string t = trim(p);
        if (t.empty()) continue;
        if (t == "*.*" || wildcard_match(t, name)) return true;
    }
    return false;
}

std::string single_line(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\r' || s[i] == '\n') {
            if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
            out += ' ';
        } else {
            out += s[i];
        }
    }
    return out;
}

bool has_line_break(std::string_view s) {
    // Each looked for on its own: a search for either, character by
    // character, is many times slower on a register's worth of lines.
    return s.find('\n') != std::string_view::npos || s.find('\r') != std::string_view::npos;
}

}  // namespace plat
