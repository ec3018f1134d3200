#include "platform/record_file.h"

#include "platform/large_memory.h"
#include "platform/save_unit.h"
#include "platform/text.h"

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
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

void append_cp1252(std::string& out, std::string_view text) {
    // Most of every record is plain ASCII, the same in both.
    std::size_t ascii = 0;
    while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
    out.append(text.substr(0, ascii));
    for (std::size_t i = ascii; i < text.size();) {
        const Utf8Char d = next_char(text, i);
        if (!d.valid) {
            out += '?';
            ++i;
        } else {
            out += to_cp1252(d.code);
            i += d.size;
        }
    }
}

std::string utf8_to_cp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    append_cp1252(out, text);
    return out;
}

namespace {

// Whether a line needs more than its bytes to be held: a byte past ASCII
// (Windows-1252, to convert) or a CR inside it (read as a blank). Eight
// bytes at a time, as almost every line of a register is plain ASCII.
bool needs_conversion(std::string_view bytes) {
    constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    constexpr std::uint64_t kCrs = kOnes * '\r';
    std::size_t i = 0;
    for (; i + 8 <= bytes.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, bytes.data() + i, 8);
        const std::uint64_t cr = w ^ kCrs;  // a zero byte where a CR was
        if ((w | ((cr - kOnes) & ~cr)) & kHighBits) return true;
    }
    for (; i < bytes.size(); ++i)
        if (static_cast<unsigned char>(bytes[i]) >= 0x80 || bytes[i] == '\r') return true;
    return false;
}

// One line as the program holds it: without its CR, a CR left alone inside
// it (which no writer of ours puts there) read as a blank, so that a record
// never holds a line break; UTF-8. A plain ASCII line is handed on as it
// lies in the buffer; any other is converted into `text`, which is reused.
std::string_view line_of(std::string_view bytes, std::string& text) {
    if (!bytes.empty() && bytes.back() == '\r') bytes.remove_suffix(1);
    if (!needs_conversion(bytes)) return bytes;
    text = cp1252_to_utf8(bytes);
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

// Hands on the complete lines of `bytes`; returns where the unfinished rest
// begins, or npos when the reader stopped.
std::size_t whole_lines(std::string_view bytes, std::string& text,
                        const std::function<bool(std::string_view)>& line) {
    std::size_t from = 0;
    for (const char* lf; (lf = static_cast<const char*>(std::memchr(
                              bytes.data() + from, '\n', bytes.size() - from))) != nullptr;) {
        const auto at = static_cast<std::size_t>(lf - bytes.data());
        if (!line(line_of(bytes.substr(from, at - from), text))) return std::string_view::npos;
        from = at + 1;
    }
    return from;
}

// Hands on the lines of bytes held in memory; false when the reader stopped.
bool lines_of(std::string_view bytes, const std::function<bool(std::string_view)>& line) {
    std::string text;
    const std::size_t rest = whole_lines(bytes, text, line);
    if (rest == std::string_view::npos) return false;
    // A last line without its end counts.
    if (rest < bytes.size()) line(line_of(bytes.substr(rest), text));
    return true;
}

// How many lines `lines_of` hands on.
std::size_t line_count(std::string_view bytes) {
    const auto n = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return n + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
}

// Opens a register for reading; a missing one is created empty (`created`
// then true, and no descriptor). -1 when it can neither be read nor made.
int open_register(const std::string& path, bool& created) {
    created = false;
    const int fd = open_retry(path.c_str(), O_RDONLY);
    if (fd >= 0 || errno != ENOENT) return fd;
    const int made = open_retry(path.c_str(), O_WRONLY | O_CREAT, 0666);
    if (made < 0) return -1;
    created = close_checked(made);
    return -1;
}

}  // namespace

bool read_all_lines(const std::string& path, const std::function<void(std::size_t)>& count,
                    const std::function<bool(std::string_view)>& line) {
    if (const SaveUnit* unit = SaveUnit::open_unit())
        if (const std::string* bytes = unit->pending(path)) {
            count(line_count(*bytes));
            lines_of(*bytes, line);
            return true;
        }
    bool created = false;
    const int fd = open_register(path, created);
    if (fd < 0) {
        if (created) count(0);
        return created;
    }
    // Read into one block as large as the file (a file that grows meanwhile
    // is read to its end all the same), taken as large memory: a register
    // of ten thousand records is megabytes. The block is kept for the next
    // register: memory given back and taken again costs its page faults
    // anew, and a mapping given back costs every thread of the program a
    // flush of its address cache.
    struct Block {
        char* data = nullptr;
        std::size_t size = 0;
        bool in_use = false;
        ~Block() { large_free(data, size); }
        void grow(std::size_t to, std::size_t held) {
            char* bigger = static_cast<char*>(large_allocate(to));
            if (held > 0) std::memcpy(bigger, data, held);
            large_free(data, size);
            data = bigger;
            size = to;
        }
    };
    thread_local Block kept;
    Block own;  // for a reader that reads another register from its lines
    Block& block = kept.in_use ? own : kept;
    block.in_use = true;
    struct Release {
        Block& b;
        ~Release() { b.in_use = false; }
    } release{block};
    struct stat st {};
    const std::size_t expected =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
    if (block.size < expected + 1) block.grow(expected + 1, 0);
    std::size_t held = 0;
    for (;;) {
        if (block.size == held) block.grow(held * 2 + 65536, held);
        const ssize_t n = ::read(fd, block.data + held, block.size - held);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);  // a directory, an I/O error: no lines to trust
            return false;
        }
        if (n == 0) break;
        held += static_cast<std::size_t>(n);
    }
    ::close(fd);
    const std::string_view bytes(block.data, held);
    count(line_count(bytes));
    lines_of(bytes, line);
    return true;
}

bool read_lines_each(const std::string& path, const std::function<bool(std::string_view)>& line) {
    // A save under way is the files as they will be: what it wrote is read
    // back as written.
    if (const SaveUnit* unit = SaveUnit::open_unit())
        if (const std::string* bytes = unit->pending(path)) {
            lines_of(*bytes, line);
            return true;
        }
    bool created = false;
    const int fd = open_register(path, created);
    if (fd < 0) return created;

    // Read a block at a time, straight into the buffer behind the line not
    // yet ended, and handed on line by line: a reader that stops early never
    // holds more of a huge file than it asked for. A small file gets a block
    // of its size: a block never written is memory the system must still
    // hand over page by page.
    constexpr std::size_t kBlock = 1 << 18;
    struct stat st {};
    const std::size_t expected =
        ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) ? static_cast<std::size_t>(st.st_size) : 0;
    std::size_t size = std::clamp<std::size_t>(expected + 1, 4096, kBlock);
    auto buffer = std::make_unique_for_overwrite<char[]>(size);
    std::string text;
    std::size_t held = 0;  // bytes of `buffer` read and not yet handed on
    for (;;) {
        if (held == size) {  // one line longer than the block
            auto bigger = std::make_unique_for_overwrite<char[]>(size * 2);
            std::memcpy(bigger.get(), buffer.get(), held);
            buffer = std::move(bigger);
            size *= 2;
        }
        const ssize_t n = ::read(fd, buffer.get() + held, size - held);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);  // a directory, an I/O error: no lines to trust
            return false;
        }
        if (n == 0) break;
        const std::size_t end = held + static_cast<std::size_t>(n);
        const std::size_t rest = whole_lines(std::string_view(buffer.get(), end), text, line);
        if (rest == std::string_view::npos) {
            ::close(fd);
            return true;
        }
        held = end - rest;
        if (rest > 0) std::memmove(buffer.get(), buffer.get() + rest, held);
    }
    ::close(fd);
    // A last line without its end counts.
    if (held > 0) line(line_of(std::string_view(buffer.get(), held), text));
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
