// One program at a time on a folder: an operating-system lock (flock) on a
// lock file in that folder. The system frees it when the program ends, also
// when it dies, so a crash never leaves the folder locked. The lock file
// names the computer and user that hold it, for the message another program
// shows when it finds the folder taken.
#pragma once

#include <string>
#include <string_view>

namespace plat {

// The lock file's name in a locked folder. Never a record file: folder lists
// do not show it and archive copies leave it out.
inline constexpr std::string_view kLockFileName = "IN_USO.LCK";
// The lock a folder's saves take, each for as long as it writes there (see
// save_unit.h): two programs may share a folder (the program folder) but
// never save into it at the same time.
inline constexpr std::string_view kSaveLockFileName = "SALVATAGGIO.LCK";
// Either lock file.
bool is_lock_file(std::string_view file_name);

// True when this process may make files in `folder`.
bool folder_writable(const std::string& folder);

// The name of this computer ("" when the system gives none).
std::string host_name();

class FolderLock {
public:
    enum class Result {
        taken,     // this program holds the folder
        held,      // another program holds it; holder() says who
        unusable,  // no lock file can be made there (missing or read-only folder)
    };

    FolderLock() = default;
    ~FolderLock() { release(); }
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Takes the lock of `folder` (a path ending in its separator), writing
    // `holder` into the lock file; any lock held before is released first.
    // `existing_only` makes no lock file: a folder without one is
    // `unusable` (no program holds it, and none is kept off).
    Result take(const std::string& folder, std::string_view holder, bool existing_only = false);
    void release();
    bool held_by_us() const { return fd_ >= 0; }
    // True when this lock holds the lock file of `folder` (the same file,
    // however the folder is spelt). One program holds a folder once: a
    // second lock of its own there would find the folder taken.
    bool covers(const std::string& folder) const;
    // What the lock file says of its holder, as the last take() found it.
    const std::string& holder() const { return holder_; }

private:
    int fd_ = -1;
    std::string holder_;
};

}  // namespace plat
