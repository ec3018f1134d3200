#include "platform/folder_lock.h"

#include <cerrno>
#include <climits>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/save_unit.h"
#include "platform/text.h"

namespace plat {

bool is_lock_file(std::string_view file_name) {
    return iequals(file_name, kLockFileName) || iequals(file_name, kSaveLockFileName);
}

bool folder_writable(const std::string& folder) {
    return !folder.empty() && ::access(folder.c_str(), W_OK | X_OK) == 0;
}

std::string host_name() {
    char name[HOST_NAME_MAX + 1] = {};
    if (::gethostname(name, sizeof name - 1) != 0) return "";
    return name;
}

namespace {

std::string read_holder(int fd) {
    std::string text;
    char buf[256];
    ssize_t n;
    while (text.size() < 1024 &&
           (n = ::pread(fd, buf, sizeof buf, static_cast<off_t>(text.size()))) > 0)
        text.append(buf, static_cast<std::size_t>(n));
    return trim(single_line(text));
}

}  // namespace

FolderLock::Result FolderLock::take(const std::string& folder, std::string_view holder,
                                    bool existing_only) {
    release();
    holder_.clear();
    const std::string path = folder + std::string(kLockFileName);
    if (detail::file_call("open", path) != 0) return Result::unusable;
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | (existing_only ? 0 : O_CREAT), 0666);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return Result::unusable;
    int r;
    do {
        r = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (r != 0 && errno == EINTR);
    if (r != 0) {
        const bool busy = errno == EWOULDBLOCK;
        if (busy) holder_ = read_holder(fd);
        ::close(fd);
        return busy ? Result::held : Result::unusable;
    }
    // Ours: the file now says who holds it. Writing is only a courtesy to
    // the next program; the lock holds even if it fails.
    if (::ftruncate(fd, 0) == 0) {
        const std::string text(holder);
        [[maybe_unused]] const ssize_t w = ::pwrite(fd, text.data(), text.size(), 0);
    }
    fd_ = fd;
    holder_ = std::string(holder);
    return Result::taken;
}

bool FolderLock::covers(const std::string& folder) const {
    if (fd_ < 0 || folder.empty()) return false;
    const std::string path =
        folder + (folder.back() == '/' ? "" : "/") + std::string(kLockFileName);
    struct stat mine {
    }, there{};
    return ::fstat(fd_, &mine) == 0 && ::stat(path.c_str(), &there) == 0 &&
           mine.st_dev == there.st_dev && mine.st_ino == there.st_ino;
}

void FolderLock::release() {
    if (fd_ < 0) return;
    // Closing the last descriptor frees the lock; the file stays, empty of
    // meaning, for the next program to lock again.
    ::close(fd_);
    fd_ = -1;
}

}  // namespace plat
