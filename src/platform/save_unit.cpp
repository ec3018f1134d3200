#include "platform/save_unit.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <system_error>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/folder_lock.h"
#include "platform/record_file.h"
#include "platform/text.h"

namespace plat {

namespace fs = std::filesystem;

namespace {

SaveUnit* g_open = nullptr;
FileCallHook g_hook;

// A temporary file of ours: "<name>.GA-SALVA-<mark>-<n>.tmp", the mark 16
// hexadecimal digits drawn once per process. No file of the user's is taken
// for one, and no two programs (on two computers, in two process spaces)
// make the same name.
constexpr std::string_view kTempMark = ".GA-SALVA-";
constexpr std::string_view kTempEnd = ".tmp";
constexpr std::size_t kMarkDigits = 16;
// A record names its files by their names in its own folder, so that a data
// folder copied or moved after a crash is finished where it now lies. The
// records of the builds before named them by absolute paths.
constexpr std::string_view kRecordHead = "SALVATAGGIO 2";
constexpr std::string_view kAbsoluteRecordHead = "SALVATAGGIO 1";
constexpr std::string_view kRecordEnd = "FINE ";

bool is_temporary(std::string_view name) {
    const std::size_t mark = name.find(kTempMark);
    if (mark == std::string_view::npos || mark == 0 || !name.ends_with(kTempEnd)) return false;
    const std::size_t from = mark + kTempMark.size();
    if (name.size() < from + kTempEnd.size()) return false;
    const std::string_view rest = name.substr(from, name.size() - from - kTempEnd.size());
    if (rest.size() < kMarkDigits + 2 || rest[kMarkDigits] != '-') return false;
    for (std::size_t i = 0; i < kMarkDigits; ++i)
        if (!((rest[i] >= '0' && rest[i] <= '9') || (rest[i] >= 'a' && rest[i] <= 'f')))
            return false;
    return all_digits(rest.substr(kMarkDigits + 1));
}

// This process's mark, drawn again in a child process.
const std::string& process_mark() {
    static std::string mark;
    static pid_t of = 0;
    if (of != ::getpid()) {
        std::random_device rd;
        const std::uint64_t v = (static_cast<std::uint64_t>(rd()) << 32) ^ rd() ^
                                static_cast<std::uint64_t>(::getpid());
        static const char digits[] = "0123456789abcdef";
        mark.assign(kMarkDigits, '0');
        for (std::size_t i = 0; i < kMarkDigits; ++i) mark[i] = digits[(v >> (4 * i)) & 0xF];
        of = ::getpid();
    }
    return mark;
}

std::string folder_of(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string key_of(const std::string& path) { return fs::path(path).lexically_normal().string(); }

std::string record_in(const std::string& folder) {
    return (fs::path(folder) / std::string(kSaveRecordName)).string();
}

// --- file calls, each open to the test's hand ------------------------------------

bool fail_with(int err) {
    errno = err;
    return false;
}

int open_file(const std::string& path, int flags, mode_t mode = 0) {
    if (const int err = detail::file_call("open", path)) {
        errno = err;
        return -1;
    }
    int fd;
    do {
        fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

bool write_all(int fd, const std::string& path, std::string_view data) {
    if (const int err = detail::file_call("write", path)) return fail_with(err);
    while (!data.empty()) {
        const ssize_t n = ::write(fd, data.data(), data.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

bool sync_file(int fd, const std::string& path) {
    if (const int err = detail::file_call("fsync", path)) return fail_with(err);
    return ::fsync(fd) == 0;
}

bool close_file(int fd, const std::string& path) {
    if (const int err = detail::file_call("close", path)) {
        ::close(fd);
        return fail_with(err);
    }
    // After a failed close the descriptor is gone all the same: no retry.
    return ::close(fd) == 0;
}

bool rename_file(const std::string& from, const std::string& to) {
    if (const int err = detail::file_call("rename", to)) return fail_with(err);
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool unlink_file(const std::string& path) {
    if (const int err = detail::file_call("unlink", path)) return fail_with(err);
    return ::unlink(path.c_str()) == 0 || errno == ENOENT;
}

// The whole file, raw; "" for a missing one. False when it cannot be read.
bool read_all(const std::string& path, std::string& out, struct stat* info = nullptr) {
    out.clear();
    const int fd = open_file(path, O_RDONLY);
    if (fd < 0) return errno == ENOENT && !info;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    if (info) *info = st;
    if (const int err = detail::file_call("read", path)) {
        ::close(fd);
        return fail_with(err);
    }
    out.resize(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    while (got < out.size()) {
        const ssize_t n = ::read(fd, out.data() + got, out.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        got += static_cast<std::size_t>(n);
    }
    out.resize(got);
    ::close(fd);
    return true;
}

// A new file holding `bytes`, on disk before it is used. A copy takes the
// source's permissions and time.
bool write_temporary(const std::string& temp, std::string_view bytes, const struct stat* like) {
    const int fd = open_file(temp, O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0) return false;
    bool ok = write_all(fd, temp, bytes);
    if (ok && like) {
        const timespec times[2] = {like->st_atim, like->st_mtim};
        ok = ::fchmod(fd, like->st_mode & 07777) == 0 && ::futimens(fd, times) == 0;
    }
    ok = ok && sync_file(fd, temp);
    ok = close_file(fd, temp) && ok;
    if (!ok) ::unlink(temp.c_str());
    return ok;
}

std::uint64_t checksum(std::string_view text) {
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : text) {
        h ^= c;
        h *= 1099511628211ull;
    }
    return h;
}

// --- the save lock of a folder ------------------------------------------------------

// A folder's save lock, taken once per process however often it is asked
// for (a recovery inside a commit), the folder known by its device and node
// (two spellings of one folder are one lock).
struct HeldLock {
    dev_t dev;
    ino_t ino;
    int fd;
    int count;
};
std::vector<HeldLock> g_locks;

class SaveLock {
public:
    explicit SaveLock(const std::string& folder)
        : path_(folder + "/" + std::string(kSaveLockFileName)) {
        struct stat st {};
        if (::stat(folder.c_str(), &st) != 0) return;
        for (HeldLock& h : g_locks)
            if (h.dev == st.st_dev && h.ino == st.st_ino) {
                ++h.count;
                dev_ = st.st_dev;
                ino_ = st.st_ino;
                ok_ = true;
                return;
            }
        const int fd = open_file(path_, O_RDWR | O_CREAT, 0666);
        if (fd < 0) return;
        // Another program's save there takes a moment; one that does not end
        // (a folder that hangs) is a failed save, not a hung program.
        for (int i = 0;; ++i) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) break;
            if (errno == EINTR) continue;
            if (errno != EWOULDBLOCK || i >= 300) {
                ::close(fd);
                return;
            }
            ::usleep(50'000);
        }
        g_locks.push_back({st.st_dev, st.st_ino, fd, 1});
        dev_ = st.st_dev;
        ino_ = st.st_ino;
        ok_ = true;
    }
    ~SaveLock() {
        if (!ok_) return;
        for (std::size_t i = 0; i < g_locks.size(); ++i)
            if (g_locks[i].dev == dev_ && g_locks[i].ino == ino_ && --g_locks[i].count == 0) {
                ::close(g_locks[i].fd);
                g_locks.erase(g_locks.begin() + static_cast<std::ptrdiff_t>(i));
                break;
            }
    }
    SaveLock(const SaveLock&) = delete;
    SaveLock& operator=(const SaveLock&) = delete;
    bool ok() const { return ok_; }
    const std::string& path() const { return path_; }

private:
    std::string path_;
    dev_t dev_ = 0;
    ino_t ino_ = 0;
    bool ok_ = false;
};

// --- the redo record ---------------------------------------------------------------

// A field of the record: its length, a colon, its bytes (a path may hold any
// character but the record's own line end is never mistaken for one).
void put_field(std::string& out, std::string_view field) {
    out += std::to_string(field.size());
    out += ':';
    out += field;
}

bool take_field(std::string_view& in, std::string& field) {
    const std::size_t colon = in.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 9) return false;
    for (std::size_t i = 0; i < colon; ++i)
        if (in[i] < '0' || in[i] > '9') return false;
    const std::size_t n = std::stoul(std::string(in.substr(0, colon)));
    if (in.size() < colon + 1 + n) return false;
    field.assign(in.substr(colon + 1, n));
    in.remove_prefix(colon + 1 + n);
    return true;
}

bool take_number(std::string_view& in, std::uint64_t& n) {
    std::size_t i = 0;
    while (i < in.size() && i < 20 && in[i] >= '0' && in[i] <= '9') ++i;
    if (i == 0) return false;
    try {
        n = std::stoull(std::string(in.substr(0, i)));
    } catch (...) {
        return false;
    }
    in.remove_prefix(i);
    return true;
}

// One rename of a save; the size and checksum of the new content tell, once
// the temporary file is gone, whether its register holds it.
struct Rename {
    std::string temp, path;
    std::uint64_t size = 0, sum = 0;
    bool checked = true;
};

// A folder as a path without its closing separator.
fs::path folder_path(const std::string& folder) {
    fs::path p = fs::path(folder).lexically_normal();
    return p.has_filename() ? p : p.parent_path();
}

// `path` named from `folder`, where the record lies.
std::string name_in(const std::string& folder, const std::string& path) {
    return fs::path(path).lexically_normal().lexically_relative(folder_path(folder)).string();
}

// A record's name of a file, as a path in the record's folder; empty when it
// names a file elsewhere, which is never followed there (the folder may be
// a copy, the other place its original). An absolute name, of the builds
// before, is taken as the file of that name in the record's folder.
std::string path_in(const std::string& folder, const std::string& name, bool absolute) {
    if (name.empty()) return {};
    const fs::path base = folder_path(folder);
    if (absolute) {
        const fs::path file = fs::path(name).filename();
        return file.empty() || !fs::path(name).is_absolute() ? std::string()
                                                             : (base / file).string();
    }
    const fs::path rel = fs::path(name).lexically_normal();
    if (rel.is_absolute() || rel.empty() || *rel.begin() == "..") return {};
    return (base / rel).string();
}

std::string record_text(const std::string& folder, const std::vector<Rename>& renames) {
    std::string body(kRecordHead);
    body += '\n';
    for (const Rename& r : renames) {
        body += "R ";
        put_field(body, name_in(folder, r.temp));
        body += ' ';
        put_field(body, name_in(folder, r.path));
        body += ' ' + std::to_string(r.size) + ' ' + std::to_string(r.sum) + '\n';
    }
    return body + std::string(kRecordEnd) + std::to_string(renames.size()) + " " +
           std::to_string(checksum(body)) + "\n";
}

struct Record {
    enum State { torn, ours, foreign } state = torn;
    std::vector<Rename> renames;
};

// A record is whole when its last line ("FINE <n> <checksum>") holds the
// checksum of all before it; a whole one this version cannot read was
// written by another version, and its save counted all the same.
Record parse_record(const std::string& folder, std::string_view text) {
    Record out;
    const std::size_t end = text.rfind(kRecordEnd);
    if (end == std::string_view::npos || (end > 0 && text[end - 1] != '\n')) return out;
    const std::string_view body = text.substr(0, end);
    std::string_view tail = text.substr(end + kRecordEnd.size());
    if (!tail.ends_with("\n")) return out;
    const auto fields = split(tail.substr(0, tail.size() - 1), " ");
    if (fields.size() != 2 || fields[1] != std::to_string(checksum(body))) return out;

    out.state = Record::foreign;
    const bool absolute = body.starts_with(std::string(kAbsoluteRecordHead) + "\n");
    if (!absolute && !body.starts_with(std::string(kRecordHead) + "\n")) return out;
    std::string_view rest = body.substr(kRecordHead.size() + 1);
    std::vector<Rename> renames;
    while (!rest.empty()) {
        Rename r;
        if (!rest.starts_with("R ")) return out;
        rest.remove_prefix(2);
        if (!take_field(rest, r.temp) || !rest.starts_with(" ")) return out;
        rest.remove_prefix(1);
        if (!take_field(rest, r.path)) return out;
        r.temp = path_in(folder, r.temp, absolute);
        r.path = path_in(folder, r.path, absolute);
        if (r.temp.empty() || r.path.empty()) return out;
        // A record of the builds before the checksums: its renames are
        // taken for done once their temporary file is gone, as they did.
        if (rest.starts_with("\n")) {
            r.checked = false;
            rest.remove_prefix(1);
            renames.push_back(std::move(r));
            continue;
        }
        if (!rest.starts_with(" ")) return out;
        rest.remove_prefix(1);
        if (!take_number(rest, r.size) || !rest.starts_with(" ")) return out;
        rest.remove_prefix(1);
        if (!take_number(rest, r.sum) || !rest.starts_with("\n")) return out;
        rest.remove_prefix(1);
        renames.push_back(std::move(r));
    }
    if (fields[0] != std::to_string(renames.size())) return out;
    out.state = Record::ours;
    out.renames = std::move(renames);
    return out;
}

// Does what is still to rename and makes it lasting. A rename whose
// temporary file is gone is done only when its register holds the new
// content: a temporary removed by another hand is no rename. False, with the
// first file that could not be written in `failed`, when one is not done.
bool do_renames(const std::vector<Rename>& renames, std::string* failed,
                bool* renamed_now = nullptr) {
    bool all = true;
    auto not_done = [&](const std::string& path) {
        if (all && failed) *failed = path;
        all = false;
    };
    std::set<std::string> folders;
    for (const Rename& r : renames) {
        folders.insert(folder_of(r.path));
        struct stat st {};
        if (::lstat(r.temp.c_str(), &st) == 0) {
            if (!rename_file(r.temp, r.path)) not_done(r.path);
            else if (renamed_now)
                *renamed_now = true;
            continue;
        }
        std::string now;
        if (errno != ENOENT || (r.checked && (!read_all(r.path, now) || now.size() != r.size ||
                                              checksum(now) != r.sum)))
            not_done(r.path);
    }
    for (const std::string& f : folders)
        if (!detail::sync_folder(f)) not_done(f);
    return all;
}

}  // namespace

namespace detail {

int file_call(std::string_view call, const std::string& path) {
    return g_hook ? g_hook(call, path) : 0;
}

bool sync_folder(const std::string& folder) {
    const int fd = open_file(folder, O_RDONLY | O_DIRECTORY);
    if (fd < 0) return false;
    const bool ok = sync_file(fd, folder);
    ::close(fd);
    return ok;
}

}  // namespace detail

void set_file_call_hook(FileCallHook hook) { g_hook = std::move(hook); }

bool is_program_work_file(std::string_view name) {
    return is_lock_file(name) || iequals(name, kSaveRecordName) || is_temporary(name);
}

std::string temporary_name_for(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + std::string(kTempMark) + process_mark() + "-" + std::to_string(counter++) +
           std::string(kTempEnd);
}

namespace {

// A line as a register holds it on disk: Windows-1252, closed by CR LF.
void add_record_line(std::string& out, std::string_view line) {
    append_cp1252(out, line);
    out += "\r\n";
}

// A whole register's bytes, made at their size at once: megabytes at ten
// thousand records, grown line by line, would be copied over and over.
std::string record_bytes(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const std::string& line : lines) add_record_line(bytes, line);
    return bytes;
}

// The temporary file `temp` renamed over `path`, lasting: the folder is
// synced after the rename, so that a power cut cannot undo a save the user is
// told of. When the sync fails the save failed: the old register (kept
// meanwhile under a second name) is put back, or a register that was not
// there is removed. When neither can be done, the new register stands, and
// the caller says so: told "not saved", the user would do it again.
Outcome put_in_place(const std::string& temp, const std::string& path) {
    struct stat st {};
    const bool existed = ::lstat(path.c_str(), &st) == 0;
    std::string old;
    if (existed) {
        old = temporary_name_for(path);
        if (detail::file_call("link", old) != 0 || ::link(path.c_str(), old.c_str()) != 0)
            old.clear();  // a folder without hard links: the sync is trusted
    }
    if (!rename_file(temp, path)) {
        ::unlink(temp.c_str());
        if (!old.empty()) ::unlink(old.c_str());
        return Outcome::not_written;
    }
    if (detail::sync_folder(folder_of(path))) {
        // A copy of the old register left behind is removed at the next start.
        if (!old.empty()) unlink_file(old);
        return Outcome::written;
    }
    if (old.empty())
        return !existed && unlink_file(path) ? Outcome::not_written : Outcome::written_unsynced;
    if (rename_file(old, path)) {
        detail::sync_folder(folder_of(path));
        return Outcome::not_written;
    }
    // The old register could not be put back. Its copy and the register
    // being two files tells that the new one stands; the copy is then only
    // a leftover.
    struct stat kept {
    }, now{};
    if (::lstat(old.c_str(), &kept) == 0 && ::lstat(path.c_str(), &now) == 0 &&
        (kept.st_dev != now.st_dev || kept.st_ino != now.st_ino)) {
        unlink_file(old);
        return Outcome::written_unsynced;
    }
    return Outcome::unknown;
}

// A register replaced by these bytes, under its folder's save lock.
Outcome rewrite_bytes(const std::string& path, const std::string& data) {
    const SaveLock lock(folder_of(path));
    if (!lock.ok()) return Outcome::not_written;
    // Another program's save left to finish there may rename over this
    // register yet: nothing is written until it is finished.
    struct stat st {};
    if (::lstat(record_in(folder_of(path)).c_str(), &st) == 0 || errno != ENOENT) {
        errno = EBUSY;
        return Outcome::not_written;
    }
    const std::string temp = temporary_name_for(path);
    // On disk before the rename, so that a crash leaves the old or the new
    // register, never an empty one.
    if (!write_temporary(temp, data, nullptr)) return Outcome::not_written;
    return put_in_place(temp, path);
}

// True when the new content stands; the outcome itself for who asks.
bool stands(Outcome result, Outcome* outcome) {
    if (outcome) *outcome = result;
    return result == Outcome::written || result == Outcome::written_unsynced;
}

}  // namespace

// --- one file at a time ----------------------------------------------------------

bool rewrite_lines(const std::string& path, const std::vector<std::string>& lines,
                   Outcome* outcome) {
    return stands(rewrite_bytes(path, record_bytes(lines)), outcome);
}

bool rewrite_record_text(const std::string& path, std::string_view text, Outcome* outcome) {
    return stands(rewrite_bytes(path, utf8_to_cp1252(text)), outcome);
}

bool replace_file(const std::string& path, std::string_view bytes) {
    return stands(rewrite_bytes(path, std::string(bytes)), nullptr);
}

bool append_line(const std::string& path, std::string_view line, Outcome* outcome) {
    if (outcome) *outcome = Outcome::not_written;
    const int fd = open_file(path, O_RDWR | O_APPEND | O_CREAT, 0666);
    if (fd < 0) return false;

    // The size before the append: a write that fails part-way (a full disk)
    // is cut back to it, so the file never keeps half a line that the next
    // append would close into a record of its own.
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return false;
    }
    std::string data;
    // A last line written without its end (by hand, by another program) would
    // otherwise be glued to the new one; it is closed first.
    if (st.st_size > 0) {
        char last = 0;
        if (::pread(fd, &last, 1, st.st_size - 1) != 1) {
            ::close(fd);
            return false;
        }
        if (last != '\n') data += "\r\n";
    }
    add_record_line(data, line);
    // On disk before it counts as written: a failure the disk reports only
    // at the flush is cut back like any other.
    Outcome result = Outcome::written;
    if (!write_all(fd, path, data) || !sync_file(fd, path)) {
        int r = -1;
        if (detail::file_call("truncate", path) == 0) do {
                r = ::ftruncate(fd, st.st_size);
            } while (r != 0 && errno == EINTR);
        // Not cut back: the file's size tells whether it holds the whole line
        // (on disk or not) or only part of it.
        struct stat now {};
        if (r == 0) result = Outcome::not_written;
        else if (::fstat(fd, &now) != 0)
            result = Outcome::unknown;
        else if (now.st_size == st.st_size)
            result = Outcome::not_written;
        else if (now.st_size == st.st_size + static_cast<off_t>(data.size()))
            result = Outcome::written_unsynced;
        else
            result = Outcome::unknown;
    }
    // A close that fails after the sync loses nothing: the line is on disk.
    close_file(fd, path);
    return stands(result, outcome);
}

// --- the unit --------------------------------------------------------------------

SaveUnit::SaveUnit() { g_open = this; }

SaveUnit::~SaveUnit() {
    if (g_open == this) g_open = nullptr;
    if (!committed_) remove_temporaries();
}

SaveUnit* SaveUnit::open_unit() { return g_open; }

SaveUnit::File& SaveUnit::file(const std::string& path) {
    const std::string key = key_of(path);
    auto [it, nuovo] = files_.try_emplace(key);
    if (nuovo) order_.push_back(key);
    return it->second;
}

void SaveUnit::rewrite(const std::string& path, const std::vector<std::string>& lines) {
    File& f = file(path);
    f.bytes = record_bytes(lines);
    f.copy_source.clear();
}

void SaveUnit::rewrite_text(const std::string& path, std::string_view text) {
    File& f = file(path);
    f.bytes = utf8_to_cp1252(text);
    f.copy_source.clear();
}

bool SaveUnit::append(const std::string& path, std::string_view line) {
    std::string now;
    if (const std::string* p = pending(path)) now = *p;
    else if (!read_all(path, now))
        return false;
    File& f = file(path);
    f.bytes = std::move(now);
    // A last line written without its end (by hand, by another program)
    // would otherwise be glued to the new one.
    if (!f.bytes.empty() && f.bytes.back() != '\n') f.bytes += "\r\n";
    add_record_line(f.bytes, line);
    return true;
}

bool SaveUnit::copy_from(const std::string& path, const std::string& source, bool writable) {
    std::string bytes;
    struct stat st {};
    if (!read_all(source, bytes, &st)) return false;
    File& f = file(path);
    f.bytes = std::move(bytes);
    f.copy_source = source;
    f.writable = writable;
    return true;
}

const std::string* SaveUnit::pending(const std::string& path) const {
    auto it = files_.find(key_of(path));
    return it == files_.end() ? nullptr : &it->second.bytes;
}

std::vector<std::string> SaveUnit::paths() const { return order_; }

void SaveUnit::remove_temporaries() {
    for (auto& [path, f] : files_) {
        if (f.temp.empty()) continue;
        ::unlink(f.temp.c_str());
        f.temp.clear();
    }
}

SaveUnit::Result SaveUnit::commit(std::string* failed) {
    if (committed_) return Result::done;
    committed_ = true;
    if (g_open == this) g_open = nullptr;
    if (order_.empty()) return Result::done;

    auto not_written = [&](const std::string& path) {
        if (failed) *failed = path;
        remove_temporaries();
        return Result::not_written;
    };

    // The record lies with the files it renames, in the folder of the first
    // one; no other program saves into these folders until this save ends.
    std::set<std::string> folders;
    for (const std::string& path : order_) folders.insert(folder_of(path));
    record_folder_ = folder_of(order_[0]) + "/";
    const std::string record = record_in(record_folder_);
    std::vector<std::unique_ptr<SaveLock>> locks;
    for (const std::string& f : folders) {
        locks.push_back(std::make_unique<SaveLock>(f));
        if (!locks.back()->ok()) return not_written(locks.back()->path());
    }
    // A save of before still to finish there goes first: this one was made
    // from files that are not yet as that save leaves them.
    for (const std::string& f : folders) {
        struct stat st {};
        if (::lstat(record_in(f).c_str(), &st) == 0 || errno != ENOENT) {
            record_folder_ = f + "/";
            if (failed) *failed = record_in(f);
            return Result::earlier_save;
        }
    }

    // The new contents, each on disk beside its register. A register that is
    // no file (a folder in its place) could not be renamed over once the
    // save counts: the save stops here.
    std::vector<Rename> renames;
    for (const std::string& path : order_) {
        File& f = files_[path];
        struct stat now {};
        if (::lstat(path.c_str(), &now) == 0 && !S_ISREG(now.st_mode)) return not_written(path);
        struct stat like {};
        const bool copy = !f.copy_source.empty();
        if (copy) {
            if (::stat(f.copy_source.c_str(), &like) != 0) return not_written(path);
            if (f.writable) like.st_mode |= S_IWUSR;
        }
        const std::string temp = temporary_name_for(path);
        if (!write_temporary(temp, f.bytes, copy ? &like : nullptr)) return not_written(path);
        f.temp = temp;
        renames.push_back({temp, path, f.bytes.size(), checksum(f.bytes)});
    }

    if (renames.size() == 1) {
        // One file needs no record: its rename is the whole save.
        const Outcome put = put_in_place(renames[0].temp, renames[0].path);
        files_[order_[0]].temp.clear();
        if (put == Outcome::written) return Result::done;
        if (failed) *failed = renames[0].path;
        if (put == Outcome::not_written) return Result::not_written;
        return put == Outcome::written_unsynced ? Result::unsynced : Result::unknown;
    }

    // The temporary files' names must outlast a power cut before the record
    // that names them does.
    for (const std::string& f : folders)
        if (key_of(f) != key_of(folder_of(record)) && !detail::sync_folder(f))
            return not_written(order_[0]);
    const std::string record_temp = temporary_name_for(record);
    if (!write_temporary(record_temp, record_text(record_folder_, renames), nullptr))
        return not_written(record);
    if (!rename_file(record_temp, record)) {
        ::unlink(record_temp.c_str());
        return not_written(record);
    }
    // Whether the record outlasts a power cut is unknown: without it the
    // save never happened, and the temporary files go with it. A record
    // that cannot be taken back counts.
    if (!detail::sync_folder(folder_of(record)) && unlink_file(record)) return not_written(record);

    // The save counts from here on: its temporary files stay until the
    // record that names them is finished.
    for (auto& [path, f] : files_) f.temp.clear();
    std::string missing;
    // One more try; what is still left is finished at the next save or start.
    if (!do_renames(renames, &missing) && !do_renames(renames, &missing)) {
        if (failed) *failed = missing;
        return Result::to_complete;
    }
    // The record is this save's own (the folder's lock kept every other
    // save out), tried once more like the renames. One still left names
    // only done renames: whoever finds it next removes it and changes nothing.
    if (unlink_file(record) || unlink_file(record)) detail::sync_folder(folder_of(record));
    else
        record_left_ = true;
    return Result::done;
}

// --- at the start ----------------------------------------------------------------

Recovery complete_interrupted_save(const std::string& folder, std::string* failed,
                                   std::vector<std::string>* renamed) {
    const std::string record = record_in(folder);
    auto stays = [&](Recovery why, const std::string& path) {
        if (failed) *failed = path;
        return why;
    };
    struct stat st {};
    if (::lstat(record.c_str(), &st) != 0)
        return errno == ENOENT ? Recovery::none : stays(Recovery::failed, record);
    if (!S_ISREG(st.st_mode)) return stays(Recovery::blocked, record);
    const SaveLock lock(folder_of(record));
    if (!lock.ok()) return stays(Recovery::failed, lock.path());
    // Another program sharing the folder may have finished it meanwhile.
    if (::lstat(record.c_str(), &st) != 0)
        return errno == ENOENT ? Recovery::none : stays(Recovery::failed, record);
    std::string text;
    if (!read_all(record, text)) return stays(Recovery::failed, record);
    Record r = parse_record(folder, text);
    if (r.state == Record::foreign) return stays(Recovery::foreign, record);
    if (r.state == Record::torn) {
        // Never whole, so never committed: the registers are all old.
        if (!unlink_file(record)) return stays(Recovery::failed, record);
        detail::sync_folder(folder_of(record));
        return Recovery::discarded;
    }
    if (renamed)
        for (const Rename& x : r.renames) renamed->push_back(x.path);
    std::string missing;
    bool renamed_now = false;
    if (!do_renames(r.renames, &missing, &renamed_now)) return stays(Recovery::failed, missing);
    if (!unlink_file(record)) return stays(Recovery::failed, record);
    detail::sync_folder(folder_of(record));
    return renamed_now ? Recovery::completed : Recovery::cleared;
}

void remove_leftover_temporaries(const std::string& folder) {
    auto temporaries = [&] {
        std::vector<fs::path> found;
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
            std::error_code type;
            if (is_temporary(it->path().filename().string()) && it->is_regular_file(type))
                found.push_back(it->path());
        }
        return found;
    };
    // A folder without any is left as it is, its save lock not even made.
    if (temporaries().empty()) return;
    const std::string record = record_in(folder);
    const SaveLock lock(folder_of(record));
    if (!lock.ok()) return;
    // The temporary files a record still names are the save it has to
    // finish; a record that cannot be read may name any of them.
    std::set<std::string> named;
    struct stat st {};
    if (::lstat(record.c_str(), &st) == 0 || errno != ENOENT) {
        std::string text;
        if (!S_ISREG(st.st_mode) || !read_all(record, text)) return;
        const Record r = parse_record(folder, text);
        if (r.state != Record::ours) return;
        for (const Rename& x : r.renames) named.insert(key_of(x.temp));
    }
    for (const fs::path& temp : temporaries())
        if (!named.contains(key_of(temp.string()))) unlink_file(temp.string());
}

bool copy_file_synced(const std::string& source, const std::string& target, bool writable) {
    std::string bytes;
    struct stat like {};
    if (!read_all(source, bytes, &like)) return false;
    if (writable) like.st_mode |= S_IWUSR;
    const std::string temp = temporary_name_for(target);
    if (!write_temporary(temp, bytes, &like)) return false;
    if (rename_file(temp, target)) return true;
    ::unlink(temp.c_str());
    return false;
}

bool sync_folder(const std::string& folder) { return detail::sync_folder(folder); }

struct HeldSaveLock::Held {
    SaveLock lock;
};

HeldSaveLock::HeldSaveLock(const std::string& folder) : held_(new Held{SaveLock(folder)}) {}
HeldSaveLock::~HeldSaveLock() = default;
bool HeldSaveLock::ok() const { return held_->lock.ok(); }

}  // namespace plat
