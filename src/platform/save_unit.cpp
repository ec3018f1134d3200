#include "platform/save_unit.h"

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <set>
#include <system_error>

#include <fcntl.h>
#include <signal.h>
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

constexpr std::string_view kTempMark = ".tmp";
constexpr std::string_view kRecordHead = "SALVATAGGIO 1";
constexpr std::string_view kRecordEnd = "FINE ";

// The process number of a temporary name ("<name>.tmp<pid>-<n>"), or 0 when
// the name is not one.
long temporary_owner(std::string_view name) {
    const std::size_t mark = name.rfind(kTempMark);
    if (mark == std::string_view::npos || mark == 0) return 0;
    std::string_view rest = name.substr(mark + kTempMark.size());
    const std::size_t dash = rest.find('-');
    if (dash == std::string_view::npos || dash == 0 || dash + 1 == rest.size()) return 0;
    if (!all_digits(rest.substr(0, dash)) || !all_digits(rest.substr(dash + 1)) || dash > 9)
        return 0;
    return std::stol(std::string(rest.substr(0, dash)));
}

std::string folder_of(const std::string& path) {
    const fs::path parent = fs::path(path).parent_path();
    return parent.empty() ? std::string(".") : parent.string();
}

std::string key_of(const std::string& path) { return fs::path(path).lexically_normal().string(); }

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

struct Rename {
    std::string temp, path;
};

std::string record_text(const std::vector<Rename>& renames) {
    std::string body(kRecordHead);
    body += '\n';
    for (const Rename& r : renames) {
        body += "R ";
        put_field(body, r.temp);
        body += ' ';
        put_field(body, r.path);
        body += '\n';
    }
    return body + std::string(kRecordEnd) + std::to_string(renames.size()) + " " +
           std::to_string(checksum(body)) + "\n";
}

// The renames of a whole record; nullopt for a record cut short or damaged.
std::optional<std::vector<Rename>> parse_record(std::string_view text) {
    const std::size_t end = text.rfind(kRecordEnd);
    if (end == std::string_view::npos || (end > 0 && text[end - 1] != '\n')) return std::nullopt;
    const std::string_view body = text.substr(0, end);
    std::string_view tail = text.substr(end + kRecordEnd.size());
    if (!body.starts_with(std::string(kRecordHead) + "\n")) return std::nullopt;
    const auto fields = split(tail.substr(0, tail.find('\n')), " ");
    if (fields.size() != 2 || fields[1] != std::to_string(checksum(body))) return std::nullopt;

    std::vector<Rename> renames;
    std::string_view rest = body.substr(kRecordHead.size() + 1);
    while (!rest.empty()) {
        Rename r;
        if (!rest.starts_with("R ")) return std::nullopt;
        rest.remove_prefix(2);
        if (!take_field(rest, r.temp) || !rest.starts_with(" ")) return std::nullopt;
        rest.remove_prefix(1);
        if (!take_field(rest, r.path) || !rest.starts_with("\n")) return std::nullopt;
        rest.remove_prefix(1);
        renames.push_back(std::move(r));
    }
    if (fields[0] != std::to_string(renames.size())) return std::nullopt;
    return renames;
}

// Renames what is still to rename and makes it lasting. A temporary file
// that is gone was renamed already. False when a rename failed.
bool do_renames(const std::vector<Rename>& renames) {
    bool all = true;
    std::set<std::string> folders;
    for (const Rename& r : renames) {
        folders.insert(folder_of(r.path));
        std::error_code ec;
        if (!fs::exists(r.temp, ec)) continue;
        if (!rename_file(r.temp, r.path)) all = false;
    }
    for (const std::string& f : folders) all = detail::sync_folder(f) && all;
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
    return is_lock_file(name) || iequals(name, kSaveRecordName) || temporary_owner(name) != 0;
}

std::string temporary_name_for(const std::string& path) {
    static std::atomic<unsigned> counter{0};
    return path + std::string(kTempMark) + std::to_string(::getpid()) + "-" +
           std::to_string(counter++);
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

// A register replaced by these bytes.
bool rewrite_bytes(const std::string& path, const std::string& data) {
    const std::string temp = temporary_name_for(path);
    // On disk before the rename, so that a crash leaves the old or the new
    // register, never an empty one; the folder synced after it, so that a
    // power cut cannot undo a save the user was told of.
    if (!write_temporary(temp, data, nullptr)) return false;
    if (!rename_file(temp, path)) {
        ::unlink(temp.c_str());
        return false;
    }
    detail::sync_folder(folder_of(path));
    return true;
}

}  // namespace

// --- one file at a time ----------------------------------------------------------

bool rewrite_lines(const std::string& path, const std::vector<std::string>& lines) {
    return rewrite_bytes(path, record_bytes(lines));
}

bool rewrite_record_text(const std::string& path, std::string_view text) {
    return rewrite_bytes(path, utf8_to_cp1252(text));
}

bool replace_file(const std::string& path, std::string_view bytes) {
    return rewrite_bytes(path, std::string(bytes));
}

bool append_line(const std::string& path, std::string_view line) {
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
    bool ok = write_all(fd, path, data) && sync_file(fd, path);
    if (!ok) {
        int r;
        do {
            r = ::ftruncate(fd, st.st_size);
        } while (r != 0 && errno == EINTR);
    }
    ok = close_file(fd, path) && ok;
    return ok;
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

SaveUnit::Result SaveUnit::commit(const std::string& record_folder, std::string* failed) {
    if (committed_) return Result::done;
    committed_ = true;
    if (g_open == this) g_open = nullptr;
    if (order_.empty()) return Result::done;

    auto not_written = [&](const std::string& path) {
        if (failed) *failed = path;
        remove_temporaries();
        return Result::not_written;
    };

    // The new contents, each on disk beside its register. A register that is
    // no file (a folder in its place) could not be renamed over once the
    // save counts: the save stops here.
    std::vector<Rename> renames;
    std::set<std::string> folders;
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
        renames.push_back({temp, path});
        folders.insert(folder_of(path));
    }

    if (renames.size() == 1) {
        // One file needs no record: its rename is the whole save.
        if (!rename_file(renames[0].temp, renames[0].path)) return not_written(renames[0].path);
        files_[order_[0]].temp.clear();
        detail::sync_folder(folder_of(renames[0].path));
        return Result::done;
    }

    // The temporary files' names must outlast a power cut before the record
    // that names them does.
    const std::string folder = record_folder.empty() ? folder_of(order_[0]) : record_folder;
    const std::string record = (fs::path(folder) / std::string(kSaveRecordName)).string();
    for (const std::string& f : folders)
        if (key_of(f) != key_of(folder_of(record)) && !detail::sync_folder(f))
            return not_written(order_[0]);
    const std::string record_temp = temporary_name_for(record);
    if (!write_temporary(record_temp, record_text(renames), nullptr)) return not_written(record);
    if (!rename_file(record_temp, record)) {
        ::unlink(record_temp.c_str());
        return not_written(record);
    }
    if (!detail::sync_folder(folder_of(record))) {
        // Whether the record outlasts a power cut is unknown: without it the
        // save never happened, and the temporary files go with it.
        ::unlink(record.c_str());
        return not_written(record);
    }

    // The save counts from here on.
    if (!do_renames(renames)) {
        // One more try; what is still left is finished at the next start.
        const Recovery again = complete_interrupted_save(folder_of(record) + "/");
        for (const Rename& r : renames) {
            std::error_code ec;
            if (failed && fs::exists(r.temp, ec)) *failed = r.path;
        }
        for (auto& [path, f] : files_) f.temp.clear();
        return again == Recovery::completed ? Result::done : Result::to_complete;
    }
    for (auto& [path, f] : files_) f.temp.clear();
    // A record left by a failed removal names only renamed files: finishing
    // it at the next start changes nothing.
    unlink_file(record);
    return Result::done;
}

// --- at the start ----------------------------------------------------------------

Recovery complete_interrupted_save(const std::string& folder) {
    const std::string record = (fs::path(folder) / std::string(kSaveRecordName)).string();
    std::error_code ec;
    if (!fs::exists(record, ec)) return Recovery::none;
    std::string text;
    if (!read_all(record, text)) return Recovery::failed;
    const auto renames = parse_record(text);
    if (!renames) {
        // Never whole, so never committed: the registers are all old.
        unlink_file(record);
        detail::sync_folder(folder_of(record));
        return Recovery::discarded;
    }
    if (!do_renames(*renames)) return Recovery::failed;
    unlink_file(record);
    detail::sync_folder(folder_of(record));
    return Recovery::completed;
}

void remove_leftover_temporaries(const std::string& folder, bool only_dead_processes) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        const long owner = temporary_owner(name);
        if (owner == 0) continue;
        std::error_code type;
        if (!it->is_regular_file(type)) continue;
        // A save runs within one event: none of ours is under way now.
        const bool ours = owner == ::getpid();
        if (!ours && only_dead_processes &&
            (::kill(static_cast<pid_t>(owner), 0) == 0 || errno != ESRCH))
            continue;
        fs::remove(it->path(), type);
    }
}

}  // namespace plat
