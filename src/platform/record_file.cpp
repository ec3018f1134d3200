#include "platform/record_file.h"

#include "platform/save_unit.h"
#include "platform/text.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <system_error>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace plat {

namespace fs = std::filesystem;

namespace {

// Windows-1252 0x80..0x9F; the five bytes the code page leaves undefined
// keep their Latin-1 value (U+0081 ...), so every byte survives a round trip.
constexpr char16_t kHigh[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The Windows-1252 byte of a character, or '?' when the code page lacks it.
char to_cp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (int k = 0; k < 32; ++k)
        if (kHigh[k] == c) return static_cast<char>(0x80 + k);
    return '?';
}

bool close_checked(int fd) {
    // After a failed close the descriptor is gone all the same: no retry.
    return ::close(fd) == 0;
}

int open_retry(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

}  // namespace

std::string cp1252_to_utf8(std::string_view bytes) {
    // Runs of ASCII, most of every record, are copied whole.
    auto ascii_fino = [&](std::size_t i) {
        while (i < bytes.size() && static_cast<unsigned char>(bytes[i]) < 0x80) ++i;
        return i;
    };
    std::size_t i = ascii_fino(0);
    if (i == bytes.size()) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    out.append(bytes.substr(0, i));
    while (i < bytes.size()) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        if (b < 0xA0) append_utf8(out, kHigh[b - 0x80]);
        else
            append_utf8(out, b);
        const std::size_t fine = ascii_fino(i + 1);
        out.append(bytes.substr(i + 1, fine - i - 1));
        i = fine;
    }
    return out;
}

std::string utf8_to_cp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Char d = next_char(text, i);
        if (!d.valid) {
            out += '?';
            ++i;
        } else {
            out += to_cp1252(d.code);
            i += d.size;
        }
    }
    return out;
}

namespace {

// One line as the program holds it, into `out`: without its CR, a CR left
// alone inside it (which no writer of ours puts there) read as a blank, so
// that a record never holds a line break; UTF-8.
void line_of(std::string_view bytes, std::string& out) {
    if (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
    out = cp1252_to_utf8(bytes);
    for (char& c : out)
        if (c == '\r') c = ' ';
}

// Hands on the lines of bytes held in memory; false when the reader stopped.
bool lines_of(std::string_view bytes, const std::function<bool(std::string_view)>& line) {
    std::string text;
    std::size_t from = 0;
    for (std::size_t lf; (lf = bytes.find('\n', from)) != std::string_view::npos; from = lf + 1) {
        line_of(bytes.substr(from, lf - from), text);
        if (!line(text)) return false;
    }
    // A last line without its end counts.
    if (from < bytes.size()) {
        line_of(bytes.substr(from), text);
        line(text);
    }
    return true;
}

}  // namespace

std::size_t count_lines(const std::string& path) {
    auto count = [](std::string_view bytes) {
        const std::size_t n =
            static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
        return n + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
    };
    if (const SaveUnit* unit = SaveUnit::open_unit())
        if (const std::string* bytes = unit->pending(path)) return count(*bytes);
    // Only a plain file is read twice: a pipe would give its lines to the
    // count and none to the reader.
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    const int fd = open_retry(path.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return 0;
    std::size_t n = 0;
    char buf[65536];
    char last = '\n';
    for (;;) {
        const ssize_t got = ::read(fd, buf, sizeof buf);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        n += static_cast<std::size_t>(std::count(buf, buf + got, '\n'));
        last = buf[got - 1];
    }
    ::close(fd);
    return n + (last != '\n' ? 1 : 0);
}

bool read_lines_each(const std::string& path, const std::function<bool(std::string_view)>& line) {
    // A save under way is the files as they will be: what it wrote is read
    // back as written.
    if (const SaveUnit* unit = SaveUnit::open_unit())
        if (const std::string* bytes = unit->pending(path)) {
            lines_of(*bytes, line);
            return true;
        }
    int fd = open_retry(path.c_str(), O_RDONLY);
    if (fd < 0 && errno == ENOENT) {
        // Created empty, as a register that has never held a record.
        const int created = open_retry(path.c_str(), O_WRONLY | O_CREAT, 0666);
        if (created < 0) return false;
        return close_checked(created);
    }
    if (fd < 0) return false;

    // Read a block at a time and handed on line by line, so that a reader
    // that stops early never holds more of a huge file than it asked for.
    std::string pending, text;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);  // a directory, an I/O error: no lines to trust
            return false;
        }
        if (n == 0) break;
        pending.append(buf, static_cast<std::size_t>(n));
        std::size_t from = 0;
        for (std::size_t lf; (lf = pending.find('\n', from)) != std::string::npos; from = lf + 1) {
            line_of(std::string_view(pending).substr(from, lf - from), text);
            if (!line(text)) {
                ::close(fd);
                return true;
            }
        }
        pending.erase(0, from);
    }
    ::close(fd);
    // A last line without its end counts.
    if (!pending.empty()) {
        line_of(pending, text);
        line(text);
    }
    return true;
}

std::optional<std::vector<std::string>> read_lines(const std::string& path, std::size_t max_lines) {
    std::vector<std::string> lines;
    const bool ok = read_lines_each(path, [&](std::string_view l) {
        if (lines.size() >= max_lines) return false;
        lines.emplace_back(l);
        return lines.size() < max_lines;
    });
    if (!ok) return std::nullopt;
    return lines;
}

bool file_exists(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool folder_exists(const std::string& path) {
    std::error_code ec;
    return fs::is_directory(path, ec);
}

}  // namespace plat
